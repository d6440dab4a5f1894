// The main window's background shape behind the welcome panel, painted in the style's
// highlight colour. It paints itself instead of setting a palette, so that the panel on it
// keeps the ordinary window colour.
#pragma once

#include <QColor>
#include <QWidget>

namespace jadvalon {

class BackgroundPanel : public QWidget {
  Q_OBJECT

 public:
  explicit BackgroundPanel(QWidget* parent = nullptr) : QWidget(parent) {}
  void setColour(const QColor& colour);
  QColor colour() const { return colour_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QColor colour_{Qt::white};
};

}  // namespace jadvalon
