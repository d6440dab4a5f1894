// Where reports are written in the program folder: the preview page temp/temp.html, and the
// numbered exports temp/htmlN.html with the Word or Excel file beside it under the same N.
#pragma once

#include <filesystem>
#include <optional>
#include <string>

#include "reports/report_model.h"
#include "storage/atomic_file.h"
#include "storage/program_folder.h"

namespace jadvalon {

enum class ExportTarget { Word, Excel };

struct ExportedReport {
  WriteResult result;
  int number = -1;
  std::filesystem::path page;      // htmlN.html
  std::filesystem::path document;  // htmlN.docx or htmlN.xlsx
};

class ReportFiles {
 public:
  static constexpr int kHighestNumber = 65535;

  explicit ReportFiles(const ProgramFolder& folder) : temp_(folder.temp()) {}

  std::filesystem::path previewFile() const { return temp_ / "temp.html"; }
  std::filesystem::path exportFile(int number, const std::string& extension) const {
    return temp_ / ("html" + std::to_string(number) + extension);
  }
  // The first N from 0 for which neither the page nor a document of that number exists (a
  // document still open in an office program is never overwritten); nullopt when all are taken.
  std::optional<int> firstFreeNumber() const;

  WriteResult writePreview(const Report& report) const;
  // Writes the numbered page and the document of the target beside it.
  ExportedReport exportReport(const Report& report, ExportTarget target) const;

 private:
  std::filesystem::path temp_;
};

}  // namespace jadvalon
