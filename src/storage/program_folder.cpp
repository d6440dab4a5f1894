// Locating the program folder and keeping its data folders in order.
#include "storage/program_folder.h"

#include <algorithm>
#include <cstdlib>
#include <system_error>

#include "storage/file_bytes.h"

namespace jadvalon {

std::filesystem::path executableFolder() {
  std::error_code ec;
  const auto self = std::filesystem::read_symlink("/proc/self/exe", ec);
  if (ec) return std::filesystem::current_path(ec);
  return self.parent_path();
}

ProgramFolder ProgramFolder::resolve(const std::optional<std::string>& homeOption) {
  if (homeOption && !homeOption->empty()) return ProgramFolder(*homeOption);
  if (const char* home = std::getenv("JADVALON_HOME"); home && *home) return ProgramFolder(home);
  return ProgramFolder(executableFolder());
}

bool ProgramFolder::ensureDataFolders() const {
  bool ok = true;
  for (const auto& folder : {temp(), archive(), root_ / "andaza", examples(), languages()}) {
    std::error_code ec;
    std::filesystem::create_directories(folder, ec);
    ok = ok && !ec && std::filesystem::is_directory(folder);
  }
  return ok;
}

void ProgramFolder::removeReportFiles() const {
  for (int n = 0; n <= 99; ++n) {
    for (const char* extension : {".html", ".doc", ".xls", ".docx", ".xlsx"}) {
      std::error_code ec;
      std::filesystem::remove(temp() / ("html" + std::to_string(n) + extension), ec);
    }
  }
}

std::optional<std::string> ProgramFolder::lastProject() const {
  std::optional<std::string> note = readFileBytes(lastProjectNote()).bytes;
  if (!note) return std::nullopt;
  std::string path = std::move(*note);
  // Notes written by hand may end with a line break; a path never does.
  while (!path.empty() && (path.back() == '\n' || path.back() == '\r')) path.pop_back();
  return path;
}

std::vector<std::string> ProgramFolder::exampleNames() const {
  std::vector<std::string> names;
  std::error_code ec;
  for (const auto& entry : std::filesystem::directory_iterator(examples(), ec))
    if (entry.is_regular_file()) names.push_back(entry.path().filename().string());
  std::sort(names.begin(), names.end());
  return names;
}

}  // namespace jadvalon
