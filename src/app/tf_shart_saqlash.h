// TFshart_saqlash — the unsaved-changes question: Yes (save), No (discard), Cancel (stay).
#pragma once

#include "app/common_dialog.h"
#include "app/ui_texts.h"

namespace jadvalon {

class TFshart_saqlash : public CommonDialog {
  Q_OBJECT

 public:
  enum class Answer { Yes, No, Cancel };

  TFshart_saqlash(QWidget* parent, const UiTexts& texts, const QString& question);

  // Escape and closing the window mean Cancel: nothing is lost by mistake.
  static Answer ask(QWidget* parent, const UiTexts& texts, const QString& question);
};

}  // namespace jadvalon
