// The shipped descriptions: each compiles without errors or capacity problems, the build's file
// holds exactly the image of its source, and the examples look like real schools.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <set>
#include <vector>

#include "model/prompter.h"
#include "model/text_codec.h"
#include "storage/stored_image.h"
#include "tools/school_compiler/school_compiler.h"

namespace jadvalon::school {
namespace {

namespace fs = std::filesystem;

std::vector<fs::path> sources(const char* folder) {
  std::vector<fs::path> found;
  for (const auto& entry :
       fs::directory_iterator(fs::path(JADVALON_SOURCE_DATA_DIR) / "sources" / folder))
    if (entry.path().extension() == ".school") found.push_back(entry.path());
  std::sort(found.begin(), found.end());
  return found;
}

struct Compiled {
  LanguageTable texts;
  SilentPrompter prompter;
  Project project{texts, prompter};
  CompileReport report;
  explicit Compiled(const fs::path& source) : report(compileSchoolFile(source, project)) {}
};

void expectCompiledAndShipped(const fs::path& source) {
  SCOPED_TRACE(source.string());
  const Compiled compiled(source);
  for (const std::string& error : compiled.report.errors) ADD_FAILURE() << error;
  for (const std::string& problem : compiled.report.problems) ADD_FAILURE() << problem;
  const fs::path output = fs::path(JADVALON_BIN_DIR) / source.parent_path().filename() /
                          (source.stem().string() + ".nol");
  const ReadResult read = readImageFile(output, StoredForm::Plain);
  ASSERT_TRUE(read.ok()) << output << " does not read back";
  EXPECT_EQ(std::memcmp(read.image.get(), compiled.project.bytes(), kImageSize), 0)
      << output << " is not the image of its source";
}

TEST(ShippedSchools, EveryDescriptionCompilesFitsAndIsTheShippedFile) {
  const auto examples = sources("misollar");
  EXPECT_GE(examples.size(), 3u);
  for (const fs::path& source : examples) expectCompiledAndShipped(source);
  expectCompiledAndShipped(fs::path(JADVALON_SOURCE_DATA_DIR) / "sources/andaza/normal.school");
}

TEST(ShippedSchools, TheTemplateIsAnEmptySchoolWithItsWeek) {
  const Compiled compiled(fs::path(JADVALON_SOURCE_DATA_DIR) / "sources/andaza/normal.school");
  ASSERT_TRUE(compiled.report.built());
  const TLoyiha& img = compiled.project.image();
  EXPECT_EQ(img.header.workingDays, 6);
  const int expected[3][2] = {{1, 6}, {7, 6}, {1, 5}};
  for (int s = 0; s < 3; ++s) {
    EXPECT_EQ(img.header.shifts[s].firstPeriod, expected[s][0]);
    EXPECT_EQ(img.header.shifts[s].lessonsPerDay, expected[s][1]);
    EXPECT_EQ(countAvailable(img.header.shifts[s].grid), 6 * expected[s][1]);
  }
  for (const auto& time : img.header.periodTimes) EXPECT_EQ(time.length, 11);  // "08:00-08:45"
  EXPECT_EQ(loadText(img.header.dayNames[0].fullName), "Dushanba");
  EXPECT_EQ(img.classCount + img.subjectCount + img.roomCount + img.teacherCount + img.lessonCount,
            0);
}

// Hours of a grade of a general-education school, in half-units.
std::pair<int, int> weeklyRange(int grade) {
  if (grade <= 4) return {40, 48};
  if (grade <= 9) return {56, 66};
  return {64, 68};
}

struct Kinds {
  bool village = false, city = false, specialised = false;
};

TEST(ShippedSchools, ExamplesArePlausibleSchoolsOfThreeKinds) {
  Kinds kinds;
  for (const fs::path& source : sources("misollar")) {
    SCOPED_TRACE(source.string());
    const Compiled compiled(source);
    ASSERT_TRUE(compiled.report.built());
    const TLoyiha& img = compiled.project.image();
    std::set<int> grades, shifts;
    for (int i = 1; i <= img.classCount; ++i) {
      const TSinf& cls = img.classes[i];
      const auto [low, high] = weeklyRange(cls.grade);
      EXPECT_GE(cls.weeklyLoad, low) << loadText(cls.name);
      EXPECT_LE(cls.weeklyLoad, high) << loadText(cls.name);
      grades.insert(cls.grade);
      shifts.insert(cls.shift);
    }
    bool methodDay = false, gap = false;
    for (int i = 1; i <= img.teacherCount; ++i) {
      const TUqituvchi& t = img.teachers[i];
      EXPECT_GE(t.weeklyLoad, 36) << loadText(t.name);
      EXPECT_LE(t.weeklyLoad, 60) << loadText(t.name);
      EXPECT_GE(t.dailyMaximum, 5) << loadText(t.name);
      EXPECT_LE(t.dailyMaximum, 7) << loadText(t.name);
      methodDay = methodDay || std::count(t.methodDays, t.methodDays + kDays, 1) > 0;
      gap = gap || t.availableCount < kGridCells;
    }
    EXPECT_TRUE(methodDay);
    EXPECT_TRUE(gap);
    bool otherSubject = false, halfHour = false, pair = false;
    for (int i = 1; i <= img.lessonCount; ++i) {
      const TDars& l = img.lessons[i];
      otherSubject = otherSubject || (l.twoGroups && l.subject1 != l.subject2);
      halfHour = halfHour || l.weeklyLoad == 1;
      pair = pair || l.pairFlag;
    }
    kinds.village =
        kinds.village || (grades.size() == 11 && img.classCount <= 12 && shifts.size() == 1);
    kinds.city = kinds.city || (img.classCount >= 30 && shifts.size() == 2 &&
                                img.teacherCount >= 50 && img.roomCount >= 28);
    kinds.specialised = kinds.specialised || (otherSubject && halfHour && pair);
  }
  EXPECT_TRUE(kinds.village);
  EXPECT_TRUE(kinds.city);
  EXPECT_TRUE(kinds.specialised);
}

}  // namespace
}  // namespace jadvalon::school
