// Layout of the message and question dialogs.
#include "app/common_dialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace jadvalon {

CommonDialog::CommonDialog(QWidget* parent, const QString& title, const QString& text,
                           QStyle::StandardPixmap picture)
    : QDialog(parent) {
  setWindowTitle(title);
  setModal(true);
  auto* body = new QHBoxLayout;
  auto* icon = new QLabel(this);
  icon->setPixmap(style()->standardIcon(picture, nullptr, this).pixmap(32, 32));
  icon->setAlignment(Qt::AlignTop);
  body->addWidget(icon);
  text_ = new QLabel(text, this);
  text_->setObjectName(QStringLiteral("Lmatn"));  // Lmatn — the text of the dialog
  // File names and user text must show as they are, never as markup.
  text_->setTextFormat(Qt::PlainText);
  text_->setWordWrap(true);
  text_->setMinimumWidth(320);
  text_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  body->addWidget(text_, 1);
  buttons_ = new QHBoxLayout;
  buttons_->addStretch(1);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(body);
  layout->addSpacing(8);
  layout->addLayout(buttons_);
  layout->setSizeConstraint(QLayout::SetFixedSize);
}

QString CommonDialog::text() const { return text_->text(); }

QPushButton* CommonDialog::addButton(const char* objectName, const QString& caption, int result) {
  auto* button = new QPushButton(caption, this);
  button->setObjectName(QString::fromLatin1(objectName));
  button->setMinimumWidth(90);
  connect(button, &QPushButton::clicked, this, [this, result] { done(result); });
  buttons_->addWidget(button);
  return button;
}

}  // namespace jadvalon
