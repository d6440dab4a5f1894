// The frame shared by the message and question dialogs: a picture, the text, a row of buttons.
#pragma once

#include <QDialog>
#include <QPushButton>
#include <QStyle>

class QHBoxLayout;
class QLabel;

namespace jadvalon {

class CommonDialog : public QDialog {
  Q_OBJECT

 public:
  QString text() const;

 protected:
  CommonDialog(QWidget* parent, const QString& title, const QString& text,
               QStyle::StandardPixmap picture);
  // Adds a button that ends the dialog with `result`.
  QPushButton* addButton(const char* objectName, const QString& caption, int result);

 private:
  QLabel* text_ = nullptr;
  QHBoxLayout* buttons_ = nullptr;
};

}  // namespace jadvalon
