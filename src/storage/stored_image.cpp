// Encoding and decoding the stored forms of the project image.
#include "storage/stored_image.h"

#include <zlib.h>

#include <cstring>

#include "storage/file_bytes.h"

namespace jadvalon {
namespace {

constexpr char kScrambleKey[] = "40718295361748205963";
constexpr std::size_t kScrambleStep = 61;
constexpr std::size_t kInflateStep = 4096;
// A stream that inflates to far more than an image is not ours; stop instead of inflating it all.
constexpr std::size_t kMaxInflated = 64u * 1024 * 1024;

std::uint8_t scrambleDelta(std::size_t k) {
  const unsigned digit = static_cast<unsigned>(kScrambleKey[k % 20] - '0');
  return static_cast<std::uint8_t>((digit + 113u * static_cast<unsigned>(k % 256) + 4u) & 0xFF);
}

bool validZlibHeader(std::span<const std::uint8_t> bytes) {
  if (bytes.size() < 2) return false;
  const unsigned cmf = bytes[0], flg = bytes[1];
  return (cmf & 0x0F) == 8 && (cmf >> 4) <= 7 && (cmf * 256 + flg) % 31 == 0 && (flg & 0x20) == 0;
}

template <std::size_t N>
bool withinCapacity(const FixedString<N>& s) {
  return s.length <= N;
}

template <class Record>
bool namesWithinCapacity(const Record* slots, int count) {
  for (int i = 1; i <= count; ++i)
    if (!withinCapacity(slots[i].name) || !withinCapacity(slots[i].shortName)) return false;
  return true;
}

}  // namespace

void scramble(std::span<std::uint8_t> stream) {
  for (std::size_t k = 0; k < stream.size(); k += kScrambleStep)
    stream[k] = static_cast<std::uint8_t>(stream[k] + scrambleDelta(k));
}

void unscramble(std::span<std::uint8_t> stream) {
  for (std::size_t k = 0; k < stream.size(); k += kScrambleStep)
    stream[k] = static_cast<std::uint8_t>(stream[k] - scrambleDelta(k));
}

std::vector<std::uint8_t> encodeImage(const TLoyiha& image, StoredForm form) {
  uLongf size = compressBound(kImageSize);
  std::vector<std::uint8_t> out(size);
  // compress2 writes a zlib stream with a 32 KB window.
  const int rc = compress2(out.data(), &size, reinterpret_cast<const Bytef*>(&image), kImageSize,
                           Z_DEFAULT_COMPRESSION);
  if (rc != Z_OK) return {};
  out.resize(size);
  if (form == StoredForm::ProjectFile) scramble(out);
  return out;
}

bool imageWithinLimits(const TLoyiha& img) {
  if (img.classCount > kMaxClasses || img.subjectCount > kMaxSubjects ||
      img.roomCount > kMaxRooms || img.teacherCount > kMaxTeacherSlots ||
      img.lessonCount > kMaxLessons || img.placementCount > kMaxPlacements ||
      img.substitutionCount > kMaxSubstitutions)
    return false;
  const TLoyihaHeader& h = img.header;
  if (!withinCapacity(h.institution) || !withinCapacity(h.director) || !withinCapacity(h.town) ||
      !withinCapacity(h.academicYear))
    return false;
  for (const TKunNomi& day : h.dayNames)
    if (!withinCapacity(day.fullName) || !withinCapacity(day.shortName)) return false;
  for (const auto& time : h.periodTimes)
    if (!withinCapacity(time)) return false;
  if (!withinCapacity(img.teachers[kDeputyDirectorSlot].name) ||
      !withinCapacity(img.teachers[kPsychologistSlot].name))
    return false;
  for (int i = 1; i <= img.teacherCount; ++i)
    if (!withinCapacity(img.teachers[i].phone)) return false;
  return namesWithinCapacity(img.classes, img.classCount) &&
         namesWithinCapacity(img.subjects, img.subjectCount) &&
         namesWithinCapacity(img.rooms, img.roomCount) &&
         namesWithinCapacity(img.teachers, img.teacherCount);
}

StoredForm detectForm(std::span<const std::uint8_t> bytes) {
  return validZlibHeader(bytes) ? StoredForm::Plain : StoredForm::ProjectFile;
}

ReadResult decodeImage(std::span<const std::uint8_t> bytes, StoredForm form) {
  ReadResult result;
  std::vector<std::uint8_t> stream(bytes.begin(), bytes.end());
  if (form == StoredForm::ProjectFile) unscramble(stream);
  if (!validZlibHeader(stream)) {
    result.error = ReadError::NotThisForm;
    return result;
  }

  auto image = std::make_unique<TLoyiha>();
  auto* target = reinterpret_cast<std::uint8_t*>(image.get());
  z_stream z{};
  if (inflateInit(&z) != Z_OK) {
    result.error = ReadError::Damaged;
    return result;
  }
  z.next_in = stream.data();
  z.avail_in = static_cast<uInt>(stream.size());
  std::uint8_t chunk[kInflateStep];
  std::size_t produced = 0;
  int rc = Z_OK;
  // Inflate in fixed steps; only the first image's worth of bytes is kept. A stream cut short
  // stops with Z_BUF_ERROR and counts as damaged.
  while (rc == Z_OK && produced <= kMaxInflated) {
    z.next_out = chunk;
    z.avail_out = kInflateStep;
    rc = inflate(&z, Z_NO_FLUSH);
    const std::size_t got = kInflateStep - z.avail_out;
    if (produced < kImageSize) {
      const std::size_t keep = std::min(got, kImageSize - produced);
      std::memcpy(target + produced, chunk, keep);
    }
    produced += got;
  }
  inflateEnd(&z);

  if (rc != Z_STREAM_END) {
    result.error = ReadError::Damaged;
  } else if (produced < kImageSize) {
    result.error = ReadError::Incomplete;
  } else if (!imageWithinLimits(*image)) {
    result.error = ReadError::TablesOutOfRange;
  } else {
    result.image = std::move(image);
  }
  return result;
}

ReadResult readImageFile(const std::filesystem::path& path, std::optional<StoredForm> form) {
  const FileBytes file = readFileBytes(path);
  if (!file.bytes) {
    ReadResult result;
    result.error = ReadError::Unreadable;
    result.detail = file.error;
    return result;
  }
  const auto bytes =
      std::span(reinterpret_cast<const std::uint8_t*>(file.bytes->data()), file.bytes->size());
  return decodeImage(bytes, form.value_or(detectForm(bytes)));
}

}  // namespace jadvalon
