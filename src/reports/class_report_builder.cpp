// The two layouts of class timetables.
#include "reports/class_report_builder.h"

#include "i18n/lines.h"
#include "model/text_codec.h"

namespace jadvalon {

using namespace lines;

void ClassReportBuilder::addTables(Report& report, const std::vector<int>& chosen,
                                   bool combined) const {
  if (combined) {
    report.layout = ReportLayout::ClassesCombined;
    addCombined(report, chosen);
    return;
  }
  report.layout = ReportLayout::ClassesSeparate;
  for (const int classSlot : chosen) addSeparate(report, classSlot);
}

void ClassReportBuilder::addFixedColumns(ReportTable& table) const {
  table.columnWidths.push_back(40);  // day
  table.columnWidths.push_back(30);  // period
  if (options_.times) table.columnWidths.push_back(80);
}

void ClassReportBuilder::addEntityColumns(ReportTable& table, bool combined) const {
  const ReportOptions& o = options_;
  if (o.separateColumn) {
    table.columnWidths.push_back(o.shortFirst ? 100 : 200);
    table.columnWidths.push_back(o.shortSecond ? 100 : 200);
  } else if (combined) {
    const bool shortText = o.secondColumn ? o.shortFirst && o.shortSecond : o.shortFirst;
    table.columnWidths.push_back(shortText ? 100 : 200);
  } else {
    table.columnWidths.push_back(o.shortFirst && (!o.secondColumn || o.shortSecond) ? 150 : 300);
  }
  if (o.thirdColumn) {
    if (combined)
      table.columnWidths.push_back(o.shortThird ? 35 : 60);
    else
      table.columnWidths.push_back(o.shortThird ? 75 : 150);
  }
}

void ClassReportBuilder::addSeparate(Report& report, int classSlot) const {
  const TSinf& schoolClass = image_.classes[classSlot];
  ReportTable table;
  table.preamble = options_.approval ? TablePreamble::Approval : TablePreamble::Spacer;
  table.caption = loadText(schoolClass.name) + line(kReportClassCaptionTail);
  table.shortName = loadText(schoolClass.shortName);
  addFixedColumns(table);
  addEntityColumns(table, false);

  ReportRow header;
  header.cells.push_back(cell(CellKind::GreyLabel, line(kReportClassDayHeader)));
  header.cells.push_back(cell(CellKind::GreyLabel, line(kReportClassPeriodHeader)));
  if (options_.times)
    header.cells.push_back(cell(CellKind::GreyLabel, line(kReportClassTimeHeader)));
  addHeadingCells(header, CellKind::GreyLabel, kReportClassFirstHeader, kReportClassSecondHeader,
                  kReportClassThirdHeader);
  table.headerRows.push_back(std::move(header));

  addDayDownRows(
      table,
      [&](int day, int period) {
        return slots_.occupied(SlotOwner::Class, classSlot, day, period);
      },
      [&](ReportRow& row, int day, int period) {
        addSlotCells(row, cellTexts_.forClass(classSlot, day, period));
      });
  report.tables.push_back(std::move(table));
}

void ClassReportBuilder::addCombined(Report& report, const std::vector<int>& chosen) const {
  report.approvalAtTop = options_.approval;
  ReportTable table;
  table.caption = line(kReportClassesCombinedCaption);
  table.shortName = table.caption;
  addFixedColumns(table);
  for (std::size_t i = 0; i < chosen.size(); ++i) addEntityColumns(table, true);

  ReportRow first;
  first.cells.push_back(cell(CellKind::HeaderTwoRows, line(kReportClassDayHeader)));
  first.cells.push_back(cell(CellKind::HeaderTwoRows, line(kReportClassPeriodHeader)));
  if (options_.times)
    first.cells.push_back(cell(CellKind::HeaderTwoRows, line(kReportClassTimeHeader)));
  ReportRow second;
  for (const int classSlot : chosen) {
    first.cells.push_back(cell(CellKind::HeaderSpan, loadText(image_.classes[classSlot].name), 1,
                               columnsPerEntity()));
    addHeadingCells(second, CellKind::SecondHeader, kReportClassFirstHeader,
                    kReportClassSecondHeader, kReportClassThirdHeader);
  }
  table.headerRows.push_back(std::move(first));
  table.headerRows.push_back(std::move(second));

  addDayDownRows(
      table,
      [&](int day, int period) {
        for (const int classSlot : chosen)
          if (slots_.occupied(SlotOwner::Class, classSlot, day, period)) return true;
        return false;
      },
      [&](ReportRow& row, int day, int period) {
        for (const int classSlot : chosen)
          addSlotCells(row, cellTexts_.forClass(classSlot, day, period));
      });
  report.tables.push_back(std::move(table));
}

}  // namespace jadvalon
