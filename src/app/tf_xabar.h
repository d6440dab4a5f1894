// TFxabar — the message dialog: a text and one OK button.
#pragma once

#include "app/common_dialog.h"
#include "app/ui_texts.h"

namespace jadvalon {

class TFxabar : public CommonDialog {
  Q_OBJECT

 public:
  TFxabar(QWidget* parent, const UiTexts& texts, const QString& text);

  // Shows the message modally until OK.
  static void showMessage(QWidget* parent, const UiTexts& texts, const QString& text);
};

}  // namespace jadvalon
