// Painting the background shape.
#include "app/background_panel.h"

#include <QPainter>

namespace jadvalon {

void BackgroundPanel::setColour(const QColor& colour) {
  colour_ = colour;
  update();
}

void BackgroundPanel::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), colour_);
}

}  // namespace jadvalon
