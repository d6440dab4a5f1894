// Whole-file reads.
#include "storage/file_bytes.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>

namespace jadvalon {

FileBytes readFileBytes(const std::filesystem::path& path) {
  std::error_code ec;
  if (std::filesystem::is_directory(path, ec)) return {std::nullopt, std::strerror(EISDIR)};
  std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(path.c_str(), "rb"), std::fclose);
  if (!file) return {std::nullopt, std::strerror(errno)};
  std::string bytes;
  char chunk[65536];
  for (;;) {
    const std::size_t n = std::fread(chunk, 1, sizeof chunk, file.get());
    bytes.append(chunk, n);
    if (n < sizeof chunk) break;
  }
  if (std::ferror(file.get())) return {std::nullopt, std::strerror(errno ? errno : EIO)};
  return {std::move(bytes), {}};
}

}  // namespace jadvalon
