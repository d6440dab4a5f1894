// The confirmation dialog.
#include "app/tf_maylimi.h"

#include "i18n/lines.h"

namespace jadvalon {

TFmaylimi::TFmaylimi(QWidget* parent, const UiTexts& texts, const QString& question)
    : CommonDialog(parent, texts.text(lines::kConfirmDialogTitle), question,
                   QStyle::SP_MessageBoxQuestion) {
  setObjectName(QStringLiteral("TFmaylimi"));
  addButton("Btha", texts.text(lines::kYes), QDialog::Accepted)->setDefault(true);
  addButton("Btyuq", texts.text(lines::kNo), QDialog::Rejected);
}

bool TFmaylimi::ask(QWidget* parent, const UiTexts& texts, const QString& question) {
  TFmaylimi dialog(parent, texts, question);
  return dialog.exec() == QDialog::Accepted;
}

}  // namespace jadvalon
