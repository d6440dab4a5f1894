// Whole runs of the generator on small schools: kinds of the placements, double periods, rooms,
// placements made by hand, the daily maximum, and runs with nothing to do.
#include "generator/placement_engine.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>

#include "school_builder.h"

namespace jadvalon {
namespace {

using testing::GeneratorFixture;
using testing::placementsOf;

struct SmallSchool : GeneratorFixture {
  int classA = 0, subject = 0, teacher = 0, other = 0;
  explicit SmallSchool(int periods = 6) {
    testing::setWeek(t, 5, periods);
    classA = t.addClass("5-A");
    subject = t.addSubject("Math");
    teacher = t.addTeacher("Ali", 6);
    other = t.addTeacher("Vali", 6);
  }
  int pending(int lessonId) { return index.lessonPending(testing::lessonSlot(t, lessonId)); }
};

std::vector<int> kindsOf(const std::vector<TJoy>& placements) {
  std::vector<int> kinds;
  for (const TJoy& p : placements) kinds.push_back(p.kind);
  std::sort(kinds.begin(), kinds.end());
  return kinds;
}

TEST(PlacementEngine, IterationsPerStepFollowTheLevel) {
  struct Case {
    int level;
    int iterations;
  } cases[] = {{1, 3}, {2, 5}, {3, 8}};
  for (const Case& c : cases) {
    GeneratorOptions options;
    options.level = c.level;
    EXPECT_EQ(options.iterationsPerStep(), c.iterations);
  }
}

TEST(PlacementEngine, LoadOfFiveGetsTwoPeriodsAndOneHalf) {
  SmallSchool s;
  const int lesson = s.t.addLesson(s.classA, s.subject, s.teacher, 5);
  s.runToEnd(testing::deterministic());
  const auto placed = placementsOf(s.t.project, lesson);
  ASSERT_EQ(placed.size(), 3u);
  const auto kinds = kindsOf(placed);
  EXPECT_TRUE(kinds[0] == 1 || kinds[0] == 2);
  EXPECT_EQ(kinds[1], 3);
  EXPECT_EQ(kinds[2], 3);
  EXPECT_EQ(s.pending(lesson), 0);
}

TEST(PlacementEngine, PairLessonGetsDoublePeriods) {
  SmallSchool s;
  const int lesson = s.t.addLesson(s.classA, s.subject, s.teacher, 8);
  testing::lessonById(s.t, lesson).pairFlag = 1;
  s.runToEnd(testing::deterministic());
  auto placed = placementsOf(s.t.project, lesson);
  ASSERT_EQ(placed.size(), 4u);
  std::sort(placed.begin(), placed.end(), [](const TJoy& a, const TJoy& b) {
    return a.day != b.day ? a.day < b.day : a.period < b.period;
  });
  for (int i = 0; i < 4; i += 2) {
    EXPECT_EQ(placed[i].kind, 3);
    EXPECT_EQ(placed[i + 1].kind, 3);
    EXPECT_EQ(placed[i].day, placed[i + 1].day);
    EXPECT_EQ(placed[i].period + 1, placed[i + 1].period);
  }
  EXPECT_EQ(s.pending(lesson), 0);
}

TEST(PlacementEngine, DoublePeriodNeverStartsAtPeriodFourteen) {
  SmallSchool s;
  fillGrid(testing::classById(s.t, s.classA).grid, 1);
  const int lesson = s.t.addLesson(s.classA, s.subject, s.teacher, 8);
  TDars& record = testing::lessonById(s.t, lesson);
  record.pairFlag = 1;
  testing::openOnly(record.grid, {{1, 13}, {1, 14}, {2, 14}, {3, 14}});
  s.runToEnd(testing::deterministic());
  const auto placed = placementsOf(s.t.project, lesson);
  ASSERT_EQ(placed.size(), 2u);
  EXPECT_EQ(placed[0].day, 1);
  EXPECT_EQ(placed[0].period, 13);
  EXPECT_EQ(placed[1].period, 14);
  EXPECT_EQ(s.pending(lesson), 4);
}

TEST(PlacementEngine, PairLessonWithARoomCompetesWithOtherLessons) {
  // A double period's room shares must keep their size from step to step; otherwise a pair
  // lesson with a room loses every slot to the lessons around it and stays unplaced.
  SmallSchool s;
  const int r1 = s.t.addRoom("101");
  const int r2 = s.t.addRoom("102");
  const int third = s.t.addTeacher("Sobir", 6);
  const int classB = s.t.addClass("5-B");
  const int pair = s.t.addLesson(s.classA, s.subject, s.teacher, 8, {r1});
  testing::lessonById(s.t, pair).pairFlag = 1;
  s.t.addLesson(s.classA, s.subject, s.other, 6, {r1, r2});
  s.t.addLesson(s.classA, s.subject, third, 5, {r2});
  s.t.addLesson(classB, s.subject, s.other, 6, {r1});
  s.t.addLesson(classB, s.subject, third, 6, {r2});
  s.t.project.random().reseed(3);
  GeneratorOptions options;
  options.level = 3;
  s.runToEnd(options);
  EXPECT_EQ(placementsOf(s.t.project, pair).size(), 4u);
  EXPECT_EQ(s.pending(pair), 0);
}

TEST(PlacementEngine, PairLessonWithOnePeriodLeftGetsASinglePeriod) {
  SmallSchool s;
  const int lesson = s.t.addLesson(s.classA, s.subject, s.teacher, 4);
  testing::lessonById(s.t, lesson).pairFlag = 1;
  ASSERT_TRUE(s.t.project.appendPlacement(2, 2, 3, lesson, 0, 0));
  s.runToEnd(testing::deterministic());
  const auto placed = placementsOf(s.t.project, lesson);
  ASSERT_EQ(placed.size(), 2u);
  EXPECT_EQ(placed[1].kind, 3);
  EXPECT_EQ(s.pending(lesson), 0);
}

TEST(PlacementEngine, IgnoringRoomsPlacesWithoutRooms) {
  for (const bool considerRooms : {false, true}) {
    SmallSchool s;
    const int room = s.t.addRoom("101");
    fillGrid(testing::roomById(s.t, room).grid, 0);  // the room is never available
    const int lesson = s.t.addLesson(s.classA, s.subject, s.teacher, 4, {room});
    GeneratorOptions options = testing::deterministic();
    options.considerRooms = considerRooms;
    s.runToEnd(options);
    const auto placed = placementsOf(s.t.project, lesson);
    if (considerRooms) {
      EXPECT_TRUE(placed.empty());
      EXPECT_EQ(s.pending(lesson), 4);
    } else {
      ASSERT_EQ(placed.size(), 2u);
      for (const TJoy& p : placed) {
        EXPECT_EQ(p.room1, 0);
        EXPECT_EQ(p.room2, 0);
      }
    }
  }
}

TEST(PlacementEngine, RoomsComeFromTheListsAndTwoGroupsNeverShareOne) {
  struct Case {
    std::vector<int> rooms1;
    std::vector<int> rooms2;
  } cases[] = {{{1}, {1}}, {{1, 2}, {1, 2}}, {{2}, {1, 2}}};
  for (const Case& c : cases) {
    SmallSchool s;
    s.t.addRoom("101");
    s.t.addRoom("102");
    const int lesson =
        s.t.addLesson(s.classA, s.subject, s.teacher, 6, c.rooms1, s.other, s.subject, c.rooms2);
    s.runToEnd(testing::deterministic());
    const auto placed = placementsOf(s.t.project, lesson);
    ASSERT_EQ(placed.size(), 3u);
    for (const TJoy& p : placed) {
      EXPECT_NE(p.room1, 0);
      EXPECT_TRUE(std::count(c.rooms1.begin(), c.rooms1.end(), p.room1));
      EXPECT_NE(p.room1, p.room2);
      if (p.room2 != 0) {
        EXPECT_TRUE(std::count(c.rooms2.begin(), c.rooms2.end(), p.room2));
      }
      if (c.rooms2.size() == 2) {
        EXPECT_NE(p.room2, 0);
      }
    }
  }
}

TEST(PlacementEngine, PlacementMadeByHandIsKept) {
  for (const int locked : {0, 1}) {
    SmallSchool s;
    const int lesson = s.t.addLesson(s.classA, s.subject, s.teacher, 4);
    ASSERT_TRUE(s.t.project.appendPlacement(3, 4, 3, lesson, 0, 0));
    s.t.project.edit().placements[1].locked = static_cast<std::uint8_t>(locked);
    const TJoy before = s.t.project.image().placements[1];
    s.runToEnd(testing::deterministic());
    EXPECT_EQ(std::memcmp(&before, &s.t.project.image().placements[1], sizeof(TJoy)), 0);
    EXPECT_EQ(placementsOf(s.t.project, lesson).size(), 2u);
    EXPECT_EQ(s.run.totalHalfUnits(), 2);
    EXPECT_EQ(s.run.placedHalfUnits(), 2);
    EXPECT_EQ(s.pending(lesson), 0);
  }
}

TEST(PlacementEngine, RunWithNothingToPlaceAppendsNothing) {
  SmallSchool empty;
  EXPECT_EQ(empty.runToEnd(testing::deterministic()), 1);
  EXPECT_EQ(empty.t.project.image().placementCount, 0);

  SmallSchool done;
  const int lesson = done.t.addLesson(done.classA, done.subject, done.teacher, 2);
  ASSERT_TRUE(done.t.project.appendPlacement(1, 1, 3, lesson, 0, 0));
  EXPECT_EQ(done.runToEnd(testing::deterministic()), 1);
  EXPECT_EQ(done.t.project.image().placementCount, 1);
  EXPECT_FALSE(done.run.running());
  EXPECT_EQ(done.run.progressPosition(), 0);
}

TEST(PlacementEngine, DailyMaximumIsNeverExceeded) {
  // A double period is four half-units: a teacher with at most one lesson a day cannot take it.
  SmallSchool s;
  testing::teacherById(s.t, s.teacher).dailyMaximum = 1;
  const int pair = s.t.addLesson(s.classA, s.subject, s.teacher, 4);
  testing::lessonById(s.t, pair).pairFlag = 1;
  const int plain = s.t.addLesson(s.classA, s.subject, s.teacher, 4);
  s.runToEnd(testing::deterministic());
  EXPECT_TRUE(placementsOf(s.t.project, pair).empty());
  const auto placed = placementsOf(s.t.project, plain);
  ASSERT_EQ(placed.size(), 2u);
  EXPECT_NE(placed[0].day, placed[1].day);
}

TEST(PlacementEngine, DailyMaximumOfZeroIsNoCap) {
  SmallSchool s;
  testing::teacherById(s.t, s.teacher).dailyMaximum = 0;
  const int lesson = s.t.addLesson(s.classA, s.subject, s.teacher, 8);
  testing::openOnly(testing::lessonById(s.t, lesson).grid, {{1, 1}, {1, 2}, {1, 3}, {1, 4}});
  s.runToEnd(testing::deterministic());
  EXPECT_EQ(placementsOf(s.t.project, lesson).size(), 4u);
}

TEST(PlacementEngine, MethodDayAndAvailabilityAreRespected) {
  SmallSchool s;
  testing::teacherById(s.t, s.teacher).methodDays[0] = 1;  // Monday
  Grid& subjectGrid = testing::subjectById(s.t, s.subject).grid;
  for (int p = 0; p < kPeriods; ++p) subjectGrid[1][p] = 0;  // no Math on Tuesday
  const int lesson = s.t.addLesson(s.classA, s.subject, s.teacher, 10);
  s.runToEnd(testing::deterministic());
  const auto placed = placementsOf(s.t.project, lesson);
  EXPECT_EQ(placed.size(), 5u);
  for (const TJoy& p : placed) {
    EXPECT_NE(p.day, 1);
    EXPECT_NE(p.day, 2);
  }
}

TEST(PlacementEngine, SelectSkipsHalfBlocksThatAreNotFeasible) {
  // Only the half-block rule of the room pass can give a score to a half that is not feasible;
  // taking such a block would put the half onto an occupied half.
  for (const int feasible : {0, 1}) {
    SmallSchool s;
    const int lesson = s.t.addLesson(s.classA, s.subject, s.teacher, 3);
    s.run.start(testing::deterministic());
    SlotRecord& slot = s.run.engine().records().lessons[1].slot(4, 5);
    slot.score[kHalf2Block] = 100.0;
    slot.feasible[kHalf2Block] = static_cast<std::uint8_t>(feasible);
    Candidate chosen{};
    ASSERT_TRUE(s.run.engine().select(chosen));
    EXPECT_EQ(chosen.lesson, testing::lessonSlot(s.t, lesson));
    const bool took = chosen.day == 4 && chosen.period == 5 && chosen.kind == kKindHalf2;
    EXPECT_EQ(took, feasible == 1);
  }
}

TEST(PlacementEngine, TraceReportsEveryPlacementWithItsStep) {
  SmallSchool s;
  const int pair = s.t.addLesson(s.classA, s.subject, s.teacher, 4);
  testing::lessonById(s.t, pair).pairFlag = 1;
  s.t.addLesson(s.classA, s.subject, s.other, 2);
  std::vector<std::pair<int, TJoy>> trace;
  s.run.setPlacementSink([&](int step, const TJoy& p) { trace.emplace_back(step, p); });
  const int steps = s.runToEnd(testing::deterministic());
  EXPECT_EQ(steps, 3);  // two placing steps and the one that finds nothing
  ASSERT_EQ(trace.size(), 3u);
  ASSERT_EQ(static_cast<int>(trace.size()), s.t.project.image().placementCount);
  for (std::size_t i = 0; i < trace.size(); ++i)
    EXPECT_EQ(std::memcmp(&trace[i].second, &s.t.project.image().placements[i + 1], sizeof(TJoy)),
              0);
  // The double period is the two lines with the same step number.
  std::vector<int> stepNumbers;
  for (const auto& [step, p] : trace) stepNumbers.push_back(step);
  std::sort(stepNumbers.begin(), stepNumbers.end());
  EXPECT_EQ(stepNumbers.front(), 1);
  EXPECT_EQ(stepNumbers.back(), 2);
  EXPECT_EQ(s.run.placedHalfUnits(), 6);
  EXPECT_EQ(s.run.remainingHalfUnits(), 0);
  EXPECT_EQ(s.run.progressPosition(), s.run.progressMaximum());
}

TEST(PlacementEngine, SameSeedGivesTheSameTimetable) {
  auto generate = [](std::uint64_t seed, TieBreak tieBreak) {
    GeneratorFixture f;
    testing::buildRandomSchool(f.t, 11);
    f.t.project.random().reseed(seed);
    GeneratorOptions options;
    options.tieBreak = tieBreak;
    f.runToEnd(options);
    const TLoyiha& image = f.t.project.image();
    return std::vector<TJoy>(image.placements + 1, image.placements + 1 + image.placementCount);
  };
  auto same = [](const std::vector<TJoy>& a, const std::vector<TJoy>& b) {
    return a.size() == b.size() && std::memcmp(a.data(), b.data(), a.size() * sizeof(TJoy)) == 0;
  };
  EXPECT_TRUE(same(generate(5, TieBreak::Random), generate(5, TieBreak::Random)));
  EXPECT_TRUE(same(generate(5, TieBreak::First), generate(6, TieBreak::First)));
}

}  // namespace
}  // namespace jadvalon
