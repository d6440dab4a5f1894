// Writing a text grid to one worksheet with libxlsxwriter.
#include "reports/grid_workbook.h"

#include <algorithm>

#include "reports/workbook_file.h"

namespace jadvalon {

namespace {

constexpr double kPixelsPerCharacter = 7.5;  // a spreadsheet column width is in characters

lxw_format* gridFormat(lxw_workbook* workbook, const TextGrid& grid, bool fixed) {
  lxw_format* f = workbook_add_format(workbook);
  format_set_border(f, LXW_BORDER_THIN);
  format_set_num_format(f, "@");
  format_set_align(f, LXW_ALIGN_CENTER);
  format_set_font_name(f, grid.fontName.c_str());
  format_set_font_size(f, grid.fontSize);
  if (fixed) {
    format_set_bg_color(f, grid.fixedColour & 0xFFFFFF);
    format_set_pattern(f, LXW_PATTERN_SOLID);
  }
  return f;
}

}  // namespace

WriteResult writeGridWorkbook(const TextGrid& grid, const std::filesystem::path& target) {
  WorkbookFile file(target);
  lxw_workbook* workbook = file.workbook();
  if (!workbook) return file.finish();
  lxw_worksheet* sheet = workbook_add_worksheet(workbook, nullptr);
  lxw_format* plain = gridFormat(workbook, grid, false);
  lxw_format* fixed = gridFormat(workbook, grid, true);

  std::size_t columns = grid.columnWidths.size();
  for (const auto& row : grid.rows) columns = std::max(columns, row.size());
  for (std::size_t c = 0; c < columns; ++c) {
    const int pixels = c < grid.columnWidths.size() ? grid.columnWidths[c] : 64;
    worksheet_set_column(sheet, static_cast<lxw_col_t>(c), static_cast<lxw_col_t>(c),
                         pixels / kPixelsPerCharacter, nullptr);
  }
  // Every cell of the rectangle gets its border, also where a row has fewer texts.
  for (std::size_t r = 0; r < grid.rows.size(); ++r) {
    for (std::size_t c = 0; c < columns; ++c) {
      const bool isFixed =
          static_cast<int>(r) < grid.fixedRows || static_cast<int>(c) < grid.fixedColumns;
      const std::string& text = c < grid.rows[r].size() ? grid.rows[r][c] : std::string();
      worksheet_write_string(sheet, static_cast<lxw_row_t>(r), static_cast<lxw_col_t>(c),
                             text.c_str(), isFixed ? fixed : plain);
    }
  }
  return file.finish();
}

}  // namespace jadvalon
