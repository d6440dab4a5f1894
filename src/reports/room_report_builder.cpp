// The two layouts of room timetables.
#include "reports/room_report_builder.h"

#include "i18n/lines.h"
#include "model/text_codec.h"

namespace jadvalon {

using namespace lines;

void RoomReportBuilder::addTables(Report& report, const std::vector<int>& chosen,
                                  bool combined) const {
  if (combined) {
    report.layout = ReportLayout::RoomsCombined;
    addCombined(report, chosen);
    return;
  }
  report.layout = ReportLayout::RoomsSeparate;
  report.heading = line(kReportRoomsHeading);
  for (const int roomSlot : chosen) addSeparate(report, roomSlot);
}

int RoomReportBuilder::cellWidth() const {
  const ReportOptions& o = options_;
  int width = o.shortFirst ? 50 : 75;
  if (o.secondColumn) width += o.shortSecond ? 50 : 100;
  if (o.thirdColumn) width += o.shortThird ? 50 : 100;
  return width;
}

std::string RoomReportBuilder::cellHeading() const {
  std::string heading = line(kReportRoomFirstHeader);
  if (options_.secondColumn) heading += ", " + line(kReportRoomSecondHeader);
  if (options_.thirdColumn) heading += ", " + line(kReportRoomThirdHeader);
  return heading;
}

ReportCell RoomReportBuilder::roomCell(int roomSlot, int day, int period) const {
  ReportCell body{CellKind::Body, cellTexts_.forRoom(roomSlot, day, period)};
  if (body.lines.empty()) body.lines.emplace_back();
  return body;
}

void RoomReportBuilder::addSeparate(Report& report, int roomSlot) const {
  const TXona& room = image_.rooms[roomSlot];
  ReportTable table;
  // Room tables never carry the approval block; the signature lines still follow the option.
  table.preamble = TablePreamble::Spacer;
  table.caption = loadText(room.name);
  table.shortName = loadText(room.shortName);
  table.columnWidths.push_back(30);
  for (int day = 1; day <= kDays; ++day) table.columnWidths.push_back(cellWidth());

  ReportRow first;
  first.cells.push_back(cell(CellKind::HeaderTwoRows, line(kReportRoomPeriodHeader)));
  ReportRow second;
  for (int day = 1; day <= kDays; ++day) {
    first.cells.push_back(cell(CellKind::GreyLabel, fullDayName(day)));
    second.cells.push_back(cell(CellKind::SecondHeader, cellHeading()));
  }
  table.headerRows.push_back(std::move(first));
  table.headerRows.push_back(std::move(second));

  addDayAcrossRows(table, [&](ReportRow& row, int day, int period) {
    row.cells.push_back(roomCell(roomSlot, day, period));
  });
  report.tables.push_back(std::move(table));
}

void RoomReportBuilder::addCombined(Report& report, const std::vector<int>& chosen) const {
  ReportTable table;
  table.caption = line(kReportRoomsHeading);
  table.shortName = table.caption;
  table.columnWidths.push_back(40);
  table.columnWidths.push_back(30);
  for (std::size_t i = 0; i < chosen.size(); ++i) table.columnWidths.push_back(cellWidth());

  ReportRow first;
  first.cells.push_back(cell(CellKind::HeaderTwoRows, line(kReportRoomDayHeader)));
  first.cells.push_back(cell(CellKind::HeaderTwoRows, line(kReportRoomPeriodHeader)));
  ReportRow second;
  for (const int roomSlot : chosen) {
    first.cells.push_back(cell(CellKind::GreyLabel, loadText(image_.rooms[roomSlot].name)));
    second.cells.push_back(cell(CellKind::SecondHeader, cellHeading()));
  }
  table.headerRows.push_back(std::move(first));
  table.headerRows.push_back(std::move(second));

  addDayDownRows(
      table,
      [&](int day, int period) {
        for (const int roomSlot : chosen)
          if (slots_.occupied(SlotOwner::Room, roomSlot, day, period)) return true;
        return false;
      },
      [&](ReportRow& row, int day, int period) {
        for (const int roomSlot : chosen) row.cells.push_back(roomCell(roomSlot, day, period));
      });
  report.tables.push_back(std::move(table));
}

}  // namespace jadvalon
