// The occupancy index: pending counts, halves of a slot, the teacher tables of split lessons, the
// periods per day, and placements that would otherwise corrupt the counts.
#include "model/occupancy_index.h"

#include <gtest/gtest.h>

#include "school_builder.h"

namespace jadvalon {
namespace {

using testing::TestProject;

struct School {
  TestProject t;
  OccupancyIndex index;
  int classA = 0, subject = 0, teacher1 = 0, teacher2 = 0, room = 0;

  School() {
    testing::setWeek(t, 5, 6);
    classA = t.addClass("5-A");
    subject = t.addSubject("Math");
    teacher1 = t.addTeacher("Ali");
    teacher2 = t.addTeacher("Vali");
    room = t.addRoom("101");
  }
  void rebuild() { index.rebuild(t.project.image(), t.project.ids()); }
  int place(int d, int p, int kind, int lessonId, int room1 = 0, int room2 = 0) {
    EXPECT_TRUE(t.project.appendPlacement(d, p, kind, lessonId, room1, room2));
    return t.project.image().placementCount;
  }
};

TEST(OccupancyIndex, WithoutPlacementsEverythingIsPendingAndFree) {
  School s;
  const int lesson = s.t.addLesson(s.classA, s.subject, s.teacher1, 5);
  const int split = s.t.addLesson(s.classA, s.subject, s.teacher1, 4, {}, s.teacher2);
  s.rebuild();
  EXPECT_EQ(s.index.lessonPending(testing::lessonSlot(s.t, lesson)), 5);
  EXPECT_EQ(s.index.lessonPending(testing::lessonSlot(s.t, split)), 4);
  EXPECT_EQ(s.index.classPending(1), 9);
  EXPECT_EQ(s.index.classTotal(1), 9);
  EXPECT_EQ(s.index.teacherPending(1), 9);
  EXPECT_EQ(s.index.teacherPending(2), 4);
  for (int d = 1; d <= kDays; ++d)
    for (int p = 1; p <= kPeriods; ++p)
      for (int h = 1; h <= 2; ++h) {
        EXPECT_EQ(s.index.classAt(1, d, p, h), 0);
        EXPECT_EQ(s.index.teacherAt(1, d, p, h), 0);
        EXPECT_EQ(s.index.roomAt(1, d, p, h), 0);
      }
}

TEST(OccupancyIndex, HalvesOfASlotAreSeparate) {
  School s;
  const int a = s.t.addLesson(s.classA, s.subject, s.teacher1, 1);
  const int b = s.t.addLesson(s.classA, s.subject, s.teacher2, 1, {s.room});
  const int first = s.place(2, 3, 1, a);
  s.rebuild();
  EXPECT_EQ(s.index.classAt(1, 2, 3, 1), first);
  EXPECT_EQ(s.index.classAt(1, 2, 3, 2), 0);
  EXPECT_EQ(s.index.teacherAt(1, 2, 3, 1), first);
  EXPECT_EQ(s.index.teacherAt(1, 2, 3, 2), 0);
  const int second = s.place(2, 3, 2, b, s.room);
  s.index.indexPlacement(s.t.project.image(), s.t.project.ids(), second);
  EXPECT_EQ(s.index.classAt(1, 2, 3, 1), first);
  EXPECT_EQ(s.index.classAt(1, 2, 3, 2), second);
  EXPECT_EQ(s.index.roomAt(1, 2, 3, 1), 0);
  EXPECT_EQ(s.index.roomAt(1, 2, 3, 2), second);
  EXPECT_EQ(s.index.lessonPending(testing::lessonSlot(s.t, a)), 0);
  EXPECT_EQ(s.index.classPending(1), 0);
}

TEST(OccupancyIndex, SplitLessonOccupiesBothTeachersAndCountsEachOnce) {
  School s;
  const int room2 = s.t.addRoom("102");
  const int single = s.t.addLesson(s.classA, s.subject, s.teacher1, 4);
  const int split =
      s.t.addLesson(s.classA, s.subject, s.teacher1, 4, {s.room}, s.teacher2, s.subject, {room2});
  const int n1 = s.place(1, 1, 3, single);
  const int n2 = s.place(1, 2, 3, split, s.room, room2);
  s.rebuild();
  // The one-group lesson writes its teacher's table (twice, the same value) and counts once.
  EXPECT_EQ(s.index.teacherAt(1, 1, 1, 1), n1);
  EXPECT_EQ(s.index.teacherAt(1, 1, 1, 2), n1);
  EXPECT_EQ(s.index.teacherAt(2, 1, 1, 1), 0);
  for (int t = 1; t <= 2; ++t)
    for (int h = 1; h <= 2; ++h) EXPECT_EQ(s.index.teacherAt(t, 1, 2, h), n2);
  EXPECT_EQ(s.index.roomAt(1, 1, 2, 1), n2);
  EXPECT_EQ(s.index.roomAt(2, 1, 2, 2), n2);
  EXPECT_EQ(s.index.teacherPending(1), 8 - 2 - 2);
  EXPECT_EQ(s.index.teacherTotal(1), 8);
  EXPECT_EQ(s.index.teacherPending(2), 4 - 2);
  EXPECT_EQ(s.index.classPending(1), 4);
}

TEST(OccupancyIndex, LaterPlacementOverwritesAnEarlierOneInTheSameHalf) {
  School s;
  const int a = s.t.addLesson(s.classA, s.subject, s.teacher1, 2);
  const int b = s.t.addLesson(s.classA, s.subject, s.teacher2, 2);
  s.place(4, 5, 3, a);
  const int later = s.place(4, 5, 2, b);
  s.rebuild();
  EXPECT_EQ(s.index.classAt(1, 4, 5, 1), 1);
  EXPECT_EQ(s.index.classAt(1, 4, 5, 2), later);
}

TEST(OccupancyIndex, PendingNeverWrapsBelowZero) {
  // A lesson whose load was lowered below what is placed keeps its placements; it must read as
  // nothing pending, not as 255 half-units.
  School s;
  const int a = s.t.addLesson(s.classA, s.subject, s.teacher1, 4);
  s.place(1, 1, 3, a);
  s.place(1, 2, 3, a);
  testing::lessonById(s.t, a).weeklyLoad = 2;
  s.rebuild();
  EXPECT_EQ(s.index.lessonPending(testing::lessonSlot(s.t, a)), 0);
  EXPECT_EQ(s.index.classPending(1), 0);
  EXPECT_EQ(s.index.teacherPending(1), 0);
}

TEST(OccupancyIndex, PlacementsOfUnknownLessonsAreSkipped) {
  School s;
  s.t.addLesson(s.classA, s.subject, s.teacher1, 2);
  s.place(1, 1, 3, 999);
  s.rebuild();
  EXPECT_EQ(s.index.classAt(1, 1, 1, 1), 0);
  EXPECT_EQ(s.index.classPending(1), 2);
  // The blank template stays blank.
  EXPECT_EQ(s.index.classAt(0, 1, 1, 1), 0);
}

TEST(OccupancyIndex, PeriodsPerDayFollowTheClassGrids) {
  School s;
  OccupancyIndex fresh;
  for (int d = 1; d <= 7; ++d) EXPECT_EQ(fresh.periodsPerDay(d), 0);
  const int b = s.t.addClass("5-B");
  testing::classById(s.t, b).grid[2][8] = 1;  // Wednesday, period 9
  s.index.recomputePeriodsPerDay(s.t.project.image());
  EXPECT_EQ(s.index.periodsPerDay(1), 6);
  EXPECT_EQ(s.index.periodsPerDay(3), 9);
  EXPECT_EQ(s.index.periodsPerDay(6), 0);  // Saturday is not a working day
  EXPECT_EQ(s.index.periodsPerDay(7), 9);
}

}  // namespace
}  // namespace jadvalon
