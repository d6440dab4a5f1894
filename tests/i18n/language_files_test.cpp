// Checks the four shipped language files (data/sozlash/til/1..4.til) against the line catalogue:
// encoding, line structure, texts present, field capacities and the blanks of joined texts.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <ostream>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "i18n/lines.h"

namespace {

namespace fs = std::filesystem;
namespace lines = jadvalon::lines;

constexpr int kLineCount = 800;

struct LanguageFile {
  int number;
  const char* testName;
};

// Lets failure messages name the file instead of dumping the struct's bytes.
void PrintTo(const LanguageFile& file, std::ostream* os) { *os << file.testName << ".til"; }

const LanguageFile kLanguageFiles[] = {
    {1, "UzbekLatin"},
    {2, "UzbekCyrillic"},
    {3, "Russian"},
    {4, "English"},
};

fs::path languageFilePath(int number) {
  return fs::path(JADVALON_SOURCE_DATA_DIR) / "sozlash" / "til" / (std::to_string(number) + ".til");
}

std::string readBytes(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// Strict UTF-8 decoding: no overlong forms, no surrogates, nothing above U+10FFFF.
std::optional<std::u32string> decodeUtf8(const std::string& bytes) {
  std::u32string out;
  std::size_t i = 0;
  while (i < bytes.size()) {
    const auto lead = static_cast<unsigned char>(bytes[i]);
    int extra = 0;
    char32_t cp = 0;
    char32_t minimum = 0;
    if (lead < 0x80) {
      cp = lead;
    } else if ((lead & 0xE0) == 0xC0) {
      extra = 1, cp = lead & 0x1F, minimum = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
      extra = 2, cp = lead & 0x0F, minimum = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
      extra = 3, cp = lead & 0x07, minimum = 0x10000;
    } else {
      return std::nullopt;
    }
    for (int k = 1; k <= extra; ++k) {
      if (i + k >= bytes.size()) return std::nullopt;
      const auto next = static_cast<unsigned char>(bytes[i + k]);
      if ((next & 0xC0) != 0x80) return std::nullopt;
      cp = (cp << 6) | (next & 0x3F);
    }
    if (cp < minimum || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return std::nullopt;
    out.push_back(cp);
    i += extra + 1;
  }
  return out;
}

struct SplitResult {
  std::vector<std::string> lines;
  std::string problem;  // empty when every line ends with CR LF and no other CR or LF occurs
};

SplitResult splitCrLfLines(const std::string& bytes) {
  SplitResult result;
  std::string current;
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    const char c = bytes[i];
    if (c == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') {
      result.lines.push_back(current);
      current.clear();
      ++i;
    } else if (c == '\r' || c == '\n') {
      result.problem = "a bare CR or LF after line " + std::to_string(result.lines.size());
      return result;
    } else {
      current.push_back(c);
    }
  }
  if (!current.empty()) result.problem = "the last line is not ended by CR LF";
  return result;
}

class LanguageFileTest : public testing::TestWithParam<LanguageFile> {
 protected:
  void SetUp() override {
    const fs::path path = languageFilePath(GetParam().number);
    ASSERT_TRUE(fs::is_regular_file(path)) << path;
    bytes_ = readBytes(path);
    split_ = splitCrLfLines(bytes_);
  }

  // Line n (1-based) decoded to code points; empty when the file does not have it.
  std::u32string text(int n) const {
    if (n < 1 || n > static_cast<int>(split_.lines.size())) return {};
    return decodeUtf8(split_.lines[n - 1]).value_or(std::u32string{});
  }

  std::string bytes_;
  SplitResult split_;
};

TEST_P(LanguageFileTest, IsUtf8WithoutByteOrderMark) {
  ASSERT_GE(bytes_.size(), 3u);
  EXPECT_NE(bytes_.substr(0, 3), "\xEF\xBB\xBF");
  EXPECT_TRUE(decodeUtf8(bytes_).has_value());
}

TEST_P(LanguageFileTest, HasExactly800LinesEndedByCrLf) {
  EXPECT_EQ(split_.problem, "");
  EXPECT_EQ(static_cast<int>(split_.lines.size()), kLineCount);
}

TEST_P(LanguageFileTest, EveryCatalogueLineHasText) {
  for (const int n : lines::kAllCatalogueLines) {
    EXPECT_FALSE(text(n).empty()) << "line " << n;
  }
}

// Texts that are stored into the project image must fit the field they go to; names built
// by the automatic fill get a "k-" prefix of up to four characters ("400-") in front.
struct FieldLimit {
  int first;
  int count;
  std::size_t maxCodePoints;
  const char* field;
};

const FieldLimit kFieldLimits[] = {
    {lines::kFullDayNameFirst, lines::kDayNameCount, 20, "full day name"},
    {lines::kShortDayNameFirst, lines::kDayNameCount, 10, "short day name"},
    {lines::kCatalogueSubjectNameFirst, lines::kCatalogueSubjectCount, 50, "subject name"},
    {lines::kCatalogueSubjectShortNameFirst, lines::kCatalogueSubjectCount, 10,
     "subject short name"},
    {lines::kAutoRoomNameSuffix, 1, 50 - 4, "room name after \"k-\""},
    {lines::kAutoTeacherNameSuffix, 1, 47 - 4, "teacher name after \"k-\""},
    {lines::kAutoTeacherShortNameSuffix, 1, 10 - 4, "teacher short name after \"k-\""},
};

TEST_P(LanguageFileTest, StoredTextsFitTheirFields) {
  for (const FieldLimit& limit : kFieldLimits) {
    for (int n = limit.first; n < limit.first + limit.count; ++n) {
      EXPECT_LE(text(n).size(), limit.maxCodePoints) << limit.field << ", line " << n;
    }
  }
}

// The program joins these texts with names and numbers without adding separators, so the
// blanks and punctuation have to be inside the lines; where the program adds the blank itself,
// the text must not bring a second one.
enum class Join { kLeadingSeparator, kTrailingBlank, kBoth, kNoOuterBlanks };

struct JoinRule {
  int line;
  Join join;
};

const JoinRule kJoinRules[] = {
    {lines::kOverwriteQuestion, Join::kLeadingSeparator},
    {lines::kFileNotFoundTail, Join::kLeadingSeparator},
    {lines::kUnsavedChangesQuestion, Join::kNoOuterBlanks},
    {lines::kSaveReminderQuestion, Join::kNoOuterBlanks},
    {lines::kDailyMaximumDialogTitle, Join::kTrailingBlank},
    {lines::kPasteQuestionHead, Join::kTrailingBlank},
    {lines::kPasteQuestionTail, Join::kLeadingSeparator},
    {lines::kTotalLabel, Join::kNoOuterBlanks},
    {lines::kTotalItemsUnit, Join::kNoOuterBlanks},
    {lines::kTotalHoursUnit, Join::kNoOuterBlanks},
    {lines::kBranchNumberSuffix, Join::kLeadingSeparator},
    {lines::kShiftChooserTitleTail, Join::kLeadingSeparator},
    {lines::kDuplicateLessonPart1, Join::kBoth},
    {lines::kDuplicateLessonPart2, Join::kBoth},
    {lines::kDuplicateLessonPart3, Join::kBoth},
    {lines::kDuplicateLessonPart4, Join::kLeadingSeparator},
    {lines::kReportDirectorOf, Join::kLeadingSeparator},
    {lines::kReportClassCaptionTail, Join::kLeadingSeparator},
};

bool isBlank(char32_t c) { return c == U' '; }

bool isLeadingSeparator(char32_t c) {
  return isBlank(c) ||
         std::u32string_view(U".,:;!?-\u2013\u2014)").find(c) != std::u32string_view::npos;
}

TEST_P(LanguageFileTest, JoinedTextsCarryTheirSeparators) {
  for (const JoinRule& rule : kJoinRules) {
    const std::u32string t = text(rule.line);
    ASSERT_FALSE(t.empty()) << "line " << rule.line;
    const bool wantsLeading = rule.join == Join::kLeadingSeparator || rule.join == Join::kBoth;
    const bool wantsTrailing = rule.join == Join::kTrailingBlank || rule.join == Join::kBoth;
    if (wantsLeading) {
      EXPECT_TRUE(isLeadingSeparator(t.front())) << "line " << rule.line;
    }
    if (wantsTrailing) {
      EXPECT_TRUE(isBlank(t.back())) << "line " << rule.line;
    }
    if (rule.join == Join::kNoOuterBlanks) {
      EXPECT_FALSE(isBlank(t.front()) || isBlank(t.back())) << "line " << rule.line;
    }
  }
}

// The k-th character of an alphabet becomes the letter of the k-th parallel class, and a grade
// can have up to 13 of them; a repeated letter would make two classes with the same name.
TEST_P(LanguageFileTest, AlphabetsHaveThirteenDistinctLetters) {
  for (int n = lines::kClassLetterAlphabetFirst;
       n < lines::kClassLetterAlphabetFirst + lines::kClassLetterAlphabetCount; ++n) {
    const std::u32string t = text(n);
    EXPECT_GE(t.size(), 13u) << "line " << n;
    EXPECT_EQ(std::set<char32_t>(t.begin(), t.end()).size(), t.size()) << "line " << n;
    EXPECT_EQ(std::count_if(t.begin(), t.end(), isBlank), 0) << "line " << n;
  }
}

// The file dialogs filter on *.jdn, so every language must keep the same extension.
TEST_P(LanguageFileTest, ProjectFileExtensionIsJdn) {
  EXPECT_EQ(text(lines::kProjectFileExtension), U".jdn");
}

INSTANTIATE_TEST_SUITE_P(ShippedLanguages, LanguageFileTest, testing::ValuesIn(kLanguageFiles),
                         [](const testing::TestParamInfo<LanguageFile>& info) {
                           return std::string(info.param.testName);
                         });

// The catalogue itself: line numbers in range, listed once, blocks listed in full.
TEST(LineCatalogueTest, ListsEveryBlockLineOnceWithinTheFile) {
  const std::vector<int> all(std::begin(lines::kAllCatalogueLines),
                             std::end(lines::kAllCatalogueLines));
  const std::set<int> unique(all.begin(), all.end());
  EXPECT_EQ(unique.size(), all.size());
  EXPECT_GE(*unique.begin(), 1);
  EXPECT_LE(*unique.rbegin(), kLineCount);

  struct Block {
    int first;
    int count;
  };
  const Block blocks[] = {
      {lines::kLanguageNameFirst, lines::kLanguageCount},
      {lines::kFullDayNameFirst, lines::kDayNameCount},
      {lines::kShortDayNameFirst, lines::kDayNameCount},
      {lines::kBranchNameFirst, lines::kBranchNameCount},
      {lines::kCatalogueSubjectNameFirst, lines::kCatalogueSubjectCount},
      {lines::kCatalogueSubjectShortNameFirst, lines::kCatalogueSubjectCount},
      {lines::kClassLetterAlphabetFirst, lines::kClassLetterAlphabetCount},
      {lines::kPrintClassCaptionFirst, lines::kPrintCaptionCount},
      {lines::kPrintTeacherCaptionFirst, lines::kPrintCaptionCount},
      {lines::kPrintRoomCaptionFirst, lines::kPrintCaptionCount},
  };
  for (const Block& block : blocks) {
    for (int n = block.first; n < block.first + block.count; ++n) {
      EXPECT_TRUE(unique.count(n)) << "line " << n;
    }
  }
}

}  // namespace
