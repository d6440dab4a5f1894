// The visual styles the program offers: their names in list order, the widget palette of each,
// the five board colours and the icon set a style brings along.
#pragma once

#include <QColor>
#include <QPalette>
#include <QString>
#include <cstdint>
#include <optional>

namespace jadvalon {

// A colour as the project's palettes keep it: red in the low byte, blue in the high byte.
using WindowsColour = std::uint32_t;

inline QColor fromWindowsColour(WindowsColour value) {
  return QColor(static_cast<int>(value & 0xFF), static_cast<int>((value >> 8) & 0xFF),
                static_cast<int>((value >> 16) & 0xFF));
}
inline WindowsColour toWindowsColour(const QColor& colour) {
  return static_cast<WindowsColour>(colour.red()) |
         static_cast<WindowsColour>(colour.green()) << 8 |
         static_cast<WindowsColour>(colour.blue()) << 16;
}

// The five colours the timetable board paints with; also used by the selection list dialog.
struct BoardColours {
  WindowsColour currentColumn = 0;
  WindowsColour highlight = 0;  // also the main window's background
  WindowsColour currentHeader = 0;
  WindowsColour panel = 0;
  WindowsColour gridLine = 0;

  bool operator==(const BoardColours&) const = default;
};

struct StyleDefinition {
  QString name;
  QString qtStyle;  // the Qt widget style the look is built on
  QPalette palette;
  BoardColours board;
  std::optional<int> iconSet;  // the icon set chosen together with the style
  bool dark = false;
};

class StyleCatalogue {
 public:
  static constexpr int kStyleCount = 35;

  // Position 0 is "Windows"; the position is what the style index file keeps.
  static const StyleDefinition& at(int position);
  static int count() { return kStyleCount; }
  // The position of a name, or -1.
  static int find(const QString& name);
};

}  // namespace jadvalon
