// The number edit with up-down buttons.
#include "app/up_down_edit.h"

#include <QKeyEvent>
#include <QLineEdit>

namespace jadvalon {

UpDownEdit::UpDownEdit(const QString& upDownName, const QString& editName, int minimum, int maximum,
                       QWidget* parent)
    : QSpinBox(parent) {
  setObjectName(upDownName);
  lineEdit()->setObjectName(editName);
  setRange(minimum, maximum);
  // The number is taken when typing is finished (Enter or leaving), not at every digit.
  setKeyboardTracking(false);
  connect(this, &QSpinBox::valueChanged, this, [this] {
    if (!programmatic_) emit changedByUser();
  });
}

void UpDownEdit::setValueQuietly(int value) {
  programmatic_ = true;
  setValue(value);
  programmatic_ = false;
}

void UpDownEdit::focusAndSelect() {
  setFocus(Qt::OtherFocusReason);
  selectAll();
}

void UpDownEdit::keyPressEvent(QKeyEvent* event) {
  const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
  QSpinBox::keyPressEvent(event);
  if (enter) {
    event->accept();
    emit enterPressed();
  }
}

}  // namespace jadvalon
