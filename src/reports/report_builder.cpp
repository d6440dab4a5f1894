// The parts every timetable report shares: page frame, approval and signature blocks, row rules.
#include "reports/report_builder.h"

#include <memory>

#include "i18n/lines.h"
#include "model/project.h"
#include "model/text_codec.h"
#include "reports/class_report_builder.h"
#include "reports/room_report_builder.h"
#include "reports/teacher_report_builder.h"

namespace jadvalon {

using namespace lines;

namespace {

// The print dialog hides the separate-column box unless the second column is on, and offers
// neither times nor a separate column for rooms; options from elsewhere are read the same way,
// so a header never spans a column that is not written.
ReportOptions effective(ReportOptions options) {
  if (!options.secondColumn) options.separateColumn = false;
  if (options.kind == ReportKind::Rooms) {
    options.separateColumn = false;
    options.times = false;
  }
  return options;
}

}  // namespace

ReportBuilder::ReportBuilder(const TLoyiha& image, const IdMaps& ids, const LanguageTable& texts,
                             const ReportOptions& options)
    : image_(image),
      ids_(ids),
      texts_(texts),
      options_(effective(options)),
      slots_(image, ids),
      cellTexts_(image, ids, slots_, options_) {}

Report ReportBuilder::build() const {
  Report report;
  report.title = line(kShiftGroupTitle);
  report.approval = {line(kReportApprovedHeading), loadText(image_.header.institution),
                     line(kReportDirectorOf), line(kReportDirectorSignature),
                     loadText(image_.header.director)};
  report.signatures = options_.approval;
  report.signatureLines = {
      {line(kDeputyDirectorLabel), loadText(image_.teachers[kDeputyDirectorSlot].name)},
      {line(kPsychologistLabel), loadText(image_.teachers[kPsychologistSlot].name)}};

  // Positions outside the table are skipped: the command line reports them before this.
  std::vector<int> chosen;
  for (const int position : options_.selection)
    if (position >= 1 && position <= entityCount()) chosen.push_back(position);
  if (chosen.empty()) return report;
  const bool combined = options_.arrangement == ReportArrangement::Combined && chosen.size() > 1;
  addTables(report, chosen, combined);
  return report;
}

std::string ReportBuilder::fullDayName(int day) const {
  return loadText(image_.header.dayNames[day - 1].fullName);
}
std::string ReportBuilder::shortDayName(int day) const {
  return loadText(image_.header.dayNames[day - 1].shortName);
}
std::string ReportBuilder::periodTime(int period) const {
  return loadText(image_.header.periodTimes[period - 1]);
}

ReportCell ReportBuilder::cell(CellKind kind, std::string text, int rowSpan, int colSpan) {
  // A heading of the first header row that reaches down through the second.
  if (kind == CellKind::HeaderTwoRows) rowSpan = 2;
  return ReportCell{kind, {std::move(text)}, rowSpan, colSpan};
}

void ReportBuilder::addHeadingCells(ReportRow& row, CellKind kind, int first, int second,
                                    int third) const {
  if (options_.separateColumn) {
    row.cells.push_back(cell(kind, line(first)));
    row.cells.push_back(cell(kind, line(second)));
  } else if (options_.secondColumn) {
    row.cells.push_back(cell(kind, line(first) + "/" + line(second)));
  } else {
    row.cells.push_back(cell(kind, line(first)));
  }
  if (options_.thirdColumn) row.cells.push_back(cell(kind, line(third)));
}

void ReportBuilder::addSlotCells(ReportRow& row, const SlotTexts& texts) const {
  if (options_.separateColumn) {
    row.cells.push_back(cell(CellKind::Body, texts.first));
    row.cells.push_back(cell(CellKind::Body, texts.second));
  } else if (options_.secondColumn) {
    row.cells.push_back(ReportCell{CellKind::BoldBody, {texts.first, texts.second}});
  } else {
    row.cells.push_back(cell(CellKind::Body, texts.first));
  }
  if (options_.thirdColumn) row.cells.push_back(cell(CellKind::RoomCell, texts.third));
}

int ReportBuilder::columnsPerEntity() const {
  return 1 + (options_.separateColumn ? 1 : 0) + (options_.thirdColumn ? 1 : 0);
}

void ReportBuilder::addDayDownRows(
    ReportTable& table, const std::function<bool(int, int)>& occupied,
    const std::function<void(ReportRow&, int, int)>& addCells) const {
  for (int day = 1; day <= kDays; ++day) {
    std::vector<int> kept;
    for (int period = 1; period <= slots_.periodRows(); ++period)
      if (occupied(day, period)) kept.push_back(period);
    for (std::size_t i = 0; i < kept.size(); ++i) {
      ReportRow row;
      if (i == 0)
        row.cells.push_back(
            cell(CellKind::DaySpan, shortDayName(day), static_cast<int>(kept.size())));
      row.cells.push_back(cell(CellKind::GreyLabel, std::to_string(kept[i])));
      if (options_.times) row.cells.push_back(cell(CellKind::GreyLabel, periodTime(kept[i])));
      addCells(row, day, kept[i]);
      table.bodyRows.push_back(std::move(row));
    }
  }
}

void ReportBuilder::addDayAcrossRows(
    ReportTable& table, const std::function<void(ReportRow&, int, int)>& addCells) const {
  for (int period = 1; period <= slots_.periodRows(); ++period) {
    ReportRow row;
    row.cells.push_back(cell(CellKind::GreyLabel, std::to_string(period)));
    if (options_.times) row.cells.push_back(cell(CellKind::GreyLabel, periodTime(period)));
    for (int day = 1; day <= kDays; ++day) addCells(row, day, period);
    table.bodyRows.push_back(std::move(row));
  }
}

Report buildReport(const TLoyiha& image, const IdMaps& ids, const LanguageTable& texts,
                   const ReportOptions& options) {
  std::unique_ptr<ReportBuilder> builder;
  switch (options.kind) {
    case ReportKind::Classes:
      builder = std::make_unique<ClassReportBuilder>(image, ids, texts, options);
      break;
    case ReportKind::Teachers:
      builder = std::make_unique<TeacherReportBuilder>(image, ids, texts, options);
      break;
    case ReportKind::Rooms:
      builder = std::make_unique<RoomReportBuilder>(image, ids, texts, options);
      break;
  }
  return builder->build();
}

Report buildReport(const Project& project, const ReportOptions& options) {
  return buildReport(project.image(), project.ids(), project.texts(), options);
}

}  // namespace jadvalon
