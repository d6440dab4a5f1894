// Applies a visual style to the whole application: the Qt style and palette, the five board
// colours, and the icon set some styles bring along; remembers the choice in
// sozlash/dizayn_index.txt.
#pragma once

#include <QColor>
#include <QObject>
#include <filesystem>

#include "i18n/qt/icon_set.h"
#include "i18n/qt/style_catalogue.h"

namespace jadvalon {

class StyleManager : public QObject {
  Q_OBJECT

 public:
  StyleManager(std::filesystem::path indexFile, IconSet& icons, QObject* parent = nullptr);

  // The position kept in the index file; 0 ("Windows") when the file is missing, unreadable or
  // names no entry of the list.
  int rememberedPosition() const;

  // The look the program starts in, before the remembered one is applied; not remembered.
  void applyStartStyle();
  // Switches to the style at `position`, sets its board colours (and its icon set, if it brings
  // one) and writes the position to the index file. False when the file could not be written;
  // the style is applied all the same.
  bool apply(int position);

  int current() const { return current_; }
  const std::filesystem::path& indexFile() const { return indexFile_; }
  const BoardColours& boardColours() const { return board_; }
  QColor currentColumnColour() const { return fromWindowsColour(board_.currentColumn); }
  QColor highlightColour() const { return fromWindowsColour(board_.highlight); }
  QColor currentHeaderColour() const { return fromWindowsColour(board_.currentHeader); }
  QColor panelColour() const { return fromWindowsColour(board_.panel); }
  QColor gridLineColour() const { return fromWindowsColour(board_.gridLine); }

 signals:
  void styleApplied(int position);
  void boardColoursChanged();

 private:
  void switchLook(const StyleDefinition& style);

  std::filesystem::path indexFile_;
  IconSet& icons_;
  int current_ = -1;
  BoardColours board_;
};

}  // namespace jadvalon
