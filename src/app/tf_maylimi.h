// TFmaylimi — the confirmation dialog: a question with Yes and No.
#pragma once

#include "app/common_dialog.h"
#include "app/ui_texts.h"

namespace jadvalon {

class TFmaylimi : public CommonDialog {
  Q_OBJECT

 public:
  TFmaylimi(QWidget* parent, const UiTexts& texts, const QString& question);

  // True for Yes; No, Escape and closing the window mean no.
  static bool ask(QWidget* parent, const UiTexts& texts, const QString& question);
};

}  // namespace jadvalon
