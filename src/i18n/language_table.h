// The 800 user-interface texts of the current language, each cited by its 1-based line number.
#pragma once

#include <array>
#include <string>

namespace jadvalon {

class LanguageTable {
 public:
  static constexpr int kLineCount = 800;

  // Text of line n (UTF-8); an empty text for a line outside 1..800.
  const std::string& line(int n) const;
  void setLine(int n, std::string text);
  void assign(const std::array<std::string, kLineCount>& lines) { lines_ = lines; }
  const std::array<std::string, kLineCount>& lines() const { return lines_; }

 private:
  std::array<std::string, kLineCount> lines_;
};

}  // namespace jadvalon
