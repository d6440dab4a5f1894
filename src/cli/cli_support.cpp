// Reading, writing and argument helpers of the command-line tool.
#include "cli/cli_support.h"

#include <algorithm>
#include <cstdio>
#include <iostream>

#include "storage/atomic_file.h"

namespace jadvalon::cli {

std::string describe(ReadError error, const std::string& detail) {
  switch (error) {
    case ReadError::None:
      return "ok";
    case ReadError::Unreadable:
      return "cannot be read: " + detail;
    case ReadError::NotThisForm:
      return "not a project file of this program";
    case ReadError::Damaged:
      return "the file is damaged (it does not unpack)";
    case ReadError::Incomplete:
      return "the file ends too early: the project in it is incomplete";
    case ReadError::TablesOutOfRange:
      return "the file is damaged: a table or a text is larger than its field";
  }
  return "unknown error";
}

std::unique_ptr<TLoyiha> loadImageOrReport(const std::filesystem::path& path) {
  ReadResult read = readImageFile(path);
  if (!read.ok()) {
    std::cerr << "jadvalon-cli: " << path.string() << ": " << describe(read.error, read.detail)
              << "\n";
    return nullptr;
  }
  return std::move(read.image);
}

bool writeImageOrReport(const TLoyiha& image, const std::filesystem::path& path) {
  const StoredForm form = path.extension() == ".nol" ? StoredForm::Plain : StoredForm::ProjectFile;
  const WriteResult written = writeFileAtomically(path, encodeImage(image, form));
  if (!written.ok()) {
    std::cerr << "jadvalon-cli: " << path.string() << ": cannot be written: " << written.detail
              << "\n";
    return false;
  }
  return true;
}

std::string jsonString(const std::string& text) {
  std::string out = "\"";
  for (unsigned char c : text) {
    switch (c) {
      case '"':
        out += "\\\"";
        break;
      case '\\':
        out += "\\\\";
        break;
      case '\n':
        out += "\\n";
        break;
      case '\r':
        out += "\\r";
        break;
      case '\t':
        out += "\\t";
        break;
      default:
        if (c < 0x20) {
          char escaped[8];
          std::snprintf(escaped, sizeof escaped, "\\u%04x", c);
          out += escaped;
        } else {
          out.push_back(static_cast<char>(c));
        }
    }
  }
  return out + "\"";
}

int usageError(const std::string& message) {
  std::cerr << "jadvalon-cli: " << message << "\n";
  return 2;
}

std::optional<std::string> takeOption(std::vector<std::string>& args, const std::string& name,
                                      bool& missing) {
  const auto it = std::find(args.begin(), args.end(), name);
  if (it == args.end()) return std::nullopt;
  if (it + 1 == args.end()) {
    missing = true;
    args.erase(it);
    return std::nullopt;
  }
  std::string value = *(it + 1);
  args.erase(it, it + 2);
  return value;
}

bool takeFlag(std::vector<std::string>& args, const std::string& name) {
  const auto it = std::find(args.begin(), args.end(), name);
  if (it == args.end()) return false;
  args.erase(it);
  return true;
}

}  // namespace jadvalon::cli
