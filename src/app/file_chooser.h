// Choosing a project file to open or a name to save under. The main window asks through this
// interface so that tests can answer without a file dialog.
#pragma once

#include <QString>

class QWidget;

namespace jadvalon {

class UiTexts;

class FileChooser {
 public:
  virtual ~FileChooser() = default;
  // An existing or typed file name, or an empty string when cancelled.
  virtual QString fileToOpen(QWidget* parent, const QString& folder) = 0;
  // The name typed or chosen in the save dialog, or an empty string when cancelled.
  virtual QString fileToSave(QWidget* parent, const QString& folder) = 0;
};

// The desktop's file dialogs, with the project-file filter and the proposed name "Dars jadvali".
class DialogFileChooser : public FileChooser {
 public:
  explicit DialogFileChooser(const UiTexts& texts) : texts_(texts) {}
  QString fileToOpen(QWidget* parent, const QString& folder) override;
  QString fileToSave(QWidget* parent, const QString& folder) override;

  static QString filter();

 private:
  const UiTexts& texts_;
};

}  // namespace jadvalon
