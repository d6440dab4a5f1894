// The language table as the windows read it: Qt strings, and "#N" placeholders while no
// language has been loaded, so that every control still says which line it waits for.
#pragma once

#include <QString>

#include "i18n/language_table.h"

namespace jadvalon {

class UiTexts {
 public:
  explicit UiTexts(const LanguageTable& table) : table_(table) {}

  // Line n of the current language; "#n" until a language has been loaded.
  QString text(int n) const;
  // A menu caption without its trailing "..." or "…", for the title of the window it opens.
  QString title(int n) const;

  bool loaded() const { return loaded_; }
  void setLoaded(bool loaded) { loaded_ = loaded; }
  const LanguageTable& table() const { return table_; }

 private:
  const LanguageTable& table_;
  bool loaded_ = false;
};

}  // namespace jadvalon
