// The language files under sozlash/til: the index of the current language and the files 1..4.til.
#pragma once

#include <array>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "i18n/language_table.h"

namespace jadvalon {

class Project;

struct LanguageLoad {
  bool ok = false;
  std::string error;  // what to tell the user when not ok
};

class LanguageFiles {
 public:
  explicit LanguageFiles(std::filesystem::path folder) : folder_(std::move(folder)) {}

  const std::filesystem::path& folder() const { return folder_; }
  std::filesystem::path indexFile() const { return folder_ / "til_index.txt"; }
  std::filesystem::path languageFile(int number) const {
    return folder_ / (std::to_string(number) + ".til");
  }

  // The number in the index file; nullopt when it is missing or not a number.
  std::optional<int> currentLanguage() const;
  // Reads language n into the table. On failure the table keeps every text it had.
  LanguageLoad load(int number, LanguageTable& table) const;
  // Loads the language named by the index file.
  LanguageLoad loadCurrent(LanguageTable& table) const;
  // Writes k into the index file, then loads it.
  LanguageLoad switchTo(int number, LanguageTable& table) const;

  // The 800 lines of a file's bytes: UTF-8 with or without a byte-order mark, else Windows-1251;
  // CR LF or LF end a line; nothing is trimmed; missing lines are empty, extra lines ignored.
  static std::array<std::string, LanguageTable::kLineCount> parse(std::string_view bytes);

 private:
  std::string failure(const LanguageTable& table, const std::filesystem::path& path) const;

  std::filesystem::path folder_;
};

// Writes the day names of the language into the project (full names cut to 20, short to 10).
void applyDayNames(const LanguageTable& table, Project& project);

}  // namespace jadvalon
