// Building the image of a tiny described school: ids, names, grids, groups and loads are what
// the program's own editors would have made.
#include "tools/school_compiler/school_builder.h"

#include <gtest/gtest.h>

#include <cstring>

#include "model/prompter.h"
#include "model/text_codec.h"
#include "tools/school_compiler/description_parser.h"

namespace jadvalon::school {
namespace {

const char kTiny[] =
    "[school]\n"
    "institution: Sinov maktabi\n"
    "director: Karimov Anvar\n"
    "deputy: Rasulova Nodira\n"
    "psychologist: Egamova Zebo\n"
    "town: Kitob\n"
    "year: 2024-2025\n"
    "days: 5\n"
    "[shifts]\n"
    "1 | 1 | 5\n"
    "2 | 7 | 4\n"
    "[periods]\n"
    "1 | 08:00-08:45\n"
    "[subjects]\n"
    "Matematika | Mat | 10\n"
    "Ingliz tili | Ingl | 8 | bands 1,2,3,4,5,6,7\n"
    "Nemis tili | Nem | 8\n"
    "[rooms]\n"
    "Matematika xonasi | M1\n"
    "Ingliz tili xonasi | I1\n"
    "Nemis tili xonasi | N1\n"
    "[classes]\n"
    "5-A sinf | 5A | 5 | 1\n"
    "7-B sinf | 7B | 7 | 2 | off Ju\n"
    "[teachers]\n"
    "Karimova Dilnoza | KarD | 6 | method Ch | gaps\n"
    "Aliyev Botir | AliB | 5 | off Du1-2 | phone 901234567 | parallel\n"
    "Nazarova Oydin | NazO | 7\n"
    "[lessons]\n"
    "5A | Mat | KarD | 4 | rooms M1 | pair\n"
    "7B | Ingl | AliB | 2,5 | rooms I1, M1 | teacher2 NazO | subject2 Nem | rooms2 N1\n"
    "7B | Mat | KarD | 0,5\n"
    "5A | Ingl | AliB | 3 | rooms I1 | teacher2 NazO\n";

class SchoolBuilderTest : public ::testing::Test {
 protected:
  void SetUp() override {
    const ParseResult parsed = parseSchoolDescription(kTiny, "tiny.school");
    ASSERT_TRUE(parsed.school.has_value()) << parsed.errors.front();
    buildSchool(*parsed.school, project);
  }
  const TLoyiha& img() const { return project.image(); }

  LanguageTable texts;
  SilentPrompter prompter;
  Project project{texts, prompter};
};

TEST_F(SchoolBuilderTest, FillsTheHeaderDayNamesAndShiftGrids) {
  const TLoyihaHeader& h = img().header;
  EXPECT_EQ(loadText(h.institution), "Sinov maktabi");
  EXPECT_EQ(loadText(h.academicYear), "2024-2025");
  EXPECT_EQ(h.workingDays, 5);
  EXPECT_EQ(loadText(h.dayNames[2].fullName), "Chorshanba");
  EXPECT_EQ(loadText(h.dayNames[6].shortName), "Ya");
  EXPECT_EQ(loadText(h.periodTimes[0]), "08:00-08:45");
  EXPECT_EQ(loadText(h.periodTimes[1]), "");
  EXPECT_EQ(loadText(img().teachers[kDeputyDirectorSlot].name), "Rasulova Nodira");
  EXPECT_EQ(loadText(img().teachers[kPsychologistSlot].name), "Egamova Zebo");
  // Shift 2: periods 7..10 of Monday to Friday; Saturday stays closed with five working days.
  EXPECT_EQ(countAvailable(h.shifts[1].grid), 5 * 4);
  EXPECT_EQ(h.shifts[1].grid[0][6], 1);
  EXPECT_EQ(h.shifts[1].grid[0][10], 0);
  EXPECT_EQ(h.shifts[1].grid[5][6], 0);
  EXPECT_EQ(countAvailable(h.shifts[2].grid), 0);
}

TEST_F(SchoolBuilderTest, RecordsGetIdsInOrderAndTheirOwnFields) {
  ASSERT_EQ(img().classCount, 2);
  ASSERT_EQ(img().subjectCount, 3);
  ASSERT_EQ(img().roomCount, 3);
  ASSERT_EQ(img().teacherCount, 3);
  ASSERT_EQ(img().lessonCount, 4);
  EXPECT_EQ(img().classes[2].id, 2);
  EXPECT_EQ(img().lessons[4].id, 4);
  EXPECT_EQ(loadText(img().rooms[3].shortName), "N1");
  EXPECT_EQ(img().rooms[3].reserved, 1);
  EXPECT_EQ(img().subjects[2].difficulty, 8);
  EXPECT_EQ(img().subjects[2].difficultyBand[6], 7);
  EXPECT_EQ(img().subjects[1].difficultyBand[6], 10);

  const TSinf& b7 = img().classes[2];
  EXPECT_EQ(b7.shift, 2);
  EXPECT_EQ(b7.grade, 7);
  EXPECT_EQ(b7.availableCount, 4 * 4);  // shift 2 without Friday
  EXPECT_EQ(b7.grid[4][7], 0);
  EXPECT_EQ(b7.grid[3][7], 1);
  EXPECT_EQ(std::memcmp(img().classes[1].grid, img().header.shifts[0].grid, sizeof(Grid)), 0);

  const TUqituvchi& kar = img().teachers[1];
  const TUqituvchi& ali = img().teachers[2];
  EXPECT_EQ(kar.methodDays[2], 1);
  EXPECT_EQ(kar.methodDays[3], 0);
  EXPECT_EQ(kar.gapsFlag, 1);
  EXPECT_EQ(ali.parallelFlag, 1);
  EXPECT_EQ(ali.dailyMaximum, 5);
  EXPECT_EQ(ali.availableCount, kGridCells - 2);
  EXPECT_EQ(ali.grid[0][1], 0);
  EXPECT_EQ(loadText(ali.phone), "901234567");
  EXPECT_EQ(loadText(kar.phone), "");
}

TEST_F(SchoolBuilderTest, LessonsKeepTheirGroupsRoomsAndPairs) {
  const TDars& pair = img().lessons[1];
  EXPECT_EQ(pair.weeklyLoad, 8);
  EXPECT_EQ(pair.pairFlag, 1);
  EXPECT_EQ(pair.twoGroups, 0);
  EXPECT_EQ(pair.teacher2, pair.teacher1);
  EXPECT_EQ(pair.subject2, pair.subject1);
  EXPECT_EQ(pair.roomCount2, 0);

  const TDars& split = img().lessons[2];
  EXPECT_EQ(split.classId, 2);
  EXPECT_EQ(split.weeklyLoad, 5);
  EXPECT_EQ(split.twoGroups, 1);
  EXPECT_EQ(split.teacher1, 2);
  EXPECT_EQ(split.teacher2, 3);
  EXPECT_EQ(split.subject1, 2);
  EXPECT_EQ(split.subject2, 3);
  ASSERT_EQ(split.roomCount1, 2);
  EXPECT_EQ(split.rooms1[0], 2);
  EXPECT_EQ(split.rooms1[1], 1);
  ASSERT_EQ(split.roomCount2, 1);
  EXPECT_EQ(split.rooms2[0], 3);

  EXPECT_EQ(img().lessons[3].weeklyLoad, 1);
  EXPECT_EQ(img().lessons[3].roomCount1, 0);
  EXPECT_EQ(img().lessons[4].subject2, img().lessons[4].subject1);  // same subject, two groups
}

TEST_F(SchoolBuilderTest, LoadsCountBothGroups) {
  EXPECT_EQ(img().classes[1].weeklyLoad, 8 + 6);
  EXPECT_EQ(img().classes[2].weeklyLoad, 5 + 1);
  EXPECT_EQ(img().teachers[1].weeklyLoad, 8 + 1);
  EXPECT_EQ(img().teachers[2].weeklyLoad, 5 + 6);
  EXPECT_EQ(img().teachers[3].weeklyLoad, 5 + 6);
  EXPECT_EQ(img().subjects[2].weeklyLoad, 5 + 6);  // a two-group lesson of one subject: once
  EXPECT_EQ(img().subjects[3].weeklyLoad, 5);
  EXPECT_EQ(img().rooms[1].weeklyLoad, 8 + 5);
  EXPECT_EQ(img().rooms[2].weeklyLoad, 5 + 6);
  EXPECT_EQ(img().rooms[3].weeklyLoad, 5);
}

TEST_F(SchoolBuilderTest, TheSameDescriptionGivesTheSameBytes) {
  LanguageTable otherTexts;
  SilentPrompter otherPrompter;
  Project other(otherTexts, otherPrompter);
  other.random().reseed(12345);  // the builder must not depend on the generator's state
  buildSchool(*parseSchoolDescription(kTiny, "tiny.school").school, other);
  EXPECT_EQ(std::memcmp(project.bytes(), other.bytes(), kImageSize), 0);
  EXPECT_NE(img().teachers[1].colour, 0u);
  // The edit buffers are left blank.
  EXPECT_EQ(img().lessonBuffer.weeklyLoad, 0);
  EXPECT_EQ(img().teacherBuffer.name.length, 0);
}

}  // namespace
}  // namespace jadvalon::school
