// Reading language files: encodings, line ends, missing and extra lines, switching, day names.
#include <gtest/gtest.h>

#include "i18n/language_files.h"
#include "i18n/lines.h"
#include "model/test_support.h"
#include "storage/temp_folder.h"

namespace jadvalon {
namespace {

using testing::TempFolder;

std::string numberedLines(int count, const char* end) {
  std::string text;
  for (int n = 1; n <= count; ++n) text += "text " + std::to_string(n) + end;
  return text;
}

TEST(LanguageFiles, ParsesLinesAsTheyStand) {
  struct Case {
    const char* what;
    std::string bytes;
    int line;
    std::string expected;
  } cases[] = {
      {"CR LF", "one\r\ntwo\r\n", 2, "two"},
      {"LF", "one\ntwo\n", 2, "two"},
      {"no final line end", "one\r\ntwo", 2, "two"},
      {"blanks are kept", "  padded \t\r\n", 1, "  padded \t"},
      {"empty line", "one\r\n\r\nthree\r\n", 2, ""},
      {"byte-order mark",
       "\xEF\xBB\xBF"
       "Dushanba\r\n",
       1, "Dushanba"},
      {"UTF-8 Cyrillic", "Душанба\r\n", 1, "Душанба"},
      {"Windows-1251", "\xc4\xf3\xf8\xe0\xed\xe1\xe0\r\n", 1, "Душанба"},
      {"line 800 is read", numberedLines(801, "\r\n"), 800, "text 800"},
      {"700 lines leave the rest empty", numberedLines(700, "\n"), 701, ""},
  };
  for (const auto& c : cases) {
    const auto lines = LanguageFiles::parse(c.bytes);
    EXPECT_EQ(lines[static_cast<std::size_t>(c.line - 1)], c.expected) << c.what;
  }
  EXPECT_EQ(LanguageFiles::parse(numberedLines(700, "\n"))[699], "text 700");
}

struct LanguageFolder : ::testing::Test {
  TempFolder dir;
  LanguageFiles files{dir.path()};
  LanguageTable table;

  void writeLanguage(int number, const std::string& text) {
    testing::writeBytes(files.languageFile(number), text);
  }
};

TEST_F(LanguageFolder, SwitchingWritesTheIndexAndLoads) {
  writeLanguage(1, "Jadvalon\r\n");
  writeLanguage(3, "Джадвалон\r\n");
  testing::writeBytes(files.indexFile(), std::string("1"));
  ASSERT_TRUE(files.loadCurrent(table).ok);
  EXPECT_EQ(table.line(1), "Jadvalon");
  ASSERT_TRUE(files.switchTo(3, table).ok);
  EXPECT_EQ(testing::readBytes(files.indexFile()), (std::vector<std::uint8_t>{'3'}));
  EXPECT_EQ(files.currentLanguage(), 3);
  EXPECT_EQ(table.line(1), "Джадвалон");
}

TEST_F(LanguageFolder, FailuresKeepTheTextsTheTableHad) {
  writeLanguage(1, "Jadvalon\r\n");
  testing::writeBytes(files.indexFile(), std::string("1"));
  ASSERT_TRUE(files.loadCurrent(table).ok);

  const LanguageLoad missingFile = files.switchTo(4, table);
  EXPECT_FALSE(missingFile.ok);
  EXPECT_NE(missingFile.error.find("4.til"), std::string::npos);
  EXPECT_EQ(table.line(1), "Jadvalon");

  testing::writeBytes(files.indexFile(), std::string("two"));
  EXPECT_FALSE(files.currentLanguage().has_value());
  EXPECT_FALSE(files.loadCurrent(table).ok);
  std::filesystem::remove(files.indexFile());
  const LanguageLoad noIndex = files.loadCurrent(table);
  EXPECT_FALSE(noIndex.ok);
  EXPECT_FALSE(noIndex.error.empty());
  EXPECT_EQ(table.line(1), "Jadvalon");
}

TEST(LanguageDayNames, AreWrittenIntoTheProjectCutToTheirFields) {
  testing::TestProject t;
  LanguageTable table;
  for (int d = 0; d < 7; ++d) {
    table.setLine(lines::kFullDayNameFirst + d,
                  "Day" + std::to_string(d + 1) + " with a long name");
    table.setLine(lines::kShortDayNameFirst + d, "D" + std::to_string(d + 1) + " longer short");
  }
  t.project.setModified(false);
  applyDayNames(table, t.project);
  EXPECT_TRUE(t.project.isModified());
  EXPECT_EQ(loadText(t.project.image().header.dayNames[0].fullName), "Day1 with a long nam");
  EXPECT_EQ(loadText(t.project.image().header.dayNames[6].shortName), "D7 longer ");
  // The same language again changes nothing.
  t.project.setModified(false);
  applyDayNames(table, t.project);
  EXPECT_FALSE(t.project.isModified());
}

}  // namespace
}  // namespace jadvalon
