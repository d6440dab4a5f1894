// One interface for the three files a report can be written to (HTML page, Word document,
// Excel workbook), each built from the same report model.
#pragma once

#include <filesystem>
#include <string>

#include "reports/report_model.h"
#include "storage/atomic_file.h"

namespace jadvalon {

class ReportWriter {
 public:
  virtual ~ReportWriter() = default;
  // The file name extension, with its dot.
  virtual std::string extension() const = 0;
  // Writes the whole file or, on failure, leaves any earlier file of that name as it was.
  virtual WriteResult write(const Report& report, const std::filesystem::path& target) const = 0;
};

}  // namespace jadvalon
