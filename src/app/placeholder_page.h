// A main tab whose part of the program is still to come: its caption and one line saying so,
// and nothing that pretends to work.
#pragma once

#include <QLabel>
#include <QWidget>

namespace jadvalon {

class UiTexts;

class PlaceholderPage : public QWidget {
  Q_OBJECT

 public:
  PlaceholderPage(const QString& objectName, const UiTexts& texts, QWidget* parent = nullptr);
  void retranslate();

 private:
  const UiTexts& texts_;
  QLabel* note_ = nullptr;
};

}  // namespace jadvalon
