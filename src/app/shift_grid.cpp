// Drawing a shift grid.
#include "app/shift_grid.h"

#include <QPainter>
#include <cstring>

namespace jadvalon {
namespace {
const QColor kAvailableFill(200, 255, 200);
const QColor kUnavailableFill(255, 200, 200);
}  // namespace

ShiftGrid::ShiftGrid(QWidget* parent) : QWidget(parent) {
  setFixedSize(sizeHint());
  for (int d = 1; d <= 7; ++d) dayNames_ << QString::number(d);
}

QSize ShiftGrid::sizeHint() const {
  return QSize(kColumns * (kCellWidth + 1) + 1, kRows * (kCellHeight + 1) + 1);
}

void ShiftGrid::display(const Grid& grid, int workingDays) {
  std::memcpy(grid_, grid, sizeof(Grid));
  workingDays_ = workingDays;
  update();
}

void ShiftGrid::setDayNames(const QStringList& shortNames) {
  dayNames_ = shortNames;
  update();
}

void ShiftGrid::setPictures(const QPixmap& available, const QPixmap& unavailable) {
  yes_ = available;
  no_ = unavailable;
  update();
}

bool ShiftGrid::isAvailable(int day, int period) const {
  // Day 7 has no row in the stored grid: it is never a school day.
  if (day < 1 || day > kDays || day > workingDays_ || period < 1 || period > kPeriods) return false;
  return grid_[day - 1][period - 1] != 0;
}

int ShiftGrid::availableCount() const {
  int count = 0;
  for (int d = 1; d <= 7; ++d)
    for (int p = 1; p <= kPeriods; ++p) count += isAvailable(d, p) ? 1 : 0;
  return count;
}

QRect ShiftGrid::cellRect(int column, int row) const {
  return QRect(1 + column * (kCellWidth + 1), 1 + row * (kCellHeight + 1), kCellWidth, kCellHeight);
}

void ShiftGrid::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), palette().color(QPalette::Mid));
  QFont small = font();
  small.setPixelSize(9);
  painter.setFont(small);
  const QColor header = palette().color(QPalette::Button);
  const QColor headerText = palette().color(QPalette::ButtonText);
  for (int row = 0; row < kRows; ++row) {
    for (int column = 0; column < kColumns; ++column) {
      const QRect cell = cellRect(column, row);
      if (row == 0 || column == 0) {
        painter.fillRect(cell, header);
        painter.setPen(headerText);
        QString caption;
        if (row == 0 && column > 0) caption = dayNames_.value(column - 1);
        if (column == 0 && row > 0) caption = QString::number(row);
        painter.drawText(cell, Qt::AlignCenter | Qt::TextSingleLine, caption);
        continue;
      }
      const bool available = isAvailable(column, row);
      painter.fillRect(cell, available ? kAvailableFill : kUnavailableFill);
      const QPixmap& picture = available ? yes_ : no_;
      if (!picture.isNull()) {
        // The mark keeps to the left of the cell, as in the availability grids of the lists.
        const int side = kCellHeight - 2;
        painter.drawPixmap(QRect(cell.left() + 2, cell.top() + 1, side, side), picture);
      }
    }
  }
}

}  // namespace jadvalon
