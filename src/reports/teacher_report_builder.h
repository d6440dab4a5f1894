// Teacher timetables: one table per teacher with the days side by side, or all chosen teachers
// side by side with the days down the page.
#pragma once

#include "reports/report_builder.h"

namespace jadvalon {

class TeacherReportBuilder : public ReportBuilder {
 public:
  using ReportBuilder::ReportBuilder;

 protected:
  void addTables(Report& report, const std::vector<int>& chosen, bool combined) const override;
  int entityCount() const override { return image_.teacherCount; }

 private:
  void addSeparate(Report& report, int teacherSlot) const;
  void addCombined(Report& report, const std::vector<int>& chosen) const;
  void addEntityColumns(ReportTable& table, bool combined) const;
  void addSecondHeaderCells(ReportRow& row) const;
};

}  // namespace jadvalon
