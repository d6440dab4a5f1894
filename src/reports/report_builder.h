// Building the report model of a class, teacher or room timetable from the project. The shared
// frame (title, approval and signature blocks, row rules) lives here; each kind of report is a
// subclass that lays out its own tables.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "i18n/language_table.h"
#include "model/id_maps.h"
#include "model/image.h"
#include "reports/cell_texts.h"
#include "reports/report_model.h"
#include "reports/report_options.h"
#include "reports/timetable_slots.h"

namespace jadvalon {

class Project;

class ReportBuilder {
 public:
  ReportBuilder(const TLoyiha& image, const IdMaps& ids, const LanguageTable& texts,
                const ReportOptions& options);
  virtual ~ReportBuilder() = default;
  ReportBuilder(const ReportBuilder&) = delete;
  ReportBuilder& operator=(const ReportBuilder&) = delete;

  Report build() const;

 protected:
  // Adds the heading and the tables for the chosen table slots. A single entity is always
  // written in the separate layout.
  virtual void addTables(Report& report, const std::vector<int>& chosen, bool combined) const = 0;
  // Number of records of the report's kind.
  virtual int entityCount() const = 0;

  const std::string& line(int n) const { return texts_.line(n); }
  std::string fullDayName(int day) const;
  std::string shortDayName(int day) const;
  std::string periodTime(int period) const;

  static ReportCell cell(CellKind kind, std::string text, int rowSpan = 1, int colSpan = 1);
  // Headings of the entity columns: first and second in their own cells or joined by "/",
  // then the third.
  void addHeadingCells(ReportRow& row, CellKind kind, int first, int second, int third) const;
  // The cells of one class or teacher at one slot.
  void addSlotCells(ReportRow& row, const SlotTexts& texts) const;
  // Entity columns of a class or teacher: 1, plus the separate second, plus the room.
  int columnsPerEntity() const;

  // Day-down rows: for each day, the periods at which `occupied` holds for some entity of the
  // table, under a day cell spanning them; days without such a period are left out.
  void addDayDownRows(ReportTable& table, const std::function<bool(int, int)>& occupied,
                      const std::function<void(ReportRow&, int, int)>& addCells) const;
  // Day-across rows: every period, with the cells of days 1 to 6 side by side.
  void addDayAcrossRows(ReportTable& table,
                        const std::function<void(ReportRow&, int, int)>& addCells) const;

  const TLoyiha& image_;
  const IdMaps& ids_;
  const LanguageTable& texts_;
  ReportOptions options_;  // as the dialog would leave them: see the constructor
  TimetableSlots slots_;
  CellTexts cellTexts_;
};

// The report the options ask for, built from the project's image and language.
Report buildReport(const Project& project, const ReportOptions& options);
Report buildReport(const TLoyiha& image, const IdMaps& ids, const LanguageTable& texts,
                   const ReportOptions& options);

}  // namespace jadvalon
