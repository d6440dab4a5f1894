// The report model: what a timetable report holds, independent of the file it is written to.
// The HTML, XLSX and DOCX writers all read this one model, so the three files show the same.
#pragma once

#include <string>
#include <vector>

namespace jadvalon {

// Which of the six table shapes a report has; the HTML writer keeps the few literal spellings
// that differ between them.
enum class ReportLayout {
  ClassesSeparate,
  ClassesCombined,
  TeachersSeparate,
  TeachersCombined,
  RoomsSeparate,
  RoomsCombined,
};

enum class CellKind {
  HeaderTwoRows,  // grey heading spanning both header rows
  HeaderSpan,     // grey heading over several columns (an entity or a day)
  GreyLabel,      // grey label: period number, clock time, day or column heading
  DaySpan,        // short day name spanning the rows of that day
  SecondHeader,   // yellow heading of the second header row
  Body,           // light-yellow timetable cell
  BoldBody,       // light-yellow cell: lines[0] in bold, lines[1] under it
  RoomCell,       // yellow room cell of class and teacher reports
};

// One cell. `lines` are texts shown one under the other: the lessons sharing a room at once, or
// the bold first text and the second text of a BoldBody cell. An empty text is an empty cell.
struct ReportCell {
  CellKind kind = CellKind::Body;
  std::vector<std::string> lines;
  int rowSpan = 1;
  int colSpan = 1;
};

struct ReportRow {
  std::vector<ReportCell> cells;
};

// What stands right above a table.
enum class TablePreamble { None, Spacer, Approval };

struct ReportTable {
  TablePreamble preamble = TablePreamble::None;
  std::string caption;
  std::string shortName;          // the entity's short name (separate layouts); names a worksheet
  std::vector<int> columnWidths;  // pixels
  std::vector<ReportRow> headerRows;
  std::vector<ReportRow> bodyRows;

  int width() const;
  int columnCount() const { return static_cast<int>(columnWidths.size()); }
};

// "Approved" block of the director, written right-aligned above a table.
struct ApprovalBlock {
  std::string heading;        // "APPROVED"
  std::string institution;    // the school's name ...
  std::string directorOf;     // ... followed by "director"
  std::string directorLabel;  // signature line before the director's name
  std::string director;       // may be empty: an underscore line is printed instead
};

// One signature at the foot of a report.
struct SignatureLine {
  std::string label;
  std::string name;  // may be empty: an underscore line is printed instead
};

struct Report {
  ReportLayout layout = ReportLayout::ClassesSeparate;
  std::string title;           // page title
  std::string heading;         // written once above all tables; empty for none
  bool approvalAtTop = false;  // the approval block once above everything (combined layouts)
  ApprovalBlock approval;
  bool signatures = false;                    // the signature block at the end
  std::vector<SignatureLine> signatureLines;  // deputy director, then psychologist
  std::vector<ReportTable> tables;
};

// A cell with its position in the table's column grid, once row spans from above are counted.
struct PlacedCell {
  const ReportCell* cell;
  int row;  // 0-based over header rows then body rows
  int column;
};

// Lays out the cells of a table as a browser does: each cell takes the next column not covered
// by a cell spanning down from a row above.
std::vector<PlacedCell> placeCells(const ReportTable& table);

}  // namespace jadvalon
