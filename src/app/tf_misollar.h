// TFmisollar — the examples dialog: the example schools of the misollar folder to choose from.
#pragma once

#include <QDialog>
#include <QListWidget>
#include <QPushButton>

namespace jadvalon {

class UiTexts;

class TFmisollar : public QDialog {
  Q_OBJECT

 public:
  TFmisollar(QWidget* parent, const UiTexts& texts, const QStringList& fileNames);

  // The chosen file name after the dialog was accepted.
  QString chosen() const { return chosen_; }

 private:
  // OK or a double click: with nothing chosen the user is told so and the dialog stays.
  void confirm();

  const UiTexts& texts_;
  QListWidget* list_ = nullptr;
  QPushButton* Btochish = nullptr;  // Btochish — open the chosen example
  QString chosen_;
};

}  // namespace jadvalon
