// The capacity check: a school that fits gives no problem; each kind of overload is named.
#include "tools/school_compiler/capacity_check.h"

#include <gtest/gtest.h>

#include <string>

#include "model/prompter.h"
#include "tools/school_compiler/description_parser.h"
#include "tools/school_compiler/school_builder.h"

namespace jadvalon::school {
namespace {

// Five days of five lessons: 25 slots, 50 half-units per class, teacher and room.
const std::string kHead =
    "[school]\ndays: 5\n[shifts]\n1 | 1 | 5\n[periods]\n"
    "[subjects]\nMatematika | Mat | 10\nIngliz tili | Ingl | 8\nFizika | Fiz | 10\n"
    "[rooms]\nXona 1 | X1\nXona 2 | X2\nXona 3 | X3\n"
    "[classes]\n5-A | 5A | 5 | 1\n5-B | 5B | 5 | 1\n6-A | 6A | 6 | 1\n"
    "[teachers]\nKarimova | KarD | 5\nAliyev | AliB | 5\nNazarova | NazO | 3 | method Du\n"
    "Rasulova | RasN | 6 | off Du, Se\nUmarov | UmaS | 6 | off Ch, Pa\n"
    "[lessons]\n";

std::vector<std::string> problemsOf(const std::string& lessons) {
  const ParseResult parsed = parseSchoolDescription(kHead + lessons, "check.school");
  if (!parsed.school) return {"parse error: " + parsed.errors.front()};
  LanguageTable texts;
  SilentPrompter prompter;
  Project project(texts, prompter);
  buildSchool(*parsed.school, project);
  return checkCapacity(project);
}

TEST(CapacityCheck, AFittingSchoolHasNoProblems) {
  const auto problems = problemsOf(
      "5A | Mat | KarD | 10 | rooms X1\n5A | Ingl | AliB | 10 | rooms X2\n"
      "5A | Fiz | NazO | 2,5 | rooms X1, X2\n"
      "5B | Ingl | AliB | 2 | rooms X2 | teacher2 KarD | rooms2 X1 | pair\n");
  EXPECT_TRUE(problems.empty()) << problems.front();
}

struct Overload {
  const char* lessons;
  const char* expected;
};

class CapacityCheckProblems : public ::testing::TestWithParam<Overload> {};

TEST_P(CapacityCheckProblems, NamesTheOverloadedRecord) {
  const auto problems = problemsOf(GetParam().lessons);
  ASSERT_FALSE(problems.empty());
  bool found = false;
  for (const std::string& problem : problems)
    found = found || problem.find(GetParam().expected) != std::string::npos;
  EXPECT_TRUE(found) << problems.front();
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CapacityCheckProblems,
    ::testing::Values(
        // 26 hours for a class of 25 slots.
        Overload{"6A | Mat | KarD | 10\n6A | Ingl | AliB | 10\n6A | Fiz | NazO | 6\n",
                 "class \"6A\": 26 h a week, but only 25 h fit"},
        // 3 lessons a day on 4 days (a method day): 12 hours at most.
        Overload{"5A | Fiz | NazO | 7\n6A | Fiz | NazO | 6\n",
                 "teacher \"NazO\": 13 h a week, but only 12 h fit"},
        // Three lessons whose only room is X3: 26 hours for its 25 slots.
        Overload{"5A | Mat | KarD | 10 | rooms X3\n5B | Mat | AliB | 10 | rooms X3\n"
                 "6A | Mat | NazO | 6 | rooms X3\n",
                 "room X3: 26 h a week, but only 25 h fit"},
        // Lessons limited to X1 or X2 need more than the two rooms have together.
        Overload{"5A | Mat | KarD | 10 | rooms X1, X2\n5B | Mat | AliB | 10 | rooms X1\n"
                 "6A | Mat | NazO | 10 | rooms X2 | teacher2 KarD\n"
                 "5A | Ingl | AliB | 10 | rooms X2\n6A | Ingl | KarD | 10 | rooms X1\n"
                 "5B | Ingl | NazO | 2 | rooms X1, X2\n",
                 "rooms X1, X2: 52 h a week, but only 50 h fit"},
        // Both groups may only use the same one room.
        Overload{"5A | Ingl | AliB | 2 | rooms X2 | teacher2 KarD | rooms2 X2\n",
                 "both groups have only the same one room"},
        // Two groups: the lesson fits only where both teachers are free, on Friday.
        Overload{"5A | Ingl | RasN | 6 | teacher2 UmaS\n",
                 "lesson 1 (5A Ingl): 6 h a week, but only 5 h fit"},
        // Five doubles a week need five days with two free periods in a row.
        Overload{"5A | Ingl | NazO | 10 | pair\n", "5 double periods a week, but only 4 days"}));

}  // namespace
}  // namespace jadvalon::school
