// The examples dialog.
#include "app/tf_misollar.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

#include "app/tf_xabar.h"
#include "app/ui_texts.h"
#include "i18n/lines.h"

namespace jadvalon {

TFmisollar::TFmisollar(QWidget* parent, const UiTexts& texts, const QStringList& fileNames)
    : QDialog(parent), texts_(texts) {
  setObjectName(QStringLiteral("TFmisollar"));
  setWindowTitle(texts.text(lines::kStartExamples));
  list_ = new QListWidget(this);
  list_->setObjectName(QStringLiteral("exampleList"));
  list_->addItems(fileNames);
  list_->setMinimumSize(360, 220);
  connect(list_, &QListWidget::itemDoubleClicked, this, &TFmisollar::confirm);

  Btochish = new QPushButton(texts.text(lines::kOk), this);
  Btochish->setObjectName(QStringLiteral("Btochish"));
  Btochish->setDefault(true);
  connect(Btochish, &QPushButton::clicked, this, &TFmisollar::confirm);
  auto* cancel = new QPushButton(texts.text(lines::kCancel), this);
  cancel->setObjectName(QStringLiteral("cancelButton"));
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(Btochish);
  buttons->addWidget(cancel);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(list_);
  layout->addLayout(buttons);
}

void TFmisollar::confirm() {
  const QListWidgetItem* item = list_->currentItem();
  if (item == nullptr || !item->isSelected()) {
    TFxabar::showMessage(this, texts_, texts_.text(lines::kNoExampleChosen));
    return;
  }
  chosen_ = item->text();
  accept();
}

}  // namespace jadvalon
