// An .xlsx workbook written beside its target under a temporary name and renamed over the
// target only when it is complete, so a failed export never leaves half a file.
#pragma once

#include <xlsxwriter.h>

#include <filesystem>

#include "storage/atomic_file.h"

namespace jadvalon {

class WorkbookFile {
 public:
  explicit WorkbookFile(std::filesystem::path target);
  ~WorkbookFile();
  WorkbookFile(const WorkbookFile&) = delete;
  WorkbookFile& operator=(const WorkbookFile&) = delete;

  // Null when the temporary file could not be created (see finish()).
  lxw_workbook* workbook() const { return workbook_; }
  // Writes the workbook out and renames it over the target.
  WriteResult finish();

 private:
  std::filesystem::path target_;
  std::filesystem::path partial_;
  lxw_workbook* workbook_ = nullptr;
};

}  // namespace jadvalon
