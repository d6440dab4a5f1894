// Making entity short names usable as worksheet names.
#include "reports/worksheet_names.h"

#include <algorithm>
#include <cstdint>
#include <set>

namespace jadvalon {

namespace {

constexpr std::size_t kMaxCharacters = 31;

// Code points of UTF-8 text; the reports only pass valid UTF-8.
std::vector<std::string> characters(const std::string& text) {
  std::vector<std::string> result;
  for (std::size_t i = 0; i < text.size();) {
    const auto lead = static_cast<unsigned char>(text[i]);
    std::size_t length = lead < 0x80    ? 1
                         : lead >= 0xF0 ? 4
                         : lead >= 0xE0 ? 3
                         : lead >= 0xC0 ? 2
                                        : 1;
    length = std::min(length, text.size() - i);
    result.push_back(text.substr(i, length));
    i += length;
  }
  return result;
}

std::string joined(const std::vector<std::string>& parts, std::size_t count) {
  std::string text;
  for (std::size_t i = 0; i < std::min(count, parts.size()); ++i) text += parts[i];
  return text;
}

// Case-folded key for the uniqueness check: ASCII and the basic Cyrillic letters.
std::string folded(const std::string& name) {
  std::string key;
  for (const std::string& c : characters(name)) {
    if (c.size() == 1) {
      key += static_cast<char>(c[0] >= 'A' && c[0] <= 'Z' ? c[0] - 'A' + 'a' : c[0]);
      continue;
    }
    if (c.size() == 2) {
      const int code = ((static_cast<unsigned char>(c[0]) & 0x1F) << 6) |
                       (static_cast<unsigned char>(c[1]) & 0x3F);
      int lower = code;
      if (code >= 0x410 && code <= 0x42F)
        lower = code + 0x20;  // А..Я
      else if (code >= 0x400 && code <= 0x40F)
        lower = code + 0x50;  // Ѐ..Џ
      key += static_cast<char>(0xC0 | (lower >> 6));
      key += static_cast<char>(0x80 | (lower & 0x3F));
      continue;
    }
    key += c;
  }
  return key;
}

std::string cleaned(const std::string& wanted, std::size_t position) {
  std::vector<std::string> chars;
  for (const std::string& c : characters(wanted)) {
    const bool forbidden =
        c.size() == 1 &&
        (c[0] == ':' || c[0] == '\\' || c[0] == '/' || c[0] == '?' || c[0] == '*' || c[0] == '[' ||
         c[0] == ']' || static_cast<unsigned char>(c[0]) < 0x20);
    chars.push_back(forbidden ? "_" : c);
  }
  if (!chars.empty() && chars.front() == "'") chars.front() = "_";
  if (chars.size() > kMaxCharacters) chars.resize(kMaxCharacters);
  if (!chars.empty() && chars.back() == "'") chars.back() = "_";
  std::string name = joined(chars, chars.size());
  if (name.find_first_not_of(' ') == std::string::npos) name = std::to_string(position);
  if (folded(name) == "history") name += "_";
  return name;
}

}  // namespace

std::vector<std::string> worksheetNames(const std::vector<std::string>& wanted) {
  std::vector<std::string> names;
  std::set<std::string> taken;
  for (std::size_t i = 0; i < wanted.size(); ++i) {
    const std::string base = cleaned(wanted[i], i + 1);
    std::string name = base;
    for (int n = 2; taken.count(folded(name)); ++n) {
      const std::string suffix = " (" + std::to_string(n) + ")";
      const std::vector<std::string> chars = characters(base);
      name = joined(chars, kMaxCharacters - suffix.size()) + suffix;
    }
    taken.insert(folded(name));
    names.push_back(name);
  }
  return names;
}

}  // namespace jadvalon
