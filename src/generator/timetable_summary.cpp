// Counting what a timetable achieved.
#include "generator/timetable_summary.h"

#include <algorithm>

#include "generator/timetable_check.h"

namespace jadvalon {

int countGaps(const TBandlik& table) {
  int gaps = 0;
  for (int d = 0; d < kDays; ++d) {
    for (int word = 0; word <= 2; word += 2) {
      int first = -1;
      int last = -1;
      int occupied = 0;
      for (int p = 0; p < kPeriods; ++p) {
        if (table.cells[d][p][word] == 0) continue;
        if (first < 0) first = p;
        last = p;
        ++occupied;
      }
      if (first >= 0) gaps += (last - first + 1) - occupied;
    }
  }
  return gaps;
}

TimetableSummary summarizeTimetable(const TLoyiha& image, const IdMaps& ids,
                                    const OccupancyIndex& index) {
  TimetableSummary summary;
  const int lessonCount = std::min<int>(image.lessonCount, kMaxLessons);
  for (int l = 1; l <= lessonCount; ++l) {
    const int load = image.lessons[l].weeklyLoad;
    const int pending = index.lessonPending(l);
    summary.totalHalfUnits += load;
    summary.placedHalfUnits += load - pending;
    if (pending > 0) summary.unplaced.push_back({l, pending});
  }
  const int classCount = std::min<int>(image.classCount, kMaxClasses);
  for (int c = 1; c <= classCount; ++c) summary.classGaps += countGaps(index.classTable(c));
  const int teacherCount = std::min<int>(image.teacherCount, kMaxTeacherSlots);
  for (int t = 1; t <= teacherCount; ++t) summary.teacherGaps += countGaps(index.teacherTable(t));
  summary.overDailyMaximum = static_cast<int>(teachersOverDailyMaximum(image, ids).size());
  return summary;
}

}  // namespace jadvalon
