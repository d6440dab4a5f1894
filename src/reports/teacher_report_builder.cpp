// The two layouts of teacher timetables.
#include "reports/teacher_report_builder.h"

#include "i18n/lines.h"
#include "model/text_codec.h"

namespace jadvalon {

using namespace lines;

void TeacherReportBuilder::addTables(Report& report, const std::vector<int>& chosen,
                                     bool combined) const {
  if (combined) {
    report.layout = ReportLayout::TeachersCombined;
    addCombined(report, chosen);
    return;
  }
  report.layout = ReportLayout::TeachersSeparate;
  report.heading = line(kReportTeachersHeading);
  for (const int teacherSlot : chosen) addSeparate(report, teacherSlot);
}

// Columns of one teacher (combined) or of one day (separate).
void TeacherReportBuilder::addEntityColumns(ReportTable& table, bool combined) const {
  const ReportOptions& o = options_;
  if (o.separateColumn) {
    table.columnWidths.push_back(combined ? (o.shortFirst ? 50 : 100) : (o.shortFirst ? 75 : 100));
    table.columnWidths.push_back(o.shortSecond ? 75 : 150);
  } else if (o.secondColumn) {
    const bool shortText = combined ? o.shortFirst : o.shortSecond;
    table.columnWidths.push_back(shortText ? 100 : 200);
  } else if (combined) {
    table.columnWidths.push_back(o.shortFirst ? 50 : 100);
  } else {
    table.columnWidths.push_back(o.shortFirst ? 75 : 100);
  }
  if (o.thirdColumn) table.columnWidths.push_back(o.shortThird ? 35 : 60);
}

void TeacherReportBuilder::addSecondHeaderCells(ReportRow& row) const {
  addHeadingCells(row, CellKind::SecondHeader, kReportTeacherFirstHeader,
                  kReportTeacherSecondHeader, kReportTeacherThirdHeader);
}

void TeacherReportBuilder::addSeparate(Report& report, int teacherSlot) const {
  const TUqituvchi& teacher = image_.teachers[teacherSlot];
  ReportTable table;
  table.preamble = options_.approval ? TablePreamble::Approval : TablePreamble::Spacer;
  table.caption = loadText(teacher.name);
  table.shortName = loadText(teacher.shortName);
  table.columnWidths.push_back(30);
  if (options_.times) table.columnWidths.push_back(80);
  for (int day = 1; day <= kDays; ++day) addEntityColumns(table, false);

  ReportRow first;
  // The period heading of the day-across table is the class report's.
  first.cells.push_back(cell(CellKind::HeaderTwoRows, line(kReportClassPeriodHeader)));
  if (options_.times)
    first.cells.push_back(cell(CellKind::HeaderTwoRows, line(kReportTeacherTimeHeader)));
  ReportRow second;
  for (int day = 1; day <= kDays; ++day) {
    first.cells.push_back(cell(CellKind::HeaderSpan, fullDayName(day), 1, columnsPerEntity()));
    addSecondHeaderCells(second);
  }
  table.headerRows.push_back(std::move(first));
  table.headerRows.push_back(std::move(second));

  addDayAcrossRows(table, [&](ReportRow& row, int day, int period) {
    addSlotCells(row, cellTexts_.forTeacher(teacherSlot, day, period));
  });
  report.tables.push_back(std::move(table));
}

void TeacherReportBuilder::addCombined(Report& report, const std::vector<int>& chosen) const {
  report.approvalAtTop = options_.approval;
  ReportTable table;
  table.caption = line(kReportTeachersHeading);
  table.shortName = table.caption;
  table.columnWidths.push_back(40);
  table.columnWidths.push_back(30);
  if (options_.times) table.columnWidths.push_back(80);
  for (std::size_t i = 0; i < chosen.size(); ++i) addEntityColumns(table, true);

  ReportRow first;
  first.cells.push_back(cell(CellKind::HeaderTwoRows, line(kReportTeacherDayHeader)));
  first.cells.push_back(cell(CellKind::HeaderTwoRows, line(kReportTeacherPeriodHeader)));
  if (options_.times)
    first.cells.push_back(cell(CellKind::HeaderTwoRows, line(kReportTeacherTimeHeader)));
  ReportRow second;
  for (const int teacherSlot : chosen) {
    first.cells.push_back(cell(CellKind::HeaderSpan, loadText(image_.teachers[teacherSlot].name), 1,
                               columnsPerEntity()));
    addSecondHeaderCells(second);
  }
  table.headerRows.push_back(std::move(first));
  table.headerRows.push_back(std::move(second));

  addDayDownRows(
      table,
      [&](int day, int period) {
        for (const int teacherSlot : chosen)
          if (slots_.occupied(SlotOwner::Teacher, teacherSlot, day, period)) return true;
        return false;
      },
      [&](ReportRow& row, int day, int period) {
        for (const int teacherSlot : chosen)
          addSlotCells(row, cellTexts_.forTeacher(teacherSlot, day, period));
      });
  report.tables.push_back(std::move(table));
}

}  // namespace jadvalon
