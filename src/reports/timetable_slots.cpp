// Indexing the placement list by class, teacher and room for the reports.
#include "reports/timetable_slots.h"

#include <algorithm>

namespace jadvalon {

TimetableSlots::TimetableSlots(const TLoyiha& image, const IdMaps& ids) {
  const int classCount = std::min<int>(image.classCount, kMaxClasses);
  const int teacherCount = std::min<int>(image.teacherCount, kMaxTeacherSlots);
  const int roomCount = std::min<int>(image.roomCount, kMaxRooms);
  const int lessonCount = std::min<int>(image.lessonCount, kMaxLessons);
  for (int c = 1; c <= classCount; ++c)
    for (int d = 0; d < kDays; ++d)
      for (int p = 0; p < kPeriods; ++p)
        if (image.classes[c].grid[d][p] != 0) periodRows_ = std::max(periodRows_, p + 1);

  const int placementCount = std::min<int>(image.placementCount, kMaxPlacements);
  // Two passes: placements in the week-1 half (kinds 1 and 3) first, then week-2-only ones, so
  // that a slot shared by two fortnightly lessons reads "week 1 / week 2".
  for (const bool weekOnePass : {true, false}) {
    for (int n = 1; n <= placementCount; ++n) {
      const TJoy& placement = image.placements[n];
      if (placement.kind < 1 || placement.kind > 3) continue;
      if ((placement.kind != 2) != weekOnePass) continue;
      const int d = placement.day;
      const int p = placement.period;
      if (d < 1 || d > kDays || p < 1 || p > kPeriods) continue;
      const int l = ids.lessonSlot(placement.lessonId);
      if (l < 1 || l > lessonCount) continue;
      const TDars& lesson = image.lessons[l];
      periodRows_ = std::max(periodRows_, p);
      if (const int c = ids.classSlot(lesson.classId); c >= 1 && c <= classCount)
        add(SlotOwner::Class, c, d, p, n);
      const int t1 = ids.teacherSlot(lesson.teacher1);
      const int t2 = ids.teacherSlot(lesson.teacher2);
      if (t1 >= 1 && t1 <= teacherCount) add(SlotOwner::Teacher, t1, d, p, n);
      if (t2 != t1 && t2 >= 1 && t2 <= teacherCount) add(SlotOwner::Teacher, t2, d, p, n);
      const int r1 = placement.room1 ? ids.roomSlot(placement.room1) : 0;
      const int r2 = placement.room2 ? ids.roomSlot(placement.room2) : 0;
      if (r1 >= 1 && r1 <= roomCount) add(SlotOwner::Room, r1, d, p, n);
      if (r2 != r1 && r2 >= 1 && r2 <= roomCount) add(SlotOwner::Room, r2, d, p, n);
    }
  }
}

void TimetableSlots::add(SlotOwner owner, int slot, int day, int period, int placement) {
  slots_[Key{owner, slot, day, period}].push_back(placement);
}

const std::vector<int>& TimetableSlots::at(SlotOwner owner, int slot, int day, int period) const {
  static const std::vector<int> kFree;
  const auto found = slots_.find(Key{owner, slot, day, period});
  return found == slots_.end() ? kFree : found->second;
}

}  // namespace jadvalon
