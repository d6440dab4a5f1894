// The report as an Excel workbook: one worksheet per table, with the same spans, fills, borders
// and bold texts as the HTML page, and set up to print landscape, one page wide.
#pragma once

#include "reports/report_writer.h"

namespace jadvalon {

class XlsxReportWriter : public ReportWriter {
 public:
  std::string extension() const override { return ".xlsx"; }
  WriteResult write(const Report& report, const std::filesystem::path& target) const override;
};

}  // namespace jadvalon
