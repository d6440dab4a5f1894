// Class timetables: one table per class, or all chosen classes side by side.
#pragma once

#include "reports/report_builder.h"

namespace jadvalon {

class ClassReportBuilder : public ReportBuilder {
 public:
  using ReportBuilder::ReportBuilder;

 protected:
  void addTables(Report& report, const std::vector<int>& chosen, bool combined) const override;
  int entityCount() const override { return image_.classCount; }

 private:
  void addSeparate(Report& report, int classSlot) const;
  void addCombined(Report& report, const std::vector<int>& chosen) const;
  void addFixedColumns(ReportTable& table) const;
  void addEntityColumns(ReportTable& table, bool combined) const;
};

}  // namespace jadvalon
