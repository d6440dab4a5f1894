// The in-memory language table.
#include "i18n/language_table.h"

#include <utility>

namespace jadvalon {

const std::string& LanguageTable::line(int n) const {
  static const std::string empty;
  if (n < 1 || n > kLineCount) return empty;
  return lines_[static_cast<std::size_t>(n - 1)];
}

void LanguageTable::setLine(int n, std::string text) {
  if (n < 1 || n > kLineCount) return;
  lines_[static_cast<std::size_t>(n - 1)] = std::move(text);
}

}  // namespace jadvalon
