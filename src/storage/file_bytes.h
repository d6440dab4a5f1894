// Reading a whole file into memory without exceptions: a folder, a missing file or a read error
// gives the system's reason instead.
#pragma once

#include <filesystem>
#include <optional>
#include <string>

namespace jadvalon {

struct FileBytes {
  std::optional<std::string> bytes;  // set when the whole file was read
  std::string error;                 // the system's reason otherwise
};

FileBytes readFileBytes(const std::filesystem::path& path);

}  // namespace jadvalon
