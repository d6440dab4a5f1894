// Language lines of the desktop shell that the shared catalogue does not name yet: the settings
// dialog's labels and the shell's own messages. Each is a line of sozlash/til/N.til, shown
// empty until the language files carry a text for it.
#pragma once

namespace jadvalon::shell_lines {

inline constexpr int kStyleListLabel = 783;  // settings dialog: label above the style list
inline constexpr int kIconSetLabel = 784;    // settings dialog: caption of the icon-set choice
// Tabs whose part of the program is still to come: the one line such a page shows.
inline constexpr int kPageNotReady = 785;
// Help menu: the user manual could not be opened; a line break and the path follow.
inline constexpr int kManualNotOpened = 786;
// Start-up: a data folder of the program could not be created; a line break and the path follow.
inline constexpr int kFolderNotCreated = 787;
// A settings file (style index) could not be written; a line break and the path follow.
inline constexpr int kSettingNotSaved = 788;

}  // namespace jadvalon::shell_lines
