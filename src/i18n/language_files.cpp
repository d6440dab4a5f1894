// Reading and switching language files.
#include "i18n/language_files.h"

#include <cctype>
#include <cstring>

#include "i18n/lines.h"
#include "model/project.h"
#include "model/text_codec.h"
#include "storage/atomic_file.h"
#include "storage/file_bytes.h"

namespace jadvalon {

std::array<std::string, LanguageTable::kLineCount> LanguageFiles::parse(std::string_view bytes) {
  if (bytes.starts_with("\xEF\xBB\xBF")) bytes.remove_prefix(3);
  const std::string text = isValidUtf8(bytes) ? std::string(bytes) : cp1251ToUtf8(bytes);
  std::array<std::string, LanguageTable::kLineCount> lines;
  std::size_t start = 0;
  for (std::size_t n = 0; n < lines.size() && start < text.size(); ++n) {
    std::size_t end = text.find('\n', start);
    const bool last = end == std::string::npos;
    if (last) end = text.size();
    std::size_t stop = end;
    if (!last && stop > start && text[stop - 1] == '\r') --stop;
    lines[n] = text.substr(start, stop - start);
    start = end + 1;
  }
  return lines;
}

std::optional<int> LanguageFiles::currentLanguage() const {
  const auto bytes = readFileBytes(indexFile()).bytes;
  if (!bytes) return std::nullopt;
  std::string digits;
  for (char c : *bytes) {
    if (std::isdigit(static_cast<unsigned char>(c))) {
      digits.push_back(c);
    } else if (c != ' ' && c != '\r' && c != '\n' && c != '\t') {
      return std::nullopt;
    }
  }
  if (digits.empty() || digits.size() > 6) return std::nullopt;
  return std::stoi(digits);
}

std::string LanguageFiles::failure(const LanguageTable& table,
                                   const std::filesystem::path& path) const {
  // The table may be empty when the first load fails: then the message stands in English.
  std::string text = table.line(lines::kLanguageFileUnreadable);
  if (text.empty()) text = "The language file could not be read; the previous texts are kept.";
  return text + "\n" + path.string();
}

LanguageLoad LanguageFiles::load(int number, LanguageTable& table) const {
  const auto path = languageFile(number);
  const auto bytes = number >= 1 ? readFileBytes(path).bytes : std::nullopt;
  if (!bytes) return {false, failure(table, path)};
  table.assign(parse(*bytes));
  return {true, {}};
}

LanguageLoad LanguageFiles::loadCurrent(LanguageTable& table) const {
  const auto number = currentLanguage();
  if (!number) return {false, failure(table, indexFile())};
  return load(*number, table);
}

LanguageLoad LanguageFiles::switchTo(int number, LanguageTable& table) const {
  if (!writeTextAtomically(indexFile(), std::to_string(number)).ok())
    return {false, failure(table, indexFile())};
  return loadCurrent(table);
}

void applyDayNames(const LanguageTable& table, Project& project) {
  // Written on a copy first, so that a language whose names the project already has leaves the
  // modified flag alone.
  TKunNomi names[7];
  std::memcpy(names, project.image().header.dayNames, sizeof names);
  for (int d = 0; d < 7; ++d) {
    storeText(names[d].fullName, table.line(lines::kFullDayNameFirst + d));
    storeText(names[d].shortName, table.line(lines::kShortDayNameFirst + d));
  }
  if (std::memcmp(names, project.image().header.dayNames, sizeof names) != 0)
    std::memcpy(project.edit().header.dayNames, names, sizeof names);
}

}  // namespace jadvalon
