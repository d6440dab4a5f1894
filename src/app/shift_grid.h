// The day-by-period grid of one shift on the school tab (Ish_vaqti1..3): row 0 holds the short
// day names, column 0 the period numbers, and each cell is green with a tick where lessons of
// the shift may be held and red with a cross elsewhere. It only shows; clicks change nothing.
#pragma once

#include <QPixmap>
#include <QStringList>
#include <QWidget>

#include "model/image.h"

namespace jadvalon {

class ShiftGrid : public QWidget {
  Q_OBJECT

 public:
  static constexpr int kColumns = 8;  // period numbers, then days 1..7
  static constexpr int kRows = 15;    // day names, then periods 1..14
  static constexpr int kCellWidth = 20;
  static constexpr int kCellHeight = 15;

  explicit ShiftGrid(QWidget* parent = nullptr);

  // What the grid shows: the shift's stored grid and the number of working days.
  void display(const Grid& grid, int workingDays);
  void setDayNames(const QStringList& shortNames);
  void setPictures(const QPixmap& available, const QPixmap& unavailable);

  // Whether the cell of day 1..7 and period 1..14 is drawn available.
  bool isAvailable(int day, int period) const;
  int availableCount() const;

  QSize sizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QRect cellRect(int column, int row) const;

  Grid grid_{};
  int workingDays_ = 6;
  QStringList dayNames_;
  QPixmap yes_;
  QPixmap no_;
};

}  // namespace jadvalon
