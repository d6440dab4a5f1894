// The file dialogs of the file commands.
#include "app/file_chooser.h"

#include <QDir>
#include <QFileDialog>

#include "app/ui_texts.h"
#include "i18n/lines.h"

namespace jadvalon {

QString DialogFileChooser::filter() {
  // "Jadvalon dasturi fayli (.jdn)|*.jdn" in Qt's filter notation.
  return QStringLiteral("Jadvalon dasturi fayli (.jdn) (*.jdn)");
}

QString DialogFileChooser::fileToOpen(QWidget* parent, const QString& folder) {
  return QFileDialog::getOpenFileName(parent, texts_.title(lines::kMenuOpen), folder, filter());
}

QString DialogFileChooser::fileToSave(QWidget* parent, const QString& folder) {
  // The overwrite question is the program's own (with its extension rule), not the dialog's.
  return QFileDialog::getSaveFileName(parent, texts_.title(lines::kMenuSaveAs),
                                      QDir(folder).filePath(QStringLiteral("Dars jadvali")),
                                      filter(), nullptr, QFileDialog::DontConfirmOverwrite);
}

}  // namespace jadvalon
