// jadvalon-cli generate and check on files a user could hand them.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <fstream>
#include <sstream>

#include "cli/cli_runner.h"
#include "model/test_support.h"
#include "storage/stored_image.h"
#include "storage/temp_folder.h"

namespace jadvalon {
namespace {

std::string readText(const std::filesystem::path& path) {
  std::ifstream in(path);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

struct GenerateCheck : ::testing::Test {
  GenerateCheck() {
    TLoyiha& image = school.project.edit();
    image.header.workingDays = 5;
    image.header.shifts[0].firstPeriod = 1;
    image.header.shifts[0].lessonsPerDay = 6;
    school.project.deriveShiftGrids();
    classA = school.addClass("5-A");
    classB = school.addClass("5-B");
    math = school.addSubject("Matematika");
    history = school.addSubject("Tarix");
    karimova = school.addTeacher("Karimova", 5);
    aliyev = school.addTeacher("Aliyev", 5);
    room = school.addRoom("101");
    school.addLesson(classA, math, karimova, 8, {room});
    school.addLesson(classA, history, aliyev, 5);
    school.addLesson(classB, math, karimova, 6, {room});
    school.addLesson(classB, history, aliyev, 3);
    save("school.nol");
  }
  void save(const std::string& name) {
    testing::writeBytes(dir / name, encodeImage(school.project.image(),
                                                name.ends_with(".nol") ? StoredForm::Plain
                                                                       : StoredForm::ProjectFile));
  }
  testing::CliRun cli(const std::vector<std::string>& args) {
    return testing::runCli(args, dir / "stderr.txt");
  }
  std::string path(const std::string& name) { return (dir / name).string(); }
  std::unique_ptr<TLoyiha> read(const std::string& name) {
    ReadResult result = readImageFile(dir / name);
    EXPECT_TRUE(result.ok()) << name;
    return std::move(result.image);
  }

  testing::TempFolder dir;
  testing::TestProject school;
  int classA = 0, classB = 0, math = 0, history = 0, karimova = 0, aliyev = 0, room = 0;
};

TEST_F(GenerateCheck, GenerateWritesATimetableThatCheckAccepts) {
  for (const char* out : {"out.jdn", "out.nol"}) {
    const auto run = cli({"generate", path("school.nol"), "-o", path(out), "--json"});
    ASSERT_EQ(run.status, 0) << run.err;
    for (const char* key : {"\"total_half_units\":22", "\"placed_half_units\":22",
                            "\"unplaced_lessons\":[]", "\"class_gaps\":", "\"teacher_gaps\":",
                            "\"over_daily_max\":0", "\"steps\":", "\"seconds\":"})
      EXPECT_NE(run.out.find(key), std::string::npos) << key << " in " << run.out;
    const auto image = read(out);
    ASSERT_TRUE(image);
    EXPECT_GE(image->placementCount, 9);
    const auto check = cli({"check", path(out)});
    EXPECT_EQ(check.status, 0) << check.out;
    EXPECT_EQ(check.out, "No problems found\n");
  }
  // The form of the output follows its name.
  EXPECT_EQ(readImageFile(dir / "out.nol", StoredForm::Plain).error, ReadError::None);
  EXPECT_EQ(readImageFile(dir / "out.jdn", StoredForm::ProjectFile).error, ReadError::None);
}

TEST_F(GenerateCheck, TextSummaryNamesTheUnplacedLessons) {
  // Tarix for 5-B can only be given on Monday at period 1: one of its two hours stays pending.
  TDars& lesson = school.project.edit().lessons[4];
  fillGrid(lesson.grid, 0);
  lesson.grid[0][0] = 1;
  lesson.weeklyLoad = 4;
  save("tight.jdn");
  const auto run = cli({"generate", path("tight.jdn"), "-o", path("out.jdn"), "--seed", "1"});
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_NE(run.out.find("Unplaced lessons: 1\n  5-B, Tarix, Aliyev: 1 h pending\n"),
            std::string::npos)
      << run.out;
  EXPECT_NE(run.out.find("Placed 21 of 23 half-units"), std::string::npos) << run.out;
}

TEST_F(GenerateCheck, SameSeedOrFirstTieBreakGivesTheSameTimetable) {
  for (const std::vector<std::string>& options :
       {std::vector<std::string>{"--seed", "42"},
        std::vector<std::string>{"--tiebreak", "first"}}) {
    for (const char* name : {"a", "b"}) {
      std::vector<std::string> args = {"generate",
                                       path("school.nol"),
                                       "-o",
                                       path(std::string(name) + ".nol"),
                                       "--trace",
                                       path(std::string(name) + ".trace"),
                                       "--level",
                                       "3",
                                       "--teacher-gaps"};
      args.insert(args.end(), options.begin(), options.end());
      ASSERT_EQ(cli(args).status, 0);
    }
    EXPECT_EQ(testing::readBytes(dir / "a.nol"), testing::readBytes(dir / "b.nol"));
    const std::string trace = readText(dir / "a.trace");
    EXPECT_EQ(trace, readText(dir / "b.trace"));
    // One line per placement: step day period kind lesson room1 room2, steps from 1.
    const auto image = read("a.nol");
    EXPECT_EQ(std::count(trace.begin(), trace.end(), '\n'), image->placementCount);
    std::istringstream lines(trace);
    int step, day, period, kind, lessonId, room1, room2;
    ASSERT_TRUE(lines >> step >> day >> period >> kind >> lessonId >> room1 >> room2);
    EXPECT_EQ(step, 1);
    EXPECT_EQ(day, image->placements[1].day);
    EXPECT_EQ(period, image->placements[1].period);
    EXPECT_EQ(lessonId, image->placements[1].lessonId);
  }
}

TEST_F(GenerateCheck, IgnoreRoomsAndClearUnlocked) {
  // A locked and an unlocked placement made by hand; Tarix of 5-A may only be on Tuesday.
  TDars& lesson = school.project.edit().lessons[2];
  for (int p = 0; p < kPeriods; ++p) lesson.grid[0][p] = 0;
  ASSERT_TRUE(school.project.appendPlacement(1, 1, 3, 2, 0, 0));  // Tarix 5-A, Monday: unlocked
  ASSERT_TRUE(school.project.appendPlacement(1, 2, 3, 1, 1, 0));  // Matematika 5-A: locked
  school.project.edit().placements[2].locked = 1;
  save("placed.jdn");

  ASSERT_EQ(cli({"generate", path("placed.jdn"), "-o", path("kept.jdn"), "--ignore-rooms"}).status,
            0);
  const auto kept = read("kept.jdn");
  EXPECT_EQ(std::memcmp(&kept->placements[1], &school.project.image().placements[1], 10), 0);
  EXPECT_EQ(std::memcmp(&kept->placements[2], &school.project.image().placements[2], 10), 0);
  for (int n = 3; n <= kept->placementCount; ++n) {
    EXPECT_EQ(kept->placements[n].room1, 0);
    EXPECT_EQ(kept->placements[n].room2, 0);
  }

  ASSERT_EQ(
      cli({"generate", path("placed.jdn"), "-o", path("cleared.jdn"), "--clear-unlocked"}).status,
      0);
  const auto cleared = read("cleared.jdn");
  EXPECT_EQ(std::memcmp(&cleared->placements[1], &school.project.image().placements[2], 10), 0);
  for (int n = 2; n <= cleared->placementCount; ++n) {
    const TJoy& p = cleared->placements[n];
    EXPECT_TRUE(p.lessonId != 2 || p.day != 1) << n;
    EXPECT_TRUE(p.lessonId != 1 || p.room1 == room) << n;
  }
}

TEST_F(GenerateCheck, CheckReportsEveryKindOfFaultAndExits1) {
  // By hand: 5-A has two lessons at Monday period 1; Karimova teaches 5-A and 5-B at Tuesday
  // period 2 in the same room; Tarix of 5-B is placed beyond its load.
  school.project.edit().teachers[1].methodDays[3] = 1;  // Karimova: Thursday
  school.project.edit().teachers[2].dailyMaximum = 2;   // Aliyev
  ASSERT_TRUE(school.project.appendPlacement(1, 1, 3, 1, 0, 0));
  ASSERT_TRUE(school.project.appendPlacement(1, 1, 1, 2, 0, 0));
  ASSERT_TRUE(school.project.appendPlacement(2, 2, 3, 1, room, 0));
  ASSERT_TRUE(school.project.appendPlacement(2, 2, 3, 3, room, 0));
  for (int p = 1; p <= 3; ++p) ASSERT_TRUE(school.project.appendPlacement(3, p, 3, 4, 0, 0));
  ASSERT_TRUE(school.project.appendPlacement(4, 6, 3, 3, 0, 0));
  save("clashing.jdn");

  const auto run = cli({"check", path("clashing.jdn")});
  EXPECT_EQ(run.status, 1);
  for (const char* line :
       {"Clash: class 5-A, Monday period 1, week 1: placements 1, 2\n",
        "Clash: teacher Karimova, Tuesday period 2, both weeks: placements 3, 4\n",
        "Clash: room 101, Tuesday period 2, both weeks: placements 3, 4\n",
        "Not allowed: placement 8 (5-B Matematika, Thursday period 6): it is a method day of "
        "teacher Karimova\n",
        "Over its load: lesson 5-B Tarix (id 4): 6 half-units placed, load 3\n",
        "Over the daily maximum: teacher Aliyev, Wednesday: 6 half-units placed, maximum 2 "
        "lessons\n"})
    EXPECT_NE(run.out.find(line), std::string::npos) << line << "in\n" << run.out;

  const auto json = cli({"check", path("clashing.jdn"), "--json"});
  EXPECT_EQ(json.status, 1);
  EXPECT_NE(json.out.find("\"problems\":6"), std::string::npos) << json.out;
  EXPECT_NE(json.out.find("{\"resource\":\"class\",\"name\":\"5-A\",\"day\":1,\"period\":1,"
                          "\"weeks\":[1],\"placements\":[1,2]}"),
            std::string::npos)
      << json.out;
}

TEST_F(GenerateCheck, DamagedFilesAndBadArgumentsGiveStatus2) {
  auto bytes = testing::readBytes(dir / "school.nol");
  bytes.resize(bytes.size() / 2);
  testing::writeBytes(dir / "cut.nol", bytes);
  for (const std::vector<std::string>& args :
       {std::vector<std::string>{"generate", path("cut.nol"), "-o", path("x.jdn")},
        std::vector<std::string>{"check", path("cut.nol")},
        std::vector<std::string>{"check", path("missing.jdn"), "--json"}}) {
    const auto run = cli(args);
    EXPECT_EQ(run.status, 2) << args[1];
    EXPECT_TRUE(run.out.empty());
    EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
  }
  EXPECT_FALSE(std::filesystem::exists(dir / "x.jdn"));
  for (const std::vector<std::string>& args :
       {std::vector<std::string>{"generate", path("school.nol")},
        std::vector<std::string>{"generate", path("school.nol"), "-o", path("x.jdn"), "--level",
                                 "4"},
        std::vector<std::string>{"generate", path("school.nol"), "-o", path("x.jdn"), "--seed",
                                 "abc"},
        std::vector<std::string>{"generate", path("school.nol"), "-o", path("x.jdn"), "--tiebreak",
                                 "last"},
        std::vector<std::string>{"check"}}) {
    EXPECT_EQ(cli(args).status, 2) << args.back();
  }
}

}  // namespace
}  // namespace jadvalon
