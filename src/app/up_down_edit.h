// A number edit with its up-down buttons, as the school tab pairs them (`Upish_kuni` with
// `Eish_kun`, `Uboshi1` with `Edit6`, ...): the spin box carries the up-down's name and its
// text field the edit's, so both can be found by name.
#pragma once

#include <QSpinBox>

class QLineEdit;

namespace jadvalon {

class UpDownEdit : public QSpinBox {
  Q_OBJECT

 public:
  UpDownEdit(const QString& upDownName, const QString& editName, int minimum, int maximum,
             QWidget* parent = nullptr);

  QLineEdit* edit() const { return lineEdit(); }
  // Gives the focus to the text field with its text selected.
  void focusAndSelect();
  // Sets the number without it counting as the user's change.
  void setValueQuietly(int value);

 signals:
  // Enter was pressed; the typed number has been taken (valueChanged/editingFinished ran).
  void enterPressed();
  // The user changed the number: an arrow, a key, the wheel, or a typed number taken.
  void changedByUser();

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  bool programmatic_ = false;
};

}  // namespace jadvalon
