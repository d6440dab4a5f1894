// Creating a workbook under a temporary name and moving it into place.
#include "reports/workbook_file.h"

#include <unistd.h>

#include <string>
#include <system_error>

namespace jadvalon {

WorkbookFile::WorkbookFile(std::filesystem::path target)
    : target_(std::move(target)),
      partial_(target_.parent_path() /
               ("." + target_.filename().string() + "." + std::to_string(getpid()) + ".part")) {
  std::error_code ec;
  if (!target_.parent_path().empty() && !std::filesystem::is_directory(target_.parent_path(), ec))
    return;
  workbook_ = workbook_new(partial_.string().c_str());
}

WorkbookFile::~WorkbookFile() {
  if (workbook_) {
    // Never finished: close without keeping anything.
    workbook_close(workbook_);
    std::error_code ec;
    std::filesystem::remove(partial_, ec);
  }
}

WriteResult WorkbookFile::finish() {
  std::error_code ec;
  if (!workbook_) {
    if (!target_.parent_path().empty() && !std::filesystem::is_directory(target_.parent_path(), ec))
      return {WriteError::FolderMissing,
              "the folder " + target_.parent_path().string() + " does not exist"};
    return {WriteError::Other, "the workbook could not be created"};
  }
  const lxw_error closed = workbook_close(workbook_);
  workbook_ = nullptr;
  if (closed != LXW_NO_ERROR) {
    std::filesystem::remove(partial_, ec);
    const bool denied = closed == LXW_ERROR_CREATING_XLSX_FILE;
    return {denied ? WriteError::WriteProtected : WriteError::Other, lxw_strerror(closed)};
  }
  std::filesystem::rename(partial_, target_, ec);
  if (ec) {
    const std::string reason = ec.message();
    std::filesystem::remove(partial_, ec);
    return {WriteError::Other, reason};
  }
  return {};
}

}  // namespace jadvalon
