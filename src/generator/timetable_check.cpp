// The timetable check works from the placement list, not from the occupancy index, because the
// index keeps only the last placement of each half and so cannot see a clash.
#include "generator/timetable_check.h"

#include <algorithm>
#include <array>
#include <map>
#include <tuple>

namespace jadvalon {

namespace {

struct PlacedLesson {
  const TJoy* placement;
  const TDars* lesson;
  int lessonSlot;
  int classSlot;
  int teachers[2];
  int teacherCount;
  int subjects[2];
};

// The placements that name an existing lesson and a valid slot and kind; others are skipped.
bool describe(const TLoyiha& image, const IdMaps& ids, int n, PlacedLesson& out) {
  const TJoy& placement = image.placements[n];
  const int l = ids.lessonSlot(placement.lessonId);
  if (l < 1 || l > std::min<int>(image.lessonCount, kMaxLessons)) return false;
  if (placement.day < 1 || placement.day > kDays || placement.period < 1 ||
      placement.period > kPeriods || placement.kind < 1 || placement.kind > 3)
    return false;
  const TDars& lesson = image.lessons[l];
  const bool split = lesson.teacher1 != lesson.teacher2;
  out = {&placement,
         &lesson,
         l,
         ids.classSlot(lesson.classId),
         {ids.teacherSlot(lesson.teacher1), ids.teacherSlot(lesson.teacher2)},
         split ? 2 : 1,
         {ids.subjectSlot(lesson.subject1),
          ids.subjectSlot(split ? lesson.subject2 : lesson.subject1)}};
  return true;
}

int halfUnits(const TJoy& placement) { return placement.kind == 3 ? 2 : 1; }

}  // namespace

std::vector<std::vector<int>> teacherDayHalfUnits(const TLoyiha& image, const IdMaps& ids) {
  std::vector<std::vector<int>> units(static_cast<std::size_t>(kMaxTeacherSlots) + 1,
                                      std::vector<int>(kDays, 0));
  const int count = std::min<int>(image.placementCount, kMaxPlacements);
  for (int n = 1; n <= count; ++n) {
    PlacedLesson p;
    if (!describe(image, ids, n, p)) continue;
    for (int i = 0; i < p.teacherCount; ++i)
      if (p.teachers[i] != 0) units[p.teachers[i]][p.placement->day - 1] += halfUnits(*p.placement);
  }
  return units;
}

std::vector<TeacherOverDailyMaximum> teachersOverDailyMaximum(const TLoyiha& image,
                                                              const IdMaps& ids) {
  std::vector<TeacherOverDailyMaximum> result;
  const auto units = teacherDayHalfUnits(image, ids);
  const int teacherCount = std::min<int>(image.teacherCount, kMaxTeacherSlots);
  for (int t = 1; t <= teacherCount; ++t) {
    const int maximum = image.teachers[t].dailyMaximum;
    if (maximum == 0) continue;
    for (int d = 1; d <= kDays; ++d)
      if (units[t][d - 1] > 2 * maximum) result.push_back({t, d, units[t][d - 1], maximum});
  }
  return result;
}

TimetableFaults checkTimetable(const TLoyiha& image, const IdMaps& ids) {
  TimetableFaults faults;
  const int count = std::min<int>(image.placementCount, kMaxPlacements);

  // Uses of each (resource, slot, day, period, half), in placement order.
  std::map<std::tuple<int, int, int, int, int>, std::vector<int>> uses;
  std::vector<int> placed(static_cast<std::size_t>(kMaxLessons) + 1, 0);
  for (int n = 1; n <= count; ++n) {
    PlacedLesson p;
    if (!describe(image, ids, n, p)) {
      faults.broken.push_back({n});
      continue;
    }
    const TJoy& placement = *p.placement;
    const int d = placement.day;
    const int period = placement.period;
    placed[p.lessonSlot] += halfUnits(placement);

    const int firstHalf = placement.kind == 3 ? 1 : placement.kind;
    const int lastHalf = placement.kind == 3 ? 2 : placement.kind;
    auto use = [&](ResourceKind kind, int slot) {
      if (slot == 0) return;
      for (int h = firstHalf; h <= lastHalf; ++h)
        uses[{static_cast<int>(kind), slot, d, period, h}].push_back(n);
    };
    use(ResourceKind::Class, p.classSlot);
    for (int i = 0; i < p.teacherCount; ++i) use(ResourceKind::Teacher, p.teachers[i]);
    if (placement.room1 != 0) use(ResourceKind::Room, ids.roomSlot(placement.room1));
    if (placement.room2 != 0) use(ResourceKind::Room, ids.roomSlot(placement.room2));

    auto forbid = [&](const Grid& grid, ForbiddenBy reason, int slot) {
      if (grid[d - 1][period - 1] == 0) faults.forbidden.push_back({n, reason, slot});
    };
    forbid(p.lesson->grid, ForbiddenBy::Lesson, p.lessonSlot);
    if (p.classSlot != 0) forbid(image.classes[p.classSlot].grid, ForbiddenBy::Class, p.classSlot);
    for (int i = 0; i < p.teacherCount; ++i) {
      if (p.subjects[i] != 0 && (i == 0 || p.subjects[1] != p.subjects[0]))
        forbid(image.subjects[p.subjects[i]].grid, ForbiddenBy::Subject, p.subjects[i]);
      if (p.teachers[i] == 0) continue;
      const TUqituvchi& teacher = image.teachers[p.teachers[i]];
      forbid(teacher.grid, ForbiddenBy::Teacher, p.teachers[i]);
      if (teacher.methodDays[d - 1] != 0)
        faults.forbidden.push_back({n, ForbiddenBy::MethodDay, p.teachers[i]});
    }
  }
  for (const auto& [key, numbers] : uses) {
    if (numbers.size() < 2) continue;
    const auto& [kind, slot, d, period, h] = key;
    faults.clashes.push_back({static_cast<ResourceKind>(kind), slot, d, period, h, numbers});
  }
  const int lessonCount = std::min<int>(image.lessonCount, kMaxLessons);
  for (int l = 1; l <= lessonCount; ++l)
    if (placed[l] > image.lessons[l].weeklyLoad)
      faults.overloaded.push_back({l, placed[l], image.lessons[l].weeklyLoad});
  faults.overDailyMaximum = teachersOverDailyMaximum(image, ids);
  return faults;
}

}  // namespace jadvalon
