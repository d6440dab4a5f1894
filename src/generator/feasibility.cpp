// The feasibility test, checked in a fixed order so that the cheapest refusals come first.
#include "generator/feasibility.h"

namespace jadvalon {

namespace {

bool cellsOpen(const Grid& grid, int d, int p, const KindSpan& span) {
  for (int q = p; q <= p + span.lastPeriodOffset; ++q)
    if (grid[d - 1][q - 1] == 0) return false;
  return true;
}

// The halves a kind needs are free in a class or teacher table (words 0 and 2 of a cell).
bool halvesFree(const TBandlik& table, int d, int p, const KindSpan& span) {
  for (int q = p; q <= p + span.lastPeriodOffset; ++q)
    for (int h = span.firstHalf; h <= span.lastHalf; ++h)
      if (table.cells[d - 1][q - 1][2 * (h - 1)] != 0) return false;
  return true;
}

bool validPosition(int d, int p, int kind) {
  if (d < 1 || d > kDays || p < 1 || p > kPeriods) return false;
  return kind != kKindDouble || p <= kPeriods - 1;
}

}  // namespace

bool Feasibility::feasible(const TDarsImkon& lesson, int lessonSlot, int d, int p, int kind) const {
  if (!validPosition(d, p, kind)) return false;
  const KindSpan span = spanOf(kind);
  if (!cellsOpen(image_.lessons[lessonSlot].grid, d, p, span)) return false;

  if (!cellsOpen(image_.classes[lesson.classIndex].grid, d, p, span)) return false;
  if (!halvesFree(index_.classTable(lesson.classIndex), d, p, span)) return false;

  if (!teacherFits(lesson.teacher1, d, p, kind)) return false;
  if (!cellsOpen(image_.subjects[lesson.subject1].grid, d, p, span)) return false;
  if (considerRooms_ && lesson.rooms1.count > 0 && !listHasFreeRoom(lesson.rooms1, d, p, kind))
    return false;

  if (lesson.twoGroups) {
    if (!teacherFits(lesson.teacher2, d, p, kind)) return false;
    if (!cellsOpen(image_.subjects[lesson.subject2].grid, d, p, span)) return false;
    if (considerRooms_ && lesson.rooms2.count > 0 && !listHasFreeRoom(lesson.rooms2, d, p, kind))
      return false;
  }
  return true;
}

bool Feasibility::teacherFits(int teacherIndex, int d, int p, int kind) const {
  const KindSpan span = spanOf(kind);
  const TUqituvchi& teacher = image_.teachers[teacherIndex];
  if (!cellsOpen(teacher.grid, d, p, span)) return false;
  if (teacher.methodDays[d - 1] != 0) return false;
  return halvesFree(index_.teacherTable(teacherIndex), d, p, span);
}

bool Feasibility::roomFree(int roomIndex, int d, int p, int kind) const {
  if (!validPosition(d, p, kind)) return false;
  const KindSpan span = spanOf(kind);
  if (!cellsOpen(image_.rooms[roomIndex].grid, d, p, span)) return false;
  const TXonaBandlik& table = index_.roomTable(roomIndex);
  for (int q = p; q <= p + span.lastPeriodOffset; ++q)
    for (int h = span.firstHalf; h <= span.lastHalf; ++h)
      if (table.cells[d - 1][q - 1][h - 1] != 0) return false;
  return true;
}

bool Feasibility::listHasFreeRoom(const RoomList& list, int d, int p, int kind) const {
  for (int i = 0; i < list.count; ++i)
    if (roomFree(list.rooms[i], d, p, kind)) return true;
  return false;
}

}  // namespace jadvalon
