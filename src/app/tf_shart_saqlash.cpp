// The unsaved-changes question.
#include "app/tf_shart_saqlash.h"

#include "i18n/lines.h"

namespace jadvalon {
namespace {
constexpr int kYesResult = 10;
constexpr int kNoResult = 11;
}  // namespace

TFshart_saqlash::TFshart_saqlash(QWidget* parent, const UiTexts& texts, const QString& question)
    : CommonDialog(parent, texts.text(lines::kConfirmDialogTitle), question,
                   QStyle::SP_MessageBoxWarning) {
  setObjectName(QStringLiteral("TFshart_saqlash"));
  addButton("Btha", texts.text(lines::kYes), kYesResult)->setDefault(true);
  addButton("Btyuq", texts.text(lines::kNo), kNoResult);
  addButton("Btno", texts.text(lines::kCancel), QDialog::Rejected);
}

TFshart_saqlash::Answer TFshart_saqlash::ask(QWidget* parent, const UiTexts& texts,
                                             const QString& question) {
  TFshart_saqlash dialog(parent, texts, question);
  switch (dialog.exec()) {
    case kYesResult:
      return Answer::Yes;
    case kNoResult:
      return Answer::No;
    default:
      return Answer::Cancel;
  }
}

}  // namespace jadvalon
