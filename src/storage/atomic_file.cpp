// Atomic replacement of a file through a temporary file and a rename.
#include "storage/atomic_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace jadvalon {
namespace {

WriteResult failure(int error) {
  WriteResult result;
  result.detail = std::strerror(error);
  switch (error) {
    case ENOENT:
    case ENOTDIR:
      result.error = WriteError::FolderMissing;
      break;
    case ENOSPC:
    case EDQUOT:
    case EFBIG:
      result.error = WriteError::DiskFull;
      break;
    case EACCES:
    case EPERM:
    case EROFS:
      result.error = WriteError::WriteProtected;
      break;
    default:
      result.error = WriteError::Other;
      break;
  }
  return result;
}

}  // namespace

WriteResult writeFileAtomically(const std::filesystem::path& target,
                                std::span<const std::uint8_t> bytes,
                                const std::function<bool()>& beforeRename) {
  // A target marked read-only stays as it is, even where the folder would allow replacing it.
  struct stat existing {};
  if (stat(target.c_str(), &existing) == 0 && (existing.st_mode & S_IWUSR) == 0)
    return failure(EACCES);

  std::string temp = target.string() + ".XXXXXX";
  const int fd = mkstemp(temp.data());
  if (fd < 0) return failure(errno);

  auto abandon = [&](int error) {
    close(fd);
    unlink(temp.c_str());
    return failure(error);
  };
  for (std::size_t done = 0; done < bytes.size();) {
    const ssize_t n = write(fd, bytes.data() + done, bytes.size() - done);
    if (n < 0) {
      if (errno == EINTR) continue;
      return abandon(errno);
    }
    done += static_cast<std::size_t>(n);
  }
  if (fsync(fd) != 0) return abandon(errno);
  // mkstemp makes the file private; a project file is an ordinary user file.
  const mode_t mask = umask(0);
  umask(mask);
  fchmod(fd, 0666 & ~mask);
  if (beforeRename && !beforeRename()) return abandon(EIO);
  if (close(fd) != 0) {
    const int error = errno;
    unlink(temp.c_str());
    return failure(error);
  }
  if (std::rename(temp.c_str(), target.c_str()) != 0) {
    const int error = errno;
    unlink(temp.c_str());
    return failure(error);
  }
  return {};
}

WriteResult writeTextAtomically(const std::filesystem::path& target, const std::string& text) {
  return writeFileAtomically(
      target, std::span(reinterpret_cast<const std::uint8_t*>(text.data()), text.size()));
}

}  // namespace jadvalon
