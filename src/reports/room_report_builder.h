// Room timetables: one table per room with the days side by side, or all chosen rooms side by
// side with the days down the page. Each cell holds the class, and on request the teacher and
// the subject, of the lesson in the room.
#pragma once

#include "reports/report_builder.h"

namespace jadvalon {

class RoomReportBuilder : public ReportBuilder {
 public:
  using ReportBuilder::ReportBuilder;

 protected:
  void addTables(Report& report, const std::vector<int>& chosen, bool combined) const override;
  int entityCount() const override { return image_.roomCount; }

 private:
  void addSeparate(Report& report, int roomSlot) const;
  void addCombined(Report& report, const std::vector<int>& chosen) const;
  int cellWidth() const;
  std::string cellHeading() const;
  ReportCell roomCell(int roomSlot, int day, int period) const;
};

}  // namespace jadvalon
