// The message dialog.
#include "app/tf_xabar.h"

#include "i18n/lines.h"

namespace jadvalon {

TFxabar::TFxabar(QWidget* parent, const UiTexts& texts, const QString& text)
    : CommonDialog(parent, texts.text(lines::kMainWindowTitle), text,
                   QStyle::SP_MessageBoxInformation) {
  setObjectName(QStringLiteral("TFxabar"));
  addButton("Btok", texts.text(lines::kOk), QDialog::Accepted)->setDefault(true);
}

void TFxabar::showMessage(QWidget* parent, const UiTexts& texts, const QString& text) {
  TFxabar dialog(parent, texts, text);
  dialog.exec();
}

}  // namespace jadvalon
