// Rebuilding and updating the occupancy index from the lessons and the placement list.
#include "model/occupancy_index.h"

#include <algorithm>
#include <cstring>

namespace jadvalon {

namespace {

// Pending and total counts are single bytes. Sums stop at 255 and differences at 0: a lesson
// whose load was lowered below its placed half-units must read as nothing pending, not as 255.
std::uint8_t addSaturated(std::uint8_t value, int amount) {
  return static_cast<std::uint8_t>(std::min(255, value + amount));
}
std::uint8_t subtractSaturated(std::uint8_t value, int amount) {
  return static_cast<std::uint8_t>(std::max(0, value - amount));
}

bool splitIntoGroups(const TDars& lesson) { return lesson.teacher1 != lesson.teacher2; }

}  // namespace

OccupancyIndex::OccupancyIndex()
    : classes_(kMaxClasses + 1),
      teachers_(kMaxTeacherSlots + 1),
      rooms_(kMaxRooms + 1),
      lessonPending_(kMaxLessons + 1) {
  std::memset(classes_.data(), 0, classes_.size() * sizeof(TBandlik));
  std::memset(teachers_.data(), 0, teachers_.size() * sizeof(TBandlik));
  std::memset(rooms_.data(), 0, rooms_.size() * sizeof(TXonaBandlik));
}

void OccupancyIndex::recomputePeriodsPerDay(const TLoyiha& image) {
  std::fill(std::begin(periodsPerDay_), std::end(periodsPerDay_), std::uint8_t{0});
  const int classCount = std::min<int>(image.classCount, kMaxClasses);
  for (int c = 1; c <= classCount; ++c)
    for (int d = 1; d <= kDays; ++d)
      for (int p = 1; p <= kPeriods; ++p)
        if (image.classes[c].grid[d - 1][p - 1] != 0 && p > periodsPerDay_[d - 1])
          periodsPerDay_[d - 1] = static_cast<std::uint8_t>(p);
  periodsPerDay_[6] = *std::max_element(periodsPerDay_, periodsPerDay_ + kDays);
}

void OccupancyIndex::rebuild(const TLoyiha& image, const IdMaps& ids) {
  const int classCount = std::min<int>(image.classCount, kMaxClasses);
  const int teacherCount = std::min<int>(image.teacherCount, kMaxTeacherSlots);
  const int roomCount = std::min<int>(image.roomCount, kMaxRooms);
  const int lessonCount = std::min<int>(image.lessonCount, kMaxLessons);
  for (int c = 1; c <= classCount; ++c) classes_[c] = classes_[0];
  for (int t = 1; t <= teacherCount; ++t) teachers_[t] = teachers_[0];
  for (int r = 1; r <= roomCount; ++r) std::memset(&rooms_[r], 0, sizeof(TXonaBandlik));
  std::fill(lessonPending_.begin(), lessonPending_.end(), std::uint8_t{0});

  auto addLoad = [](TBandlik& table, int load) {
    table.pending = addSaturated(table.pending, load);
    table.total = addSaturated(table.total, load);
  };
  for (int l = 1; l <= lessonCount; ++l) {
    const TDars& lesson = image.lessons[l];
    lessonPending_[l] = lesson.weeklyLoad;
    // A reference to a record that does not exist would land in the blank template: skip it.
    if (const int c = ids.classSlot(lesson.classId); c >= 1 && c <= classCount)
      addLoad(classes_[c], lesson.weeklyLoad);
    if (const int t = ids.teacherSlot(lesson.teacher1); t >= 1 && t <= teacherCount)
      addLoad(teachers_[t], lesson.weeklyLoad);
    if (splitIntoGroups(lesson))
      if (const int t = ids.teacherSlot(lesson.teacher2); t >= 1 && t <= teacherCount)
        addLoad(teachers_[t], lesson.weeklyLoad);
  }
  const int placementCount = std::min<int>(image.placementCount, kMaxPlacements);
  for (int n = 1; n <= placementCount; ++n) indexPlacement(image, ids, n);
}

void OccupancyIndex::indexPlacement(const TLoyiha& image, const IdMaps& ids, int n) {
  if (n < 1 || n > std::min<int>(image.placementCount, kMaxPlacements)) return;
  const TJoy& placement = image.placements[n];
  const int l = ids.lessonSlot(placement.lessonId);
  if (l < 1 || l > std::min<int>(image.lessonCount, kMaxLessons)) return;
  const int d = placement.day;
  const int p = placement.period;
  if (d < 1 || d > kDays || p < 1 || p > kPeriods) return;
  if (placement.kind < 1 || placement.kind > 3) return;
  const TDars& lesson = image.lessons[l];

  // Half 1 lives in word 0 of a class or teacher cell and half 2 in word 2.
  const bool weekly = placement.kind == 3;
  const int firstHalf = weekly ? 1 : placement.kind;
  const int lastHalf = weekly ? 2 : placement.kind;
  const int units = weekly ? 2 : 1;
  const auto number = static_cast<std::uint16_t>(n);

  auto enter = [&](TBandlik& table) {
    for (int h = firstHalf; h <= lastHalf; ++h) table.cells[d - 1][p - 1][2 * (h - 1)] = number;
  };
  const int c = ids.classSlot(lesson.classId);
  const bool classKnown = c >= 1 && c <= std::min<int>(image.classCount, kMaxClasses);
  const int teacherCount = std::min<int>(image.teacherCount, kMaxTeacherSlots);
  const int t1 = ids.teacherSlot(lesson.teacher1);
  const int t2 = ids.teacherSlot(lesson.teacher2);
  const bool t1Known = t1 >= 1 && t1 <= teacherCount;
  const bool t2Known = t2 >= 1 && t2 <= teacherCount;
  if (classKnown) enter(classes_[c]);
  if (t1Known) enter(teachers_[t1]);
  if (t2Known) enter(teachers_[t2]);
  for (const int roomId : {placement.room1, placement.room2}) {
    if (roomId == 0) continue;
    const int r = ids.roomSlot(roomId);
    if (r < 1 || r > std::min<int>(image.roomCount, kMaxRooms)) continue;
    for (int h = firstHalf; h <= lastHalf; ++h) rooms_[r].cells[d - 1][p - 1][h - 1] = number;
  }

  lessonPending_[l] = subtractSaturated(lessonPending_[l], units);
  if (classKnown) classes_[c].pending = subtractSaturated(classes_[c].pending, units);
  if (t1Known) teachers_[t1].pending = subtractSaturated(teachers_[t1].pending, units);
  if (splitIntoGroups(lesson) && t2Known)
    teachers_[t2].pending = subtractSaturated(teachers_[t2].pending, units);
}

int OccupancyIndex::classAt(int classSlot, int day, int period, int half) const {
  if (!validSlot(day, period, half)) return 0;
  return classes_[validClass(classSlot)].cells[day - 1][period - 1][2 * (half - 1)];
}

int OccupancyIndex::teacherAt(int teacherSlot, int day, int period, int half) const {
  if (!validSlot(day, period, half)) return 0;
  return teachers_[validTeacher(teacherSlot)].cells[day - 1][period - 1][2 * (half - 1)];
}

int OccupancyIndex::roomAt(int roomSlot, int day, int period, int half) const {
  if (!validSlot(day, period, half)) return 0;
  return rooms_[validRoom(roomSlot)].cells[day - 1][period - 1][half - 1];
}

int OccupancyIndex::lessonPending(int lessonSlot) const {
  return lessonSlot >= 1 && lessonSlot <= kMaxLessons ? lessonPending_[lessonSlot] : 0;
}
int OccupancyIndex::classPending(int classSlot) const {
  return classes_[validClass(classSlot)].pending;
}
int OccupancyIndex::teacherPending(int teacherSlot) const {
  return teachers_[validTeacher(teacherSlot)].pending;
}
int OccupancyIndex::classTotal(int classSlot) const {
  return classes_[validClass(classSlot)].total;
}
int OccupancyIndex::teacherTotal(int teacherSlot) const {
  return teachers_[validTeacher(teacherSlot)].total;
}

}  // namespace jadvalon
