// Properties every run must keep, over many generated schools: no clash, nothing outside an
// availability grid or on a method day, no teacher over the daily maximum, no lesson over its
// load, rooms only from the lessons' lists, and a run that ends.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>

#include "generator/timetable_check.h"
#include "school_builder.h"

namespace jadvalon {
namespace {

using testing::GeneratorFixture;

bool listHas(int count, const std::uint16_t* ids, int roomId) {
  return std::find(ids, ids + std::min(count, 10), roomId) != ids + std::min(count, 10);
}

void expectSoundTimetable(GeneratorFixture& f, const GeneratorOptions& options, int steps,
                          std::uint32_t seed) {
  const Project& project = f.t.project;
  const TLoyiha& image = project.image();
  const TimetableFaults faults = checkTimetable(image, project.ids());
  EXPECT_TRUE(faults.clashes.empty()) << "seed " << seed;
  EXPECT_TRUE(faults.forbidden.empty()) << "seed " << seed;
  EXPECT_TRUE(faults.overloaded.empty()) << "seed " << seed;
  EXPECT_TRUE(faults.overDailyMaximum.empty()) << "seed " << seed;

  for (int n = 1; n <= image.placementCount; ++n) {
    const TJoy& p = image.placements[n];
    const TDars& lesson = image.lessons[project.ids().lessonSlot(p.lessonId)];
    if (!options.considerRooms) {
      EXPECT_EQ(p.room1, 0) << "seed " << seed;
      EXPECT_EQ(p.room2, 0) << "seed " << seed;
      continue;
    }
    if (lesson.roomCount1 > 0) {
      EXPECT_TRUE(listHas(lesson.roomCount1, lesson.rooms1, p.room1)) << "seed " << seed;
      EXPECT_NE(image.rooms[project.ids().roomSlot(p.room1)].grid[p.day - 1][p.period - 1], 0)
          << "seed " << seed;
    }
    if (p.room2 != 0) {
      EXPECT_TRUE(listHas(lesson.roomCount2, lesson.rooms2, p.room2)) << "seed " << seed;
      EXPECT_NE(image.rooms[project.ids().roomSlot(p.room2)].grid[p.day - 1][p.period - 1], 0)
          << "seed " << seed;
    }
  }

  // Pending is load minus what is placed, never below 0; the run ended within one step per
  // half-unit (plus the step that found nothing).
  int stillPending = 0;
  for (int l = 1; l <= image.lessonCount; ++l) {
    int units = 0;
    for (int n = 1; n <= image.placementCount; ++n)
      if (image.placements[n].lessonId == image.lessons[l].id)
        units += image.placements[n].kind == 3 ? 2 : 1;
    EXPECT_EQ(f.index.lessonPending(l), image.lessons[l].weeklyLoad - units) << "seed " << seed;
    stillPending += f.index.lessonPending(l);
  }
  EXPECT_EQ(f.run.remainingHalfUnits(), stillPending);
  EXPECT_LE(steps, f.run.totalHalfUnits() + 1);
  EXPECT_FALSE(f.run.running());

  // Indexing one placement at a time leaves the same index as rebuilding it.
  OccupancyIndex rebuilt;
  rebuilt.rebuild(image, project.ids());
  for (int c = 1; c <= image.classCount; ++c)
    EXPECT_EQ(std::memcmp(&rebuilt.classTable(c), &f.index.classTable(c), sizeof(TBandlik)), 0);
  for (int t = 1; t <= image.teacherCount; ++t)
    EXPECT_EQ(std::memcmp(&rebuilt.teacherTable(t), &f.index.teacherTable(t), sizeof(TBandlik)), 0);
}

TEST(GeneratedSchools, EveryRunKeepsTheRules) {
  int totalPlaced = 0;
  int totalLoad = 0;
  for (std::uint32_t seed = 1; seed <= 30; ++seed) {
    GeneratorFixture f;
    testing::buildRandomSchool(f.t, seed);
    f.t.project.random().reseed(seed);
    GeneratorOptions options;
    options.considerRooms = seed % 3 != 0;
    options.teacherGaps = seed % 2 == 0;
    options.level = 1 + static_cast<int>(seed % 3);
    options.tieBreak = seed % 5 == 0 ? TieBreak::First : TieBreak::Random;
    const int steps = f.runToEnd(options);
    expectSoundTimetable(f, options, steps, seed);
    totalPlaced += f.run.placedHalfUnits();
    totalLoad += f.run.totalHalfUnits();
  }
  // Not a quality target, only a guard against a generator that silently places nothing.
  EXPECT_GT(totalPlaced, totalLoad / 2);
}

TEST(GeneratedSchools, RunsOnTopOfPlacementsMadeByHand) {
  for (std::uint32_t seed = 100; seed < 106; ++seed) {
    GeneratorFixture f;
    testing::buildRandomSchool(f.t, seed);
    f.t.project.random().reseed(seed);
    // A first run at level 1, half of its placements kept as if made by hand, then a second run.
    f.runToEnd(GeneratorOptions{});
    TLoyiha& image = f.t.project.edit();
    for (int n = image.placementCount; n >= 1; n -= 2) f.t.project.deletePlacement(n);
    std::vector<TJoy> kept(image.placements + 1, image.placements + 1 + image.placementCount);
    GeneratorOptions options;
    options.level = 2;
    options.teacherGaps = true;
    const int steps = f.runToEnd(options);
    expectSoundTimetable(f, options, steps, seed);
    EXPECT_EQ(std::memcmp(kept.data(), image.placements + 1, kept.size() * sizeof(TJoy)), 0);
  }
}

}  // namespace
}  // namespace jadvalon
