// The timetable check on hand-made faulty timetables, and the gap count of the summary.
#include "generator/timetable_check.h"

#include <gtest/gtest.h>

#include "generator/timetable_summary.h"
#include "school_builder.h"

namespace jadvalon {
namespace {

using testing::TestProject;

struct CheckSchool {
  TestProject t;
  int classA = 0, classB = 0, math = 0, art = 0, ali = 0, vali = 0, room = 0, room2 = 0;
  CheckSchool() {
    testing::setWeek(t, 5, 6);
    classA = t.addClass("5-A");
    classB = t.addClass("5-B");
    math = t.addSubject("Math");
    art = t.addSubject("Art");
    ali = t.addTeacher("Ali", 2);
    vali = t.addTeacher("Vali", 2);
    room = t.addRoom("101");
    room2 = t.addRoom("102");
  }
  void place(int d, int p, int kind, int lesson, int room1 = 0, int room2 = 0) {
    ASSERT_TRUE(t.project.appendPlacement(d, p, kind, lesson, room1, room2));
  }
  TimetableFaults check() { return checkTimetable(t.project.image(), t.project.ids()); }
};

TEST(TimetableCheck, CleanTimetableHasNoFaults) {
  CheckSchool s;
  const int a = s.t.addLesson(s.classA, s.math, s.ali, 3, {s.room});
  const int b = s.t.addLesson(s.classA, s.art, s.vali, 1, {s.room});
  s.place(1, 1, 3, a, s.room);
  s.place(1, 2, 1, a, s.room);
  s.place(1, 2, 2, b, s.room);  // the other week of the same slot
  EXPECT_TRUE(s.check().empty());
}

TEST(TimetableCheck, FindsClassTeacherAndRoomClashesPerHalf) {
  {
    // Same class, different teachers: weekly against week 1 clashes in half 1 only.
    CheckSchool s;
    const int a = s.t.addLesson(s.classA, s.math, s.ali, 2);
    const int b = s.t.addLesson(s.classA, s.art, s.vali, 1);
    s.place(2, 3, 3, a);
    s.place(2, 3, 1, b);
    const auto faults = s.check();
    ASSERT_EQ(faults.clashes.size(), 1u);
    EXPECT_EQ(faults.clashes[0].resource, ResourceKind::Class);
    EXPECT_EQ(faults.clashes[0].half, 1);
    EXPECT_EQ(faults.clashes[0].day, 2);
    EXPECT_EQ(faults.clashes[0].period, 3);
    EXPECT_EQ(faults.clashes[0].placements, (std::vector<int>{1, 2}));
  }
  {
    // One teacher in two classes at once, both weeks.
    CheckSchool s;
    const int a = s.t.addLesson(s.classA, s.math, s.ali, 2);
    const int b = s.t.addLesson(s.classB, s.math, s.ali, 2);
    s.place(1, 1, 3, a);
    s.place(1, 1, 3, b);
    const auto faults = s.check();
    ASSERT_EQ(faults.clashes.size(), 2u);
    for (const Clash& c : faults.clashes) EXPECT_EQ(c.resource, ResourceKind::Teacher);
  }
  {
    // One room for two classes, and the two groups of one lesson in one room.
    CheckSchool s;
    const int a = s.t.addLesson(s.classA, s.math, s.ali, 2, {s.room});
    const int b = s.t.addLesson(s.classB, s.math, s.vali, 2, {s.room});
    s.place(1, 1, 2, a, s.room);
    s.place(1, 1, 2, b, s.room);
    const int split =
        s.t.addLesson(s.classA, s.math, s.ali, 2, {s.room2}, s.vali, s.art, {s.room2});
    s.place(3, 3, 1, split, s.room2, s.room2);
    const auto faults = s.check();
    ASSERT_EQ(faults.clashes.size(), 2u);
    EXPECT_EQ(faults.clashes[0].resource, ResourceKind::Room);
    EXPECT_EQ(faults.clashes[0].half, 2);
    EXPECT_EQ(faults.clashes[1].resource, ResourceKind::Room);
    EXPECT_EQ(faults.clashes[1].placements, (std::vector<int>{3, 3}));
  }
}

TEST(TimetableCheck, FindsPlacementsWhereAGridOrAMethodDayForbidsThem) {
  struct Case {
    ForbiddenBy reason;
    void (*forbid)(CheckSchool&, int lesson);
  } cases[] = {
      {ForbiddenBy::Lesson,
       [](CheckSchool& s, int l) { testing::lessonById(s.t, l).grid[0][0] = 0; }},
      {ForbiddenBy::Class,
       [](CheckSchool& s, int) { testing::classById(s.t, s.classA).grid[0][0] = 0; }},
      {ForbiddenBy::Subject,
       [](CheckSchool& s, int) { testing::subjectById(s.t, s.math).grid[0][0] = 0; }},
      {ForbiddenBy::Teacher,
       [](CheckSchool& s, int) { testing::teacherById(s.t, s.ali).grid[0][0] = 0; }},
      {ForbiddenBy::MethodDay,
       [](CheckSchool& s, int) { testing::teacherById(s.t, s.ali).methodDays[0] = 1; }},
  };
  for (const Case& c : cases) {
    CheckSchool s;
    const int lesson = s.t.addLesson(s.classA, s.math, s.ali, 2);
    s.place(1, 1, 3, lesson);
    EXPECT_TRUE(s.check().empty());
    c.forbid(s, lesson);
    const auto faults = s.check();
    ASSERT_EQ(faults.forbidden.size(), 1u) << static_cast<int>(c.reason);
    EXPECT_EQ(faults.forbidden[0].reason, c.reason);
    EXPECT_EQ(faults.forbidden[0].placement, 1);
  }
}

TEST(TimetableCheck, FindsOverloadedLessonsAndTeachersOverTheirMaximum) {
  CheckSchool s;
  const int a = s.t.addLesson(s.classA, s.math, s.ali, 2);
  const int b = s.t.addLesson(s.classB, s.math, s.ali, 4);
  s.place(1, 1, 3, a);
  s.place(1, 2, 1, a);  // a third half-unit of a load of 2
  s.place(1, 3, 3, b);  // Ali's fourth and fifth half-units on Monday, maximum 2 lessons
  s.place(2, 3, 3, b);
  const auto faults = s.check();
  ASSERT_EQ(faults.overloaded.size(), 1u);
  EXPECT_EQ(faults.overloaded[0].placedHalfUnits, 3);
  EXPECT_EQ(faults.overloaded[0].load, 2);
  ASSERT_EQ(faults.overDailyMaximum.size(), 1u);
  EXPECT_EQ(faults.overDailyMaximum[0].day, 1);
  EXPECT_EQ(faults.overDailyMaximum[0].halfUnits, 5);
  // A maximum of 0 is no cap.
  testing::teacherById(s.t, s.ali).dailyMaximum = 0;
  EXPECT_TRUE(s.check().overDailyMaximum.empty());
}

TEST(TimetableCheck, FindsPlacementsThatNameNoLessonOrNoValidSlot) {
  CheckSchool s;
  const int lesson = s.t.addLesson(s.classA, s.math, s.ali, 4);
  s.place(1, 1, 3, lesson);
  s.place(1, 2, 3, 77);  // no lesson has id 77
  s.place(7, 2, 3, lesson);
  s.place(1, 15, 3, lesson);
  s.place(1, 3, 5, lesson);
  const auto faults = s.check();
  ASSERT_EQ(faults.broken.size(), 4u);
  for (int i = 0; i < 4; ++i) EXPECT_EQ(faults.broken[i].placement, i + 2);
  EXPECT_TRUE(faults.clashes.empty());
  EXPECT_TRUE(faults.overloaded.empty());
}

TEST(TimetableSummary, GapsAreCountedPerDayAndHalf) {
  struct Case {
    std::vector<std::pair<int, int>> periodKinds;  // Monday placements (period, kind)
    int classGaps;
  } cases[] = {
      {{{1, 3}, {3, 3}}, 2},          // one free period in each half
      {{{1, 1}, {3, 1}}, 1},          // week 1 only
      {{{1, 1}, {3, 2}}, 0},          // different halves: no gap
      {{{2, 3}, {3, 3}, {6, 1}}, 2},  // periods 4 and 5 of week 1
  };
  for (const Case& c : cases) {
    CheckSchool s;
    const int lesson = s.t.addLesson(s.classA, s.math, s.ali, 20);
    for (const auto& [p, kind] : c.periodKinds) s.place(1, p, kind, lesson);
    OccupancyIndex index;
    index.rebuild(s.t.project.image(), s.t.project.ids());
    const TimetableSummary summary =
        summarizeTimetable(s.t.project.image(), s.t.project.ids(), index);
    EXPECT_EQ(summary.classGaps, c.classGaps);
    EXPECT_EQ(summary.teacherGaps, c.classGaps);
    EXPECT_EQ(summary.totalHalfUnits, 20);
    ASSERT_EQ(summary.unplaced.size(), 1u);
    EXPECT_EQ(summary.placedHalfUnits + summary.unplaced[0].pendingHalfUnits, 20);
  }
}

}  // namespace
}  // namespace jadvalon
