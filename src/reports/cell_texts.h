// The texts of one timetable cell: what a class, teacher or room has at a day and period, with
// short or full names as the options ask.
#pragma once

#include <string>
#include <vector>

#include "model/id_maps.h"
#include "model/image.h"
#include "reports/report_options.h"
#include "reports/timetable_slots.h"

namespace jadvalon {

// The three pieces of information of a class or teacher cell.
struct SlotTexts {
  std::string first;   // classes: subject; teachers: class
  std::string second;  // classes: teacher; teachers: subject
  std::string third;   // room
};

class CellTexts {
 public:
  CellTexts(const TLoyiha& image, const IdMaps& ids, const TimetableSlots& slots,
            const ReportOptions& options);

  SlotTexts forClass(int classSlot, int day, int period) const;
  SlotTexts forTeacher(int teacherSlot, int day, int period) const;
  // One text per lesson in the room at that time (more than one only in a clash).
  std::vector<std::string> forRoom(int roomSlot, int day, int period) const;

 private:
  // The placements at the slot, one per lesson: a lesson held in both halves by two
  // fortnightly placements is one lesson.
  std::vector<const TJoy*> distinctLessons(SlotOwner owner, int slot, int day, int period) const;
  const TDars* lessonOf(const TJoy& placement) const;

  std::string className(int id, bool shortName) const;
  std::string subjectName(int id, bool shortName) const;
  std::string teacherName(int id, bool shortName) const;
  std::string roomName(int id, bool shortName) const;

  const TLoyiha& image_;
  const IdMaps& ids_;
  const TimetableSlots& slots_;
  const ReportOptions& options_;
};

}  // namespace jadvalon
