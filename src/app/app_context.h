// Everything the windows share: the program folder, the language table, the one project with
// its storage and undo history, the look, and the ways the program reaches the desktop (file
// dialogs, opening a document), which tests replace.
#pragma once

#include <QString>
#include <QUrl>
#include <functional>
#include <memory>

#include "app/dialog_prompter.h"
#include "app/file_chooser.h"
#include "app/style_manager.h"
#include "app/ui_texts.h"
#include "i18n/language_files.h"
#include "i18n/language_table.h"
#include "i18n/qt/icon_set.h"
#include "model/project.h"
#include "storage/program_folder.h"
#include "storage/project_storage.h"
#include "storage/undo_history.h"

namespace jadvalon {

struct AppContext {
  explicit AppContext(ProgramFolder programFolder);
  AppContext(const AppContext&) = delete;
  AppContext& operator=(const AppContext&) = delete;

  // The version the update check compares with the server's.
  static QString version() { return QStringLiteral("2.3.1.19"); }

  ProgramFolder folder;
  LanguageTable table;
  UiTexts texts{table};
  DialogPrompter prompter{texts};
  Project project{table, prompter};
  ProjectStorage storage{project, folder};
  UndoHistory undo{folder.temp()};
  LanguageFiles languages{folder.languages()};
  IconSet icons{folder.icons()};
  StyleManager styles{folder.styleIndex(), icons};
  std::unique_ptr<FileChooser> files;
  // Opens a document with the desktop's default application; false when that failed.
  std::function<bool(const QUrl&)> openDocument;
};

}  // namespace jadvalon
