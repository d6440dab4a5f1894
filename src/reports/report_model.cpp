// Table width and the column layout of cells with row and column spans.
#include "reports/report_model.h"

#include <numeric>

namespace jadvalon {

int ReportTable::width() const {
  return std::accumulate(columnWidths.begin(), columnWidths.end(), 0);
}

std::vector<PlacedCell> placeCells(const ReportTable& table) {
  std::vector<PlacedCell> placed;
  // For each column, how many more rows a cell from above still covers.
  std::vector<int> coveredRows;
  int rowIndex = 0;
  auto layRow = [&](const ReportRow& row) {
    int column = 0;
    for (const ReportCell& cell : row.cells) {
      while (column < static_cast<int>(coveredRows.size()) && coveredRows[column] > 0) ++column;
      placed.push_back({&cell, rowIndex, column});
      const int span = cell.colSpan < 1 ? 1 : cell.colSpan;
      if (static_cast<int>(coveredRows.size()) < column + span)
        coveredRows.resize(column + span, 0);
      for (int c = column; c < column + span; ++c)
        coveredRows[c] = cell.rowSpan < 1 ? 1 : cell.rowSpan;
      column += span;
    }
    for (int& rows : coveredRows)
      if (rows > 0) --rows;
    ++rowIndex;
  };
  for (const ReportRow& row : table.headerRows) layRow(row);
  for (const ReportRow& row : table.bodyRows) layRow(row);
  return placed;
}

}  // namespace jadvalon
