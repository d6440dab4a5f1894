// The stored forms of the image: scrambling, compression and validation of what is read.
#include "storage/stored_image.h"

#include <gtest/gtest.h>
#include <zlib.h>

#include <cstring>

#include "model/test_support.h"
#include "storage/temp_folder.h"

namespace jadvalon {
namespace {

// An image with something in every table, written through the project's own operations.
std::unique_ptr<TLoyiha> sampleImage() {
  testing::TestProject t;
  storeText(t.project.edit().header.institution, "22-maktab");
  t.project.edit().header.workingDays = 6;
  const int c = t.addClass("5-A");
  const int s = t.addSubject("Matematika");
  const int te = t.addTeacher("Karimova Dilnoza");
  const int r = t.addRoom("12-xona");
  const int l = t.addLesson(c, s, te, 6, {r});
  t.project.appendPlacement(2, 3, 3, l, r, 0);
  TAlmashtirish sub{};
  sub.date = 46000.0;
  t.project.appendSubstitution(sub);
  return std::make_unique<TLoyiha>(t.project.image());
}

std::vector<std::uint8_t> zlibOf(const std::vector<std::uint8_t>& raw) {
  uLongf size = compressBound(raw.size());
  std::vector<std::uint8_t> out(size);
  compress2(out.data(), &size, raw.data(), raw.size(), Z_DEFAULT_COMPRESSION);
  out.resize(size);
  return out;
}

std::vector<std::uint8_t> rawBytes(const TLoyiha& image) {
  const auto* p = reinterpret_cast<const std::uint8_t*>(&image);
  return {p, p + sizeof(TLoyiha)};
}

TEST(StoredImage, BothFormsRoundTripTheIdenticalBytes) {
  const auto image = sampleImage();
  for (StoredForm form : {StoredForm::Plain, StoredForm::ProjectFile}) {
    const auto stream = encodeImage(*image, form);
    ASSERT_FALSE(stream.empty());
    EXPECT_EQ(detectForm(stream), form);
    const ReadResult read = decodeImage(stream, form);
    ASSERT_TRUE(read.ok());
    EXPECT_EQ(std::memcmp(read.image.get(), image.get(), kImageSize), 0);
  }
  // The plain form is an ordinary zlib stream of the image.
  const auto plain = encodeImage(*image, StoredForm::Plain);
  std::vector<std::uint8_t> inflated(kImageSize + 1);
  uLongf size = inflated.size();
  ASSERT_EQ(uncompress(inflated.data(), &size, plain.data(), plain.size()), Z_OK);
  EXPECT_EQ(size, kImageSize);
}

TEST(StoredImage, ScramblingArithmetic) {
  std::vector<std::uint8_t> stream(123, 0);
  scramble(stream);
  EXPECT_EQ(stream[0], 4 + 0 + 4);              // key digit 4 at position 0
  EXPECT_EQ(stream[61], (0 + 237 + 4) % 256);   // key digit 0 at position 1, 113*61 mod 256 = 237
  EXPECT_EQ(stream[122], (7 + 218 + 4) % 256);  // key digit 7 at position 2, 113*122 mod 256 = 218
  int changed = 0;
  for (std::uint8_t b : stream) changed += b != 0;
  EXPECT_EQ(changed, 3);
  unscramble(stream);
  EXPECT_EQ(stream, std::vector<std::uint8_t>(123, 0));

  for (std::size_t length : {61u, 62u}) {
    std::vector<std::uint8_t> s(length, 0x55);
    scramble(s);
    std::vector<std::size_t> touched;
    for (std::size_t k = 0; k < s.size(); ++k)
      if (s[k] != 0x55) touched.push_back(k);
    const std::vector<std::size_t> expected =
        length == 61 ? std::vector<std::size_t>{0} : std::vector<std::size_t>{0, 61};
    EXPECT_EQ(touched, expected);
  }
}

TEST(StoredImage, TheTwoFormsAreRefusedByEachOthersReader) {
  const auto image = sampleImage();
  EXPECT_EQ(decodeImage(encodeImage(*image, StoredForm::Plain), StoredForm::ProjectFile).error,
            ReadError::NotThisForm);
  EXPECT_EQ(decodeImage(encodeImage(*image, StoredForm::ProjectFile), StoredForm::Plain).error,
            ReadError::NotThisForm);
}

TEST(StoredImage, LongerStreamKeepsItsFirstImage) {
  const auto image = sampleImage();
  auto raw = rawBytes(*image);
  raw.insert(raw.end(), 5000, 0xAB);
  const ReadResult read = decodeImage(zlibOf(raw), StoredForm::Plain);
  ASSERT_TRUE(read.ok());
  EXPECT_EQ(std::memcmp(read.image.get(), image.get(), kImageSize), 0);
}

TEST(StoredImage, DamagedInputsAreRefusedWithTheirReason) {
  const auto image = sampleImage();
  const auto good = encodeImage(*image, StoredForm::Plain);

  auto truncated = good;
  truncated.resize(good.size() / 2);
  auto badChecksum = good;
  badChecksum.back() ^= 0xFF;
  auto shortImage = rawBytes(*image);
  shortImage.resize(kImageSize - 1);
  auto tooManyClasses = *image;
  tooManyClasses.classCount = 151;
  auto tooManyTeachers = *image;
  tooManyTeachers.teacherCount = 401;
  auto tooManyPlacements = *image;
  tooManyPlacements.placementCount = 8001;
  auto longName = *image;
  longName.classes[1].shortName.length = 11;
  auto longHeader = *image;
  longHeader.header.periodTimes[3].length = 16;

  struct Case {
    const char* what;
    std::vector<std::uint8_t> stream;
    ReadError expected;
  } cases[] = {
      {"empty", {}, ReadError::NotThisForm},
      {"not zlib", {'P', 'K', 3, 4, 0, 0}, ReadError::NotThisForm},
      {"truncated stream", truncated, ReadError::Damaged},
      {"bad checksum", badChecksum, ReadError::Damaged},
      {"header only", {good[0], good[1]}, ReadError::Damaged},
      {"short image", zlibOf(shortImage), ReadError::Incomplete},
      {"class count", encodeImage(tooManyClasses, StoredForm::Plain), ReadError::TablesOutOfRange},
      {"teacher count", encodeImage(tooManyTeachers, StoredForm::Plain),
       ReadError::TablesOutOfRange},
      {"placement count", encodeImage(tooManyPlacements, StoredForm::Plain),
       ReadError::TablesOutOfRange},
      {"string length", encodeImage(longName, StoredForm::Plain), ReadError::TablesOutOfRange},
      {"header string", encodeImage(longHeader, StoredForm::Plain), ReadError::TablesOutOfRange},
  };
  for (const auto& c : cases) {
    const ReadResult read = decodeImage(c.stream, StoredForm::Plain);
    EXPECT_EQ(read.error, c.expected) << c.what;
    EXPECT_EQ(read.image, nullptr) << c.what;
  }
}

TEST(StoredImage, FilesAreReadInTheDetectedForm) {
  testing::TempFolder dir;
  const auto image = sampleImage();
  testing::writeBytes(dir / "a.nol", encodeImage(*image, StoredForm::Plain));
  testing::writeBytes(dir / "a.jdn", encodeImage(*image, StoredForm::ProjectFile));
  for (const char* name : {"a.nol", "a.jdn"}) {
    const ReadResult read = readImageFile(dir / name);
    ASSERT_TRUE(read.ok()) << name;
    EXPECT_EQ(std::memcmp(read.image.get(), image.get(), kImageSize), 0);
  }
  EXPECT_EQ(readImageFile(dir / "missing.jdn").error, ReadError::Unreadable);
  EXPECT_EQ(readImageFile(dir.path()).error, ReadError::Unreadable);
}

}  // namespace
}  // namespace jadvalon
