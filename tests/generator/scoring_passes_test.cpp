// The scoring passes one by one, on small schools whose numbers can be worked out by hand.
#include "generator/scoring_passes.h"

#include <gtest/gtest.h>

#include "school_builder.h"

namespace jadvalon {
namespace {

using testing::GeneratorFixture;

constexpr int W = kWholeBlock;

struct PassesFixture : GeneratorFixture {
  int classA = 0, classB = 0, subject = 0, teacher = 0, other = 0;

  explicit PassesFixture(int periods = 6) {
    testing::setWeek(t, 5, periods);
    classA = t.addClass("5-A");
    classB = t.addClass("5-B");
    subject = t.addSubject("Math");
    teacher = t.addTeacher("Ali", 8);
    other = t.addTeacher("Vali", 8);
  }
  void start(GeneratorOptions options = {}) {
    options.considerRooms = false;
    run.start(testing::deterministic(options));
  }
  ScoringPasses& passes() { return run.engine().passes(); }
  TDarsImkon& record(int lessonId) {
    return run.engine().records().lessons[testing::lessonSlot(t, lessonId)];
  }
  double score(int lessonId, int d, int p, int block = W) {
    return record(lessonId).slot(d, p).score[block];
  }
  double daySum(int lessonId, int d) {
    double sum = 0;
    for (int p = 1; p <= kPeriods; ++p)
      for (int b = 0; b < 3; ++b) sum += score(lessonId, d, p, b);
    return sum;
  }
  void place(int d, int p, int kind, int lessonId) {
    ASSERT_TRUE(t.project.appendPlacement(d, p, kind, lessonId, 0, 0));
  }
};

// --- Mass pass ---

TEST(MassPass, ScoresAddUpToTheWholePeriodsStillNeeded) {
  struct Case {
    int load;
    int openCells;
    double expectedEach;
  } cases[] = {{2, 1, 1.0}, {2, 10, 0.1}, {4, 1, 2.0}, {4, 10, 0.2}, {6, 4, 0.75}};
  for (const Case& c : cases) {
    PassesFixture f;
    const int lesson = f.t.addLesson(f.classA, f.subject, f.teacher, c.load);
    Grid& grid = testing::lessonById(f.t, lesson).grid;
    fillGrid(grid, 0);
    for (int i = 0; i < c.openCells; ++i) grid[i % 5][i / 5] = 1;
    f.start();
    f.passes().clearDemands();
    f.passes().massPass();
    double total = 0;
    for (int i = 0; i < c.openCells; ++i) {
      EXPECT_DOUBLE_EQ(f.score(lesson, i % 5 + 1, i / 5 + 1), c.expectedEach) << c.load;
      total += f.score(lesson, i % 5 + 1, i / 5 + 1);
    }
    EXPECT_NEAR(total, c.load / 2.0, 1e-12);
    EXPECT_EQ(f.score(lesson, 6, 1), 0.0);
  }
}

// --- Day pass ---

TEST(DayPass, ShareOfOnePeriodPerDayDoesNotCutADay) {
  // 3 hours over 5 open days: 1.2 half-units a day, k = 1, so even a heavy Monday is not cut.
  PassesFixture f(10);
  const int lesson = f.t.addLesson(f.classA, f.subject, f.teacher, 6);
  Grid& grid = testing::lessonById(f.t, lesson).grid;
  fillGrid(grid, 0);
  for (int p = 0; p < 10; ++p) grid[0][p] = 1;
  for (int d = 1; d < 5; ++d) grid[d][0] = 1;
  f.start();
  f.passes().clearDemands();
  f.passes().massPass();
  const double monday = f.daySum(lesson, 1);
  EXPECT_NEAR(monday, 30.0 / 14.0, 1e-12);
  f.passes().dayPass();
  EXPECT_DOUBLE_EQ(f.daySum(lesson, 1), monday);
}

TEST(DayPass, ADayMassAboveItsShareIsCutToTheShare) {
  // 10 hours over 5 days: 4 half-units, k = 2 whole periods a day.
  PassesFixture f(10);
  const int lesson = f.t.addLesson(f.classA, f.subject, f.teacher, 20);
  Grid& grid = testing::lessonById(f.t, lesson).grid;
  fillGrid(grid, 0);
  for (int p = 0; p < 10; ++p) grid[0][p] = 1;
  for (int d = 1; d < 5; ++d) grid[d][0] = 1;
  f.start();
  f.passes().clearDemands();
  f.passes().massPass();
  const double tuesday = f.daySum(lesson, 2);
  f.passes().dayPass();
  EXPECT_NEAR(f.daySum(lesson, 1), 2.0, 1e-12);
  EXPECT_DOUBLE_EQ(f.daySum(lesson, 2), tuesday);
}

TEST(DayPass, ADayThatHoldsItsShareGetsZero) {
  PassesFixture f;
  const int lesson = f.t.addLesson(f.classA, f.subject, f.teacher, 4);
  f.place(1, 1, 3, lesson);
  f.start();
  ASSERT_TRUE(f.record(lesson).day(1).open);
  f.passes().clearDemands();
  f.passes().massPass();
  ASSERT_GT(f.daySum(lesson, 1), 0.0);
  f.passes().dayPass();
  for (int p = 1; p <= kPeriods; ++p) EXPECT_EQ(f.score(lesson, 1, p), 0.0) << p;
  EXPECT_GT(f.daySum(lesson, 2), 0.0);
}

TEST(DayPass, ParallelClassPullsTheLessonOntoTheSameDay) {
  for (const bool parallel : {true, false}) {
    PassesFixture f;
    testing::classById(f.t, f.classA).grade = 5;
    testing::classById(f.t, f.classB).grade = 5;
    testing::teacherById(f.t, f.teacher).parallelFlag = parallel;
    const int first = f.t.addLesson(f.classA, f.subject, f.teacher, 2);
    const int second = f.t.addLesson(f.classB, f.subject, f.teacher, 2);
    f.place(2, 1, 3, first);  // Tuesday, period 1
    f.start();
    f.passes().clearDemands();
    f.passes().massPass();
    // Tuesday has 5 candidate periods (the teacher is busy at period 1), the other days 6.
    EXPECT_NEAR(f.daySum(second, 2), 5.0 / 29.0, 1e-12);
    const double wednesday = f.daySum(second, 3);
    f.passes().dayPass();
    if (parallel) {
      EXPECT_NEAR(f.daySum(second, 2), 1.0, 1e-12);
    } else {
      EXPECT_NEAR(f.daySum(second, 2), 5.0 / 29.0, 1e-12);
    }
    EXPECT_DOUBLE_EQ(f.daySum(second, 3), wednesday);
  }
}

// --- Class pass ---

struct HalfLessonSchool : PassesFixture {
  int full = 0, half = 0, third = 0;
  HalfLessonSchool() {
    full = t.addLesson(classA, subject, teacher, 20);
    half = t.addLesson(classA, subject, other, 1);
    third = t.addTeacher("Sobir", 8);
  }
  void scoreUpToClassPass() {
    start();
    passes().clearDemands();
    passes().massPass();
    passes().dayPass();
    passes().classPass();
  }
};

TEST(ClassPass, EarlyHalfLessonIsDroppedWhenNothingWantsTheOtherHalf) {
  HalfLessonSchool s;
  s.scoreUpToClassPass();
  EXPECT_EQ(s.run.engine().records().classes[1].solidPeriods, 2);
  EXPECT_EQ(s.score(s.half, 1, 1, kHalf1Block), 0.0);
  EXPECT_EQ(s.score(s.half, 3, 2, kHalf1Block), 0.0);
}

TEST(ClassPass, EarlyHalfLessonIsCertainWhenTheOtherHalfIsTaken) {
  HalfLessonSchool s;
  const int taken = s.t.addLesson(s.classA, s.subject, s.third, 1);
  s.place(1, 1, 2, taken);  // Monday period 1, week 2
  s.scoreUpToClassPass();
  EXPECT_EQ(s.run.engine().records().classes[1].solidPeriods, 2);
  EXPECT_EQ(s.score(s.half, 1, 1, kHalf1Block), 1.0);
  EXPECT_EQ(s.score(s.half, 1, 1, kHalf2Block), 0.0);
}

TEST(ClassPass, WithoutSolidPeriodsPeriodOneIsNotCapped) {
  // A class whose load cannot fill period 1 on every day has no solid periods; period 1 then
  // lies in the late region and must still be usable.
  PassesFixture f;
  const int lesson = f.t.addLesson(f.classA, f.subject, f.teacher, 2);
  f.start();
  EXPECT_EQ(f.run.engine().records().classes[1].solidPeriods, 0);
  f.passes().clearDemands();
  f.passes().massPass();
  f.passes().dayPass();
  const double before = f.score(lesson, 1, 1);
  f.passes().classPass();
  EXPECT_GT(before, 0.0);
  EXPECT_DOUBLE_EQ(f.score(lesson, 1, 1), before);
}

// --- Teacher pass ---

struct WindowSchool : PassesFixture {
  int lesson = 0;
  WindowSchool() : PassesFixture(7) {
    testing::teacherById(t, teacher).gapsFlag = 1;
    lesson = t.addLesson(classA, subject, teacher, 2);
    GeneratorOptions options;
    options.teacherGaps = true;
    start(options);
    passes().clearDemands();
  }
  // Sets the teacher's Monday demands and the lesson's Monday scores, then runs the teacher pass.
  void teacherPassWith(const std::vector<double>& demand, double dayDemand, double score) {
    TUqituvchiTalab& record = run.engine().records().teachers[1];
    for (int p = 1; p <= 7; ++p) {
      record.demandAt(1, p)[W] = demand[p - 1];
      this->record(lesson).slot(1, p).score[W] = score;
    }
    record.day(1).dayDemand = dayDemand;
    passes().teacherPass();
  }
  const TUqituvchiTalab& teacherRecord() { return run.engine().records().teachers[1]; }
};

TEST(TeacherPass, BusiestWindowIsFreeAndOtherPeriodsPayPointSixPerPeriod) {
  WindowSchool s;
  const std::vector<double> demand = {0.1, 0.1, 0.5, 0.5, 0.5, 0.5, 0.1};
  s.teacherPassWith(demand, 3.6, 0.05);  // 3.6 rounds to 4 lessons that day
  const TUqituvchiTalab& teacher = s.teacherRecord();
  EXPECT_EQ(teacher.days[0].windowStart, 3);
  EXPECT_EQ(teacher.days[0].windowEnd, 6);
  const double expectedPenalty[] = {1.2, 0.6, 0, 0, 0, 0, 0.6};
  for (int p = 1; p <= 7; ++p) {
    EXPECT_DOUBLE_EQ(teacher.gapPenalty[0][p - 1], expectedPenalty[p - 1]) << p;
    const double g = expectedPenalty[p - 1];
    const double expected = g > 0 ? 0.05 / (demand[p - 1] + g) : 0.05;
    EXPECT_DOUBLE_EQ(s.score(s.lesson, 1, p), expected) << p;
  }
}

TEST(TeacherPass, WindowLengthRoundsHalvesToEvenAndEqualSumsTakeTheLatest) {
  struct Case {
    double dayDemand;
    int start;
    int end;
  } cases[] = {{2.5, 6, 7}, {3.5, 4, 7}, {2.0, 6, 7}, {1.4, 0, 0}};
  for (const Case& c : cases) {
    WindowSchool s;
    s.teacherPassWith(std::vector<double>(7, 0.5), c.dayDemand, 0.05);
    EXPECT_EQ(s.teacherRecord().days[0].windowStart, c.start) << c.dayDemand;
    EXPECT_EQ(s.teacherRecord().days[0].windowEnd, c.end) << c.dayDemand;
    if (c.start == 0) {
      EXPECT_EQ(s.teacherRecord().gapPenalty[0][0], 0.0);
    }
  }
}

TEST(TeacherPass, TeacherAtTheDailyMaximumGetsNothingMoreThatDay) {
  struct Case {
    int maximum;
    bool mondayClosed;
  } cases[] = {{3, true}, {4, false}, {0, false}};
  for (const Case& c : cases) {
    PassesFixture f;
    testing::teacherById(f.t, f.teacher).dailyMaximum = static_cast<std::uint8_t>(c.maximum);
    const int placed = f.t.addLesson(f.classB, f.subject, f.teacher, 6);
    // Periods 4..6 of Monday are taken; periods 1..3 stay open to the other lesson.
    for (int p = 4; p <= 6; ++p) f.place(1, p, 3, placed);
    const int lesson = f.t.addLesson(f.classA, f.subject, f.teacher, 4);
    f.start();
    ASSERT_TRUE(f.record(lesson).day(1).open);
    f.passes().iterate();
    if (c.mondayClosed) {
      EXPECT_EQ(f.daySum(lesson, 1), 0.0) << c.maximum;
    } else {
      EXPECT_GT(f.daySum(lesson, 1), 0.0) << c.maximum;
    }
    EXPECT_GT(f.daySum(lesson, 2), 0.0);
  }
}

// --- Room passes ---

TEST(RoomPasses, IgnoringRoomsLeavesRoomSharesUntouched) {
  for (const bool considerRooms : {true, false}) {
    PassesFixture f;
    const int room = f.t.addRoom("101");
    const int a = f.t.addLesson(f.classA, f.subject, f.teacher, 2, {room});
    f.t.addLesson(f.classB, f.subject, f.other, 2, {room});
    GeneratorOptions options;
    options.tieBreak = TieBreak::First;
    options.considerRooms = considerRooms;
    f.run.start(options);
    const RoomShares shares =
        f.run.engine().records().roomShares.at(testing::lessonSlot(f.t, a), 1, 1, 1, W);
    EXPECT_EQ(shares.score(0), considerRooms ? 1.0 : 0.0);
    f.passes().iterate();
    // With rooms considered the room share now carries the lesson's score.
    if (considerRooms) {
      EXPECT_LT(shares.score(0), 1.0);
    } else {
      EXPECT_EQ(shares.score(0), 0.0);
    }
  }
}

}  // namespace
}  // namespace jadvalon
