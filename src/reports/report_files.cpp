// Writing the preview page and the numbered export files.
#include "reports/report_files.h"

#include "reports/docx_report_writer.h"
#include "reports/html_report_writer.h"
#include "reports/xlsx_report_writer.h"

namespace jadvalon {

std::optional<int> ReportFiles::firstFreeNumber() const {
  for (int n = 0; n <= kHighestNumber; ++n) {
    std::error_code ec;
    bool taken = false;
    for (const char* extension : {".html", ".docx", ".xlsx"})
      taken = taken || std::filesystem::exists(exportFile(n, extension), ec);
    if (!taken) return n;
  }
  return std::nullopt;
}

WriteResult ReportFiles::writePreview(const Report& report) const {
  return HtmlReportWriter().write(report, previewFile());
}

ExportedReport ReportFiles::exportReport(const Report& report, ExportTarget target) const {
  ExportedReport exported;
  const std::optional<int> number = firstFreeNumber();
  if (!number) {
    exported.result = {WriteError::Other, "every report number in " + temp_.string() +
                                              " is taken; restart the program to clear them"};
    return exported;
  }
  exported.number = *number;
  const HtmlReportWriter page;
  const DocxReportWriter word;
  const XlsxReportWriter excel;
  const ReportWriter& document =
      target == ExportTarget::Word ? static_cast<const ReportWriter&>(word) : excel;
  exported.page = exportFile(*number, page.extension());
  exported.document = exportFile(*number, document.extension());
  exported.result = page.write(report, exported.page);
  if (exported.result.ok()) exported.result = document.write(report, exported.document);
  return exported;
}

}  // namespace jadvalon
