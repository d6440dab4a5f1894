// The report as a Word document (WordprocessingML in a zip package): a landscape page, each table
// under its caption with the spans, fills and bold texts of the HTML page, a page break before
// every table after the first, the approval block right-aligned and the signatures at the end.
#pragma once

#include <cstdint>
#include <vector>

#include "reports/report_writer.h"

namespace jadvalon {

class DocxReportWriter : public ReportWriter {
 public:
  std::string extension() const override { return ".docx"; }
  WriteResult write(const Report& report, const std::filesystem::path& target) const override;

  // The .docx package; empty when the zip library fails.
  static std::vector<std::uint8_t> render(const Report& report);
  // The main part, word/document.xml.
  static std::string documentXml(const Report& report);
};

}  // namespace jadvalon
