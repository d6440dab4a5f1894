// A small fixed school and a fixed seed give a fixed list of placements. Any change to the
// engine or the passes that changes what a run computes shows up here. The fixture is written
// in the trace format of `jadvalon-cli generate --trace`: step day period kind lesson room1
// room2. To rewrite it after an intended change, run the test with JADVALON_WRITE_GOLDEN=1.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>

#include "school_builder.h"

namespace jadvalon {
namespace {

using testing::GeneratorFixture;

const char* const kFixture = JADVALON_TEST_DATA_DIR "/golden_run.txt";

void buildGoldenSchool(testing::TestProject& t) {
  testing::setWeek(t, 5, 6);
  const int a5 = t.addClass("5-A");
  const int b5 = t.addClass("5-B");
  const int a7 = t.addClass("7-A");
  testing::classById(t, a5).grade = 5;
  testing::classById(t, b5).grade = 5;
  testing::classById(t, a7).grade = 7;
  const int math = t.addSubject("Math");
  const int lang = t.addSubject("Language");
  const int art = t.addSubject("Art");
  const int sport = t.addSubject("Sport");
  const int r101 = t.addRoom("101");
  const int r102 = t.addRoom("102");
  const int gym = t.addRoom("Gym");
  const int ali = t.addTeacher("Ali", 5);
  const int vali = t.addTeacher("Vali", 4);
  const int sobir = t.addTeacher("Sobir", 6);
  const int dilnoza = t.addTeacher("Dilnoza", 0);
  testing::teacherById(t, ali).parallelFlag = 1;
  testing::teacherById(t, ali).gapsFlag = 1;
  testing::teacherById(t, vali).gapsFlag = 1;
  testing::teacherById(t, sobir).methodDays[4] = 1;  // Friday

  const int math5a = t.addLesson(a5, math, ali, 8, {r101});
  testing::lessonById(t, math5a).pairFlag = 1;
  t.addLesson(a5, lang, vali, 6, {r101, r102});
  t.addLesson(a5, art, sobir, 3);
  t.addLesson(a5, sport, dilnoza, 4, {gym});
  t.addLesson(a5, lang, vali, 2, {r101}, sobir, art, {r102});
  const int math5b = t.addLesson(b5, math, ali, 8, {r102});
  testing::lessonById(t, math5b).pairFlag = 1;
  t.addLesson(b5, lang, vali, 5, {r102});
  t.addLesson(b5, sport, dilnoza, 4, {gym});
  t.addLesson(b5, art, sobir, 2);
  const int math7 = t.addLesson(a7, math, ali, 6, {r101, r102});
  const int lang7 = t.addLesson(a7, lang, vali, 4, {r101});
  for (int p = 0; p < kPeriods; ++p) testing::lessonById(t, lang7).grid[0][p] = 0;
  t.addLesson(a7, art, sobir, 1);
  t.addLesson(a7, sport, dilnoza, 2, {gym});

  // A locked placement made by hand before the run.
  ASSERT_TRUE(t.project.appendPlacement(2, 1, 3, math7, r101, 0));
  t.project.edit().placements[1].locked = 1;
}

std::string readFixture() {
  std::ifstream in(kFixture);
  std::string line, lines;
  while (std::getline(in, line))
    if (!line.empty() && line[0] != '#') lines += line + "\n";
  return lines;
}

TEST(GoldenRun, FixedSchoolAndSeedGiveTheFixedPlacements) {
  GeneratorFixture f;
  buildGoldenSchool(f.t);
  f.t.project.random().reseed(20240901);
  std::ostringstream trace;
  f.run.setPlacementSink([&](int step, const TJoy& p) {
    trace << step << ' ' << int(p.day) << ' ' << int(p.period) << ' ' << int(p.kind) << ' '
          << p.lessonId << ' ' << int(p.room1) << ' ' << int(p.room2) << '\n';
  });
  GeneratorOptions options;
  options.considerRooms = true;
  options.teacherGaps = true;
  options.level = 3;
  options.tieBreak = TieBreak::Random;
  f.runToEnd(options);

  if (std::getenv("JADVALON_WRITE_GOLDEN")) {
    std::ofstream out(kFixture);
    out << "# Placements of the golden school (golden_run_test.cpp), seed 20240901, level 3,\n"
           "# rooms considered, teacher gaps on.\n"
           "# step day period kind lesson room1 room2\n"
        << trace.str();
  }
  EXPECT_EQ(trace.str(), readFixture());
}

}  // namespace
}  // namespace jadvalon
