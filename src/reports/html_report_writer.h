// The report as an HTML page: the page frame, approval and signature blocks and table markup
// that the preview, the printout and the exports have always shown, in UTF-8 and with every
// user text escaped.
#pragma once

#include <string>
#include <string_view>

#include "reports/report_writer.h"

namespace jadvalon {

class HtmlReportWriter : public ReportWriter {
 public:
  std::string extension() const override { return ".html"; }
  WriteResult write(const Report& report, const std::filesystem::path& target) const override;

  // The page as text, one line per piece, each ended by "\n".
  static std::string render(const Report& report);
};

// Text made safe inside HTML: & < > and " become entities.
std::string escapeHtml(std::string_view text);

}  // namespace jadvalon
