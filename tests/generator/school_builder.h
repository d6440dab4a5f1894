// Schools for the generator tests: the working week, direct access to records by id, running
// the generator to its end, and a seeded builder of random small schools.
#pragma once

#include <algorithm>
#include <cstdint>
#include <random>
#include <vector>

#include "generator/run_control.h"
#include "model/occupancy_index.h"
#include "model/test_support.h"

namespace jadvalon::testing {

// A week of `workingDays` days with `periods` periods from period 1, as shift 1. Call it before
// adding classes: a new class takes the grid of shift 1.
inline void setWeek(TestProject& t, int workingDays, int periods) {
  TLoyiha& image = t.project.edit();
  image.header.workingDays = static_cast<std::uint8_t>(workingDays);
  image.header.shifts[0].firstPeriod = 1;
  image.header.shifts[0].lessonsPerDay = static_cast<std::uint8_t>(periods);
  t.project.deriveShiftGrids();
}

inline TSinf& classById(TestProject& t, int id) {
  return t.project.edit().classes[t.project.ids().classSlot(id)];
}
inline TUqituvchi& teacherById(TestProject& t, int id) {
  return t.project.edit().teachers[t.project.ids().teacherSlot(id)];
}
inline TFan& subjectById(TestProject& t, int id) {
  return t.project.edit().subjects[t.project.ids().subjectSlot(id)];
}
inline TXona& roomById(TestProject& t, int id) {
  return t.project.edit().rooms[t.project.ids().roomSlot(id)];
}
inline TDars& lessonById(TestProject& t, int id) {
  return t.project.edit().lessons[t.project.ids().lessonSlot(id)];
}
inline int lessonSlot(TestProject& t, int id) { return t.project.ids().lessonSlot(id); }

// Keeps only the given (day, period) cells of a grid open, 1-based.
inline void openOnly(Grid& grid, std::initializer_list<std::pair<int, int>> cells) {
  fillGrid(grid, 0);
  for (const auto& [d, p] : cells) grid[d - 1][p - 1] = 1;
}

// The placements of one lesson, in list order.
inline std::vector<TJoy> placementsOf(const Project& project, int lessonId) {
  std::vector<TJoy> result;
  const TLoyiha& image = project.image();
  for (int n = 1; n <= image.placementCount; ++n)
    if (image.placements[n].lessonId == lessonId) result.push_back(image.placements[n]);
  return result;
}

// A project with its index and run control, ready to run the generator.
struct GeneratorFixture {
  TestProject t;
  OccupancyIndex index;
  RunControl run{t.project, index};

  // Starts a run and steps it to its end; returns the number of steps.
  int runToEnd(const GeneratorOptions& options) {
    run.start(options);
    run.runToEnd();
    return run.steps();
  }
};

inline GeneratorOptions deterministic(GeneratorOptions options = {}) {
  options.tieBreak = TieBreak::First;
  return options;
}

// A random small school: sizes, grades, availability holes, method days, daily maxima, split,
// half-hour and pair lessons all vary with the seed.
inline void buildRandomSchool(TestProject& t, std::uint32_t seed) {
  std::mt19937 rng(seed);
  auto pick = [&](int low, int high) { return std::uniform_int_distribution<int>(low, high)(rng); };
  auto chance = [&](int percent) { return pick(1, 100) <= percent; };
  auto punchHoles = [&](Grid& grid, int percent) {
    for (auto& day : grid)
      for (auto& cell : day)
        if (cell != 0 && chance(percent)) cell = 0;
  };

  const int workingDays = pick(5, 6);
  const int periods = pick(4, 7);
  setWeek(t, workingDays, periods);

  std::vector<int> classes, subjects, rooms, teachers;
  for (int i = 0, n = pick(1, 3); i < n; ++i) {
    const int id = t.addClass("C" + std::to_string(i));
    TSinf& c = classById(t, id);
    c.grade = static_cast<std::uint8_t>(chance(70) ? 5 : pick(0, 11));
    if (chance(30)) punchHoles(c.grid, 10);
    c.availableCount = countAvailable(c.grid);
    classes.push_back(id);
  }
  for (int i = 0, n = pick(2, 6); i < n; ++i) {
    const int id = t.addSubject("S" + std::to_string(i));
    if (chance(25)) punchHoles(subjectById(t, id).grid, 15);
    subjects.push_back(id);
  }
  for (int i = 0, n = pick(1, 4); i < n; ++i) {
    const int id = t.addRoom("R" + std::to_string(i));
    if (chance(30)) punchHoles(roomById(t, id).grid, 20);
    rooms.push_back(id);
  }
  for (int i = 0, n = pick(2, 7); i < n; ++i) {
    const int id = t.addTeacher("T" + std::to_string(i), chance(15) ? 0 : pick(1, 6));
    TUqituvchi& teacher = teacherById(t, id);
    teacher.gapsFlag = chance(50);
    teacher.parallelFlag = chance(50);
    if (chance(30)) teacher.methodDays[pick(0, kDays - 1)] = 1;
    if (chance(30)) punchHoles(teacher.grid, 15);
    teachers.push_back(id);
  }

  auto any = [&](const std::vector<int>& ids) { return ids[pick(0, int(ids.size()) - 1)]; };
  auto someRooms = [&]() {
    std::vector<int> list;
    for (int i = 0, n = pick(0, 2); i < n; ++i) {
      const int r = any(rooms);
      if (std::find(list.begin(), list.end(), r) == list.end()) list.push_back(r);
    }
    return list;
  };
  const int loads[] = {1, 2, 2, 3, 4, 4, 5, 6, 8};
  for (const int c : classes) {
    const int capacity = workingDays * periods * 2;
    int load = 0;
    const int target = capacity * pick(40, 95) / 100;
    while (load < target && t.project.image().lessonCount < 200) {
      const int l = loads[pick(0, 8)];
      const bool split = chance(15) && teachers.size() > 1;
      const int teacher1 = any(teachers);
      int teacher2 = 0;
      if (split)
        while ((teacher2 = any(teachers)) == teacher1) {
        }
      const int id = t.addLesson(c, any(subjects), teacher1, l, someRooms(), teacher2,
                                 split && chance(50) ? any(subjects) : 0,
                                 split ? someRooms() : std::vector<int>{});
      TDars& lesson = lessonById(t, id);
      if ((l == 4 || l == 8) && chance(40)) lesson.pairFlag = 1;
      if (chance(15)) {
        punchHoles(lesson.grid, 20);
        lesson.availableCount = countAvailable(lesson.grid);
      }
      load += l;
    }
  }
}

}  // namespace jadvalon::testing
