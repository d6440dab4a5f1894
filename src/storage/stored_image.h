// The stored forms of a project image: plain (a zlib stream, used by the template and the
// examples) and project file (the zlib stream scrambled on every 61st byte, used for saved
// projects and archive copies). Reading validates everything before anything is replaced.
#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "model/image.h"

namespace jadvalon {

enum class StoredForm { Plain, ProjectFile };

enum class ReadError {
  None,
  Unreadable,        // the file could not be opened or read (detail: the system's reason)
  NotThisForm,       // not a stream of the expected form: a foreign file or the other form
  Damaged,           // the stream does not inflate or fails its checksum
  Incomplete,        // fewer than kImageSize bytes inflate
  TablesOutOfRange,  // a table count or a text length beyond what the format holds
};

struct ReadResult {
  std::unique_ptr<TLoyiha> image;  // set only when error == None
  ReadError error = ReadError::None;
  std::string detail;  // the system's reason for Unreadable
  bool ok() const { return error == ReadError::None; }
};

// The scrambling of the project-file form; applying unscramble after scramble restores the bytes.
void scramble(std::span<std::uint8_t> stream);
void unscramble(std::span<std::uint8_t> stream);

// zlib stream of the image (default level, 32 KB window), scrambled for the project-file form.
std::vector<std::uint8_t> encodeImage(const TLoyiha& image, StoredForm form);
// Inflates and validates; a stream longer than the image keeps its first kImageSize bytes.
ReadResult decodeImage(std::span<const std::uint8_t> bytes, StoredForm form);

// Which form the bytes are: a valid zlib header at the start means plain.
StoredForm detectForm(std::span<const std::uint8_t> bytes);

// Reads a file in the given form, or in the form detected from its first two bytes.
ReadResult readImageFile(const std::filesystem::path& path,
                         std::optional<StoredForm> form = std::nullopt);

// Checks what a read image must satisfy: table counts and text lengths within their fields.
bool imageWithinLimits(const TLoyiha& image);

}  // namespace jadvalon
