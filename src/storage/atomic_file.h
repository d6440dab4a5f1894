// Writing a file so that it is either the old one or the complete new one, never half of each.
#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <span>
#include <string>

namespace jadvalon {

enum class WriteError { None, FolderMissing, DiskFull, WriteProtected, Other };

struct WriteResult {
  WriteError error = WriteError::None;
  std::string detail;  // the system's reason
  bool ok() const { return error == WriteError::None; }
};

// Writes the bytes to a temporary file in the target's folder, flushes it to the disk and renames
// it over the target. `beforeRename` lets tests fail the write at the last moment (return false).
WriteResult writeFileAtomically(const std::filesystem::path& target,
                                std::span<const std::uint8_t> bytes,
                                const std::function<bool()>& beforeRename = {});

// The same for text.
WriteResult writeTextAtomically(const std::filesystem::path& target, const std::string& text);

}  // namespace jadvalon
