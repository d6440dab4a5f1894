// Writing the report model with libxlsxwriter.
#include "reports/xlsx_report_writer.h"

#include <algorithm>

#include "reports/workbook_file.h"
#include "reports/worksheet_names.h"

namespace jadvalon {

namespace {

constexpr double kFontSize = 9;  // the page's font size

struct Formats {
  explicit Formats(lxw_workbook* workbook) {
    grey = cellFormat(workbook, 0xDDDDDD, true);
    secondHeader = cellFormat(workbook, 0xFFFFAA, true);
    body = cellFormat(workbook, 0xFFFFCC, false);
    boldBody = cellFormat(workbook, 0xFFFFCC, true);
    room = cellFormat(workbook, 0xFFFFAA, false);
    // Rich-string parts carry their own font; without one a part falls back to 11 pt.
    bold = workbook_add_format(workbook);
    format_set_bold(bold);
    format_set_font_name(bold, "Calibri");
    format_set_font_size(bold, kFontSize);
    regular = workbook_add_format(workbook);
    format_set_font_name(regular, "Calibri");
    format_set_font_size(regular, kFontSize);
    heading = textFormat(workbook, LXW_ALIGN_CENTER, true, 14);
    caption = textFormat(workbook, LXW_ALIGN_CENTER, true, 11);
    approval = textFormat(workbook, LXW_ALIGN_RIGHT, false, 10);
    signature = textFormat(workbook, LXW_ALIGN_LEFT, false, 10);
  }

  static lxw_format* cellFormat(lxw_workbook* workbook, lxw_color_t fill, bool boldText) {
    lxw_format* f = workbook_add_format(workbook);
    format_set_bg_color(f, fill);
    format_set_pattern(f, LXW_PATTERN_SOLID);
    format_set_border(f, LXW_BORDER_THIN);
    format_set_align(f, LXW_ALIGN_CENTER);
    format_set_align(f, LXW_ALIGN_VERTICAL_CENTER);
    format_set_text_wrap(f);
    format_set_font_name(f, "Calibri");
    format_set_font_size(f, kFontSize);
    if (boldText) format_set_bold(f);
    return f;
  }
  static lxw_format* textFormat(lxw_workbook* workbook, std::uint8_t align, bool boldText,
                                double size) {
    lxw_format* f = workbook_add_format(workbook);
    format_set_align(f, align);
    format_set_align(f, LXW_ALIGN_VERTICAL_CENTER);
    format_set_font_name(f, "Calibri");
    format_set_font_size(f, size);
    if (boldText) format_set_bold(f);
    return f;
  }

  lxw_format* formatOf(CellKind kind) const {
    switch (kind) {
      case CellKind::HeaderTwoRows:
      case CellKind::HeaderSpan:
      case CellKind::GreyLabel:
      case CellKind::DaySpan:
        return grey;
      case CellKind::SecondHeader:
        return secondHeader;
      case CellKind::Body:
      case CellKind::BoldBody:
        return body;
      case CellKind::RoomCell:
        return room;
    }
    return body;
  }

  lxw_format* grey;
  lxw_format* secondHeader;
  lxw_format* body;
  lxw_format* boldBody;
  lxw_format* room;
  lxw_format* bold;
  lxw_format* regular;
  lxw_format* heading;
  lxw_format* caption;
  lxw_format* approval;
  lxw_format* signature;
};

class SheetWriter {
 public:
  SheetWriter(lxw_worksheet* sheet, const Formats& formats, int columns)
      : sheet_(sheet), formats_(formats), lastColumn_(std::max(columns, 1) - 1) {}

  // A line of text across the whole width of the table.
  void wideLine(const std::string& text, lxw_format* format) {
    if (lastColumn_ == 0)
      worksheet_write_string(sheet_, row_, 0, text.c_str(), format);
    else
      worksheet_merge_range(sheet_, row_, 0, row_, static_cast<lxw_col_t>(lastColumn_),
                            text.c_str(), format);
    ++row_;
  }
  void skipRow() { ++row_; }

  void table(const ReportTable& table) {
    const lxw_row_t first = row_;
    const std::vector<PlacedCell> placed = placeCells(table);
    for (const PlacedCell& cell : placed) writeCell(cell, first);
    setRowHeights(table, placed, first);
    if (!table.headerRows.empty())
      worksheet_repeat_rows(sheet_, first,
                            first + static_cast<lxw_row_t>(table.headerRows.size()) - 1);
    row_ = first + static_cast<lxw_row_t>(table.headerRows.size() + table.bodyRows.size());
  }

 private:
  void writeCell(const PlacedCell& placed, lxw_row_t firstRow) {
    const ReportCell& cell = *placed.cell;
    const lxw_row_t row = firstRow + static_cast<lxw_row_t>(placed.row);
    const auto column = static_cast<lxw_col_t>(placed.column);
    lxw_format* format = formats_.formatOf(cell.kind);
    if (cell.kind == CellKind::BoldBody) {
      writeBoldCell(cell, row, column, format);
      return;
    }
    // Lessons sharing a room at once stand one under the other, as on the page.
    std::string text;
    for (std::size_t i = 0; i < cell.lines.size(); ++i) text += (i ? " /\n" : "") + cell.lines[i];
    if (cell.rowSpan > 1 || cell.colSpan > 1)
      worksheet_merge_range(sheet_, row, column, row + static_cast<lxw_row_t>(cell.rowSpan) - 1,
                            column + static_cast<lxw_col_t>(cell.colSpan) - 1, text.c_str(),
                            format);
    else
      worksheet_write_string(sheet_, row, column, text.c_str(), format);
  }

  // First text bold, second text under it in the same cell.
  void writeBoldCell(const ReportCell& cell, lxw_row_t row, lxw_col_t column, lxw_format* format) {
    const std::string first = cell.lines.empty() ? std::string() : cell.lines[0];
    const std::string second = cell.lines.size() > 1 ? cell.lines[1] : std::string();
    if (first.empty() || second.empty()) {
      // A rich string needs non-empty parts: with one text missing only the other is written.
      const std::string& text = first.empty() ? second : first;
      worksheet_write_string(sheet_, row, column, text.c_str(),
                             first.empty() ? format : formats_.boldBody);
      return;
    }
    const std::string rest = "\n" + second;
    lxw_rich_string_tuple boldPart{formats_.bold, const_cast<char*>(first.c_str())};
    lxw_rich_string_tuple plainPart{formats_.regular, const_cast<char*>(rest.c_str())};
    lxw_rich_string_tuple* parts[] = {&boldPart, &plainPart, nullptr};
    worksheet_write_rich_string(sheet_, row, column, parts, format);
  }

  // Spreadsheet programs do not grow a row for the lines of a cell when they open a file, so
  // every row gets the height of its tallest cell, with long texts counted as wrapped.
  void setRowHeights(const ReportTable& table, const std::vector<PlacedCell>& placed,
                     lxw_row_t first) {
    std::vector<int> lines(table.headerRows.size() + table.bodyRows.size(), 1);
    for (const PlacedCell& p : placed) {
      if (p.cell->rowSpan > 1) continue;
      int width = 0;
      for (int c = p.column; c < std::min(table.columnCount(), p.column + p.cell->colSpan); ++c)
        width += table.columnWidths[c];
      int needed = 0;
      for (const std::string& text : p.cell->lines) needed += wrappedLines(text, width);
      lines[p.row] = std::max(lines[p.row], needed);
    }
    for (std::size_t r = 0; r < lines.size(); ++r)
      if (lines[r] > 1)
        worksheet_set_row(sheet_, first + static_cast<lxw_row_t>(r), kLineHeight * lines[r] + 3,
                          nullptr);
  }

  static int wrappedLines(const std::string& text, int widthPixels) {
    int characters = 0;
    for (const char c : text)
      if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) ++characters;
    const int usable = std::max(widthPixels - 8, 10);
    return std::max(1, (characters * kCharacterPixels + usable - 1) / usable);
  }

  static constexpr double kLineHeight = 12;   // points per line of 9 pt text
  static constexpr int kCharacterPixels = 6;  // average width of a 9 pt character

  lxw_worksheet* sheet_;
  const Formats& formats_;
  int lastColumn_;
  lxw_row_t row_ = 0;
};

std::string signatureText(const SignatureLine& signature) {
  return signature.label + "   _________   " +
         (signature.name.empty() ? std::string("________________________________")
                                 : signature.name);
}

void setUpPage(lxw_worksheet* sheet, const ReportTable& table, bool onePage) {
  for (int c = 0; c < table.columnCount(); ++c)
    worksheet_set_column_pixels(sheet, static_cast<lxw_col_t>(c), static_cast<lxw_col_t>(c),
                                static_cast<std::uint32_t>(table.columnWidths[c]), nullptr);
  worksheet_set_landscape(sheet);
  worksheet_set_paper(sheet, 9);  // A4
  worksheet_set_margins(sheet, 0.4, 0.4, 0.5, 0.5);
  worksheet_center_horizontally(sheet);
  // A sheet of one class, teacher or room prints on one page; a combined table keeps its
  // length and only shrinks to the width of the paper.
  worksheet_fit_to_pages(sheet, 1, onePage ? 1 : 0);
}

}  // namespace

WriteResult XlsxReportWriter::write(const Report& report,
                                    const std::filesystem::path& target) const {
  WorkbookFile file(target);
  lxw_workbook* workbook = file.workbook();
  if (!workbook) return file.finish();
  const Formats formats(workbook);

  std::vector<std::string> wanted;
  for (const ReportTable& table : report.tables) wanted.push_back(table.shortName);
  // A report without tables (nothing chosen) is still a workbook that opens.
  if (wanted.empty()) wanted.push_back(report.title);
  const std::vector<std::string> names = worksheetNames(wanted);

  for (std::size_t i = 0; i < names.size(); ++i) {
    lxw_worksheet* sheet = workbook_add_worksheet(workbook, names[i].c_str());
    if (!sheet) return {WriteError::Other, "worksheet \"" + names[i] + "\" cannot be added"};
    if (i >= report.tables.size()) continue;
    const ReportTable& table = report.tables[i];
    const bool separate = report.layout == ReportLayout::ClassesSeparate ||
                          report.layout == ReportLayout::TeachersSeparate ||
                          report.layout == ReportLayout::RoomsSeparate;
    setUpPage(sheet, table, separate);
    SheetWriter writer(sheet, formats, table.columnCount());
    // Each worksheet is printed on its own, so each carries the heading and the blocks that
    // the page shows around its table.
    if (!report.heading.empty()) writer.wideLine(report.heading, formats.heading);
    if (table.preamble == TablePreamble::Approval || (report.approvalAtTop && i == 0)) {
      const ApprovalBlock& a = report.approval;
      writer.wideLine(a.heading, formats.approval);
      writer.wideLine(a.institution + a.directorOf, formats.approval);
      writer.wideLine(
          a.directorLabel + " " +
              (a.director.empty() ? std::string("________________________") : a.director),
          formats.approval);
    }
    writer.wideLine(table.caption, formats.caption);
    writer.table(table);
    if (report.signatures) {
      writer.skipRow();
      for (const SignatureLine& signature : report.signatureLines)
        writer.wideLine(signatureText(signature), formats.signature);
    }
  }
  return file.finish();
}

}  // namespace jadvalon
