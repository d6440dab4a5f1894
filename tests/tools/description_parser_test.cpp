// The description reader: a valid description reads without errors, and every kind of bad line
// is reported with the file, its line number and what is wrong.
#include "tools/school_compiler/description_parser.h"

#include <gtest/gtest.h>

#include <string>

namespace jadvalon::school {
namespace {

// Line numbers matter below: every case replaces or adds lines of this text.
const std::string kValid =
    "[school]\n"                                                        // 1
    "institution: Sinov maktabi\n"                                      // 2
    "days: 5\n"                                                         // 3
    "[shifts]\n"                                                        // 4
    "1 | 1 | 6\n"                                                       // 5
    "[periods]\n"                                                       // 6
    "1 | 08:00-08:45\n"                                                 // 7
    "[subjects]\n"                                                      // 8
    "Matematika | Mat | 10\n"                                           // 9
    "Ingliz tili | Ingl | 8\n"                                          // 10
    "[rooms]\n"                                                         // 11
    "Matematika xonasi | M1\n"                                          // 12
    "Ingliz tili xonasi | I1\n"                                         // 13
    "[classes]\n"                                                       // 14
    "5-A sinf | 5A | 5 | 1\n"                                           // 15
    "[teachers]\n"                                                      // 16
    "Karimova Dilnoza | KarD | 6 | method Ju\n"                         // 17
    "Aliyev Botir | AliB | 6 | off Du1-2 | phone 901234567\n"           // 18
    "[lessons]\n"                                                       // 19
    "5A | Mat | KarD | 4 | rooms M1 | pair\n"                           // 20
    "5A | Ingl | AliB | 2,5 | rooms I1 | teacher2 KarD | rooms2 M1\n";  // 21

std::string replaceLine(const std::string& text, int number, const std::string& line) {
  std::string out;
  int n = 0;
  std::size_t start = 0;
  while (start < text.size()) {
    const std::size_t end = text.find('\n', start);
    ++n;
    out += (n == number ? line : text.substr(start, end - start)) + "\n";
    start = end + 1;
  }
  return out;
}

TEST(DescriptionParser, ReadsAValidDescription) {
  const ParseResult result = parseSchoolDescription(kValid, "test.school");
  ASSERT_TRUE(result.errors.empty()) << result.errors.front();
  ASSERT_TRUE(result.school.has_value());
  const SchoolDescription& s = *result.school;
  EXPECT_EQ(s.workingDays, 5);
  EXPECT_EQ(s.shifts[0].firstPeriod, 1);
  EXPECT_EQ(s.shifts[1].firstPeriod, 0);
  ASSERT_EQ(s.lessons.size(), 2u);
  EXPECT_EQ(s.lessons[0].halfUnits, 8);
  EXPECT_TRUE(s.lessons[0].pair);
  EXPECT_EQ(s.lessons[1].halfUnits, 5);
  EXPECT_EQ(s.lessons[1].teacher1, 1);
  EXPECT_EQ(s.lessons[1].teacher2, 0);
  EXPECT_EQ(s.lessons[1].subject2, 1);  // a second group without subject2 keeps the subject
  EXPECT_EQ(s.lessons[1].rooms2, std::vector<int>{0});
  EXPECT_TRUE(s.teachers[0].methodDays[4]);
  EXPECT_TRUE(s.teachers[1].off[0][1]);
  EXPECT_FALSE(s.teachers[1].off[0][2]);
}

struct BadLine {
  int line;  // 0: the text is replaced whole
  std::string text;
  std::string expected;  // the whole message must contain it
};

class DescriptionParserErrors : public ::testing::TestWithParam<BadLine> {};

TEST_P(DescriptionParserErrors, ReportsFileLineAndReason) {
  const BadLine& bad = GetParam();
  const std::string text = bad.line > 0 ? replaceLine(kValid, bad.line, bad.text) : bad.text;
  const ParseResult result = parseSchoolDescription(text, "test.school");
  EXPECT_FALSE(result.school.has_value());
  ASSERT_FALSE(result.errors.empty());
  EXPECT_NE(result.errors.front().find(bad.expected), std::string::npos) << result.errors.front();
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DescriptionParserErrors,
    ::testing::Values(
        BadLine{20, "5A | Mat | XoY | 4", "test.school:20: unknown teacher \"XoY\""},
        BadLine{20, "6B | Mat | KarD | 4", "test.school:20: unknown class \"6B\""},
        BadLine{20, "5A | Mat | KarD | 4 | rooms M1, Z9", "test.school:20: unknown room \"Z9\""},
        BadLine{20, "5A | Mat | KarD | 5,5", "test.school:20: bad hours \"5,5\""},
        BadLine{20, "5A | Mat | KarD | 11", "test.school:20: bad hours \"11\""},
        BadLine{20, "5A | Mat | KarD | 0", "test.school:20: bad hours \"0\""},
        BadLine{20, "5A | Mat | KarD | 3 | pair", "test.school:20: \"pair\" needs 2, 4, 6"},
        BadLine{20, "5A | Mat | KarD | 2,5 | pair", "test.school:20: \"pair\" needs"},
        BadLine{20, "5A | Ingl | KarD | 1", "test.school:21: class \"5A\" already has a lesson"},
        BadLine{20, "5A | Mat | KarD | 4 | teacher2 KarD",
                "test.school:20: teacher2 is the teacher"},
        BadLine{20, "5A | Mat | KarD | 4 | rooms2 M1", "test.school:20: subject2 and rooms2"},
        BadLine{20, "5A | Mat | KarD | 4 | room M1", "test.school:20: unknown option \"room\""},
        BadLine{20, "5A | Mat | KarD", "test.school:20: expected class | subject | teacher"},
        BadLine{4, "", "test.school: missing section [shifts]"},
        BadLine{4, "[smena]", "test.school:4: unknown section [smena]"},
        BadLine{11, "[subjects]", "test.school:11: section [subjects] appears a second time"},
        BadLine{0, "days: 6\n[school]\n", "test.school:1: text before the first section"},
        BadLine{3, "days: 7", "test.school:3: the working days are 5 or 6"},
        BadLine{3, "kunlar: 6", "test.school:3: unknown key \"kunlar\""},
        BadLine{5, "1 | 9 | 7", "test.school:5: the shift would end after period 14"},
        BadLine{5, "1 | 1 | 3", "test.school:5: the lessons per day \"3\""},
        BadLine{15, "5-A sinf | 5A | 5 | 2", "test.school:15: shift 2 is not described"},
        BadLine{15, "5-A sinf | 5A | 12 | 1", "test.school:15: the grade \"12\""},
        BadLine{13, "Ikkinchi xona | M1",
                "test.school:13: the short name \"M1\" is already used "
                "by the room at line 12"},
        BadLine{13, "Ikkinchi xona | XonaNomiUzun",
                "test.school:13: the short name "
                "\"XonaNomiUzun\" is longer than 10"},
        BadLine{13, " | I1", "test.school:13: the name is empty"},
        BadLine{17, "Karimova Dilnoza | KarD | 6 | method Sh",
                "test.school:17: method day Sh is "
                "not a working day"},
        BadLine{17, "Karimova Dilnoza | KarD | 6 | off Du9-3",
                "test.school:17: bad slot \"Du9-3\""},
        BadLine{17, "Karimova Dilnoza | KarD | 6 | off Ya2", "test.school:17: bad slot \"Ya2\""},
        BadLine{17, "Karimova Dilnoza | KarD | 6 | phone 90123",
                "test.school:17: the phone is "
                "the nine digits"},
        BadLine{17, "Karimova Dilnoza | KarD | 11", "test.school:17: the lessons per day \"11\""},
        BadLine{9, "Matematika | Mat | 10 | bands 1,2,3", "test.school:9: \"bands\" needs seven"},
        BadLine{7, "1 | 08:00-08:45 va 09:00",
                "test.school:7: the time \"08:00-08:45 va 09:00\" "
                "is longer than 15"},
        BadLine{2, "institution: Sinov \xFF maktabi",
                "test.school:2: the line is not valid UTF-8"}));

TEST(DescriptionParser, ReportsEveryBadLineNotOnlyTheFirst) {
  std::string text = replaceLine(kValid, 20, "5A | Mat | KarD | 7,5");
  text = replaceLine(text, 21, "5A | Ingl | Nobody | 1");
  const ParseResult result = parseSchoolDescription(text, "test.school");
  ASSERT_EQ(result.errors.size(), 2u);
  EXPECT_NE(result.errors[0].find(":20:"), std::string::npos);
  EXPECT_NE(result.errors[1].find(":21:"), std::string::npos);
}

}  // namespace
}  // namespace jadvalon::school
