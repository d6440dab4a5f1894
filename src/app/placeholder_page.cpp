// The page of a tab still to come.
#include "app/placeholder_page.h"

#include <QVBoxLayout>

#include "app/ui_texts.h"
#include "i18n/lines.h"

namespace jadvalon {

PlaceholderPage::PlaceholderPage(const QString& objectName, const UiTexts& texts, QWidget* parent)
    : QWidget(parent), texts_(texts) {
  setObjectName(objectName);
  note_ = new QLabel(this);
  note_->setAlignment(Qt::AlignCenter);
  note_->setWordWrap(true);
  QFont italic = note_->font();
  italic.setItalic(true);
  note_->setFont(italic);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(note_);
  retranslate();
}

void PlaceholderPage::retranslate() { note_->setText(texts_.text(lines::kPageNotReady)); }

}  // namespace jadvalon
