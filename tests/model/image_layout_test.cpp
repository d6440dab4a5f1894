// The image layout is the file format: build an image byte by byte from the published offsets and
// compare it with one written through the record types.
#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <vector>

#include "model/image.h"

namespace jadvalon {
namespace {

void put8(std::vector<std::uint8_t>& b, std::size_t at, std::uint8_t v) { b.at(at) = v; }
void put16(std::vector<std::uint8_t>& b, std::size_t at, std::uint16_t v) {
  b.at(at) = v & 0xFF;
  b.at(at + 1) = v >> 8;
}
void putText(std::vector<std::uint8_t>& b, std::size_t at, const char* text) {
  const std::size_t n = std::strlen(text);
  b.at(at) = static_cast<std::uint8_t>(n);
  std::memcpy(&b.at(at + 1), text, n);
}
template <std::size_t N>
void setText(FixedString<N>& s, const char* text) {
  s.length = static_cast<std::uint8_t>(std::strlen(text));
  std::memcpy(s.bytes, text, s.length);
}

TEST(ImageLayout, RecordsWrittenThroughTypesLandAtTheFileOffsets) {
  std::vector<std::uint8_t> expected(1004712, 0);
  // Header.
  putText(expected, 0x000, "School 7");
  putText(expected, 0x065, "Director");
  putText(expected, 0x098, "Town");
  putText(expected, 0x0CB, "2026-2027");
  put8(expected, 0x0E0, 6);
  putText(expected, 0x0E2 + 2 * 32, "Wednesday");     // day 3 full name
  putText(expected, 0x0E2 + 2 * 32 + 21, "Wed");      // day 3 short name
  put8(expected, 0x1C3 + 86, 7);                      // shift 2 first period
  put8(expected, 0x1C3 + 86 + 1, 6);                  // shift 2 lessons per day
  put8(expected, 0x1C3 + 86 + 2 + 13, 1);             // shift 2 grid, day 1 period 14
  putText(expected, 0x2C5 + 13 * 16, "20:00-20:45");  // period 14 time
  // Counts and counters; the class count is one byte followed by padding.
  put8(expected, 0x3A6, 2);
  put16(expected, 0x3A8, 9);
  put16(expected, 0x5F1A, 1);
  put16(expected, 0x9E12, 1);
  put16(expected, 0x11608, 1);
  put16(expected, 0x22424, 1);
  put16(expected, 0xD21C8, 1);
  put16(expected, 0xE5A60, 1);
  // Class slot 2.
  const std::size_t cls = 0x444 + 2 * 154;
  put16(expected, cls, 9);
  putText(expected, cls + 2, "5-A");
  putText(expected, cls + 53, "5A");
  put8(expected, cls + 64, 5);
  put8(expected, cls + 65, 2);
  put8(expected, cls + 68, 1);
  put8(expected, cls + 69 + 3 * 14 + 4, 1);  // day 4 period 5
  // Subject slot 1.
  const std::size_t sub = 0x5FBC + 158;
  put16(expected, sub, 4);
  put8(expected, sub + 64, 5);
  put8(expected, sub + 71, 9);
  put8(expected, sub + 73, 84);
  // Room slot 1.
  const std::size_t room = 0x9EAE + 152;
  put16(expected, room, 3);
  put8(expected, room + 64, 1);
  put8(expected, room + 67 + 83, 1);
  // Teacher slot 1 and the two names kept in teacher slots 398 and 399.
  const std::size_t tea = 0x116B8 + 172;
  put16(expected, tea, 11);
  putText(expected, tea + 2, "Karimova");
  put8(expected, tea + 50, 6);
  put8(expected, tea + 52, 1);
  put8(expected, tea + 64 + 5, 1);  // Saturday method day
  put16(expected, tea + 72, 0xCCDD);
  put8(expected, tea + 74, 0xEE);
  putText(expected, tea + 161, "901234567");
  putText(expected, 0x22222, "Deputy");
  putText(expected, 0x222CE, "Psychologist");
  // Lesson slot 1.
  const std::size_t les = 0x224B8 + 144;
  put16(expected, les, 20);
  put16(expected, les + 2, 11);
  put16(expected, les + 4, 12);
  put16(expected, les + 6, 4);
  put16(expected, les + 8, 5);
  put8(expected, les + 10, 1);
  put16(expected, les + 12, 3);
  put8(expected, les + 32, 1);
  put16(expected, les + 34 + 2, 300);  // second entry of the group-2 list
  put16(expected, les + 54, 9);
  put8(expected, les + 56, 8);
  put8(expected, les + 57, 1);
  put8(expected, les + 58, 1);
  // Placement slot 1.
  const std::size_t pl = 0xD21D4 + 10;
  put8(expected, pl, 2);
  put8(expected, pl + 1, 3);
  put8(expected, pl + 2, 3);
  put16(expected, pl + 4, 20);
  put8(expected, pl + 6, 3);
  put8(expected, pl + 8, 1);
  // Substitution slot 1: the date is an IEEE double, little-endian.
  const std::size_t sb = 0xE5A88 + 32;
  const double date = 46000.5;
  std::memcpy(&expected.at(sb), &date, 8);
  put8(expected, sb + 8, 7);
  put8(expected, sb + 10, 2);
  put16(expected, sb + 16, 12);
  put16(expected, sb + 24, 3);

  auto img = std::make_unique<TLoyiha>();
  std::memset(img.get(), 0, sizeof(TLoyiha));
  setText(img->header.institution, "School 7");
  setText(img->header.director, "Director");
  setText(img->header.town, "Town");
  setText(img->header.academicYear, "2026-2027");
  img->header.workingDays = 6;
  setText(img->header.dayNames[2].fullName, "Wednesday");
  setText(img->header.dayNames[2].shortName, "Wed");
  img->header.shifts[1].firstPeriod = 7;
  img->header.shifts[1].lessonsPerDay = 6;
  img->header.shifts[1].grid[0][13] = 1;
  setText(img->header.periodTimes[13], "20:00-20:45");
  img->classCount = 2;
  img->classNextId = 9;
  img->subjectCount = img->roomCount = img->teacherCount = img->lessonCount = 1;
  img->placementCount = img->substitutionCount = 1;
  TSinf& c = img->classes[2];
  c.id = 9;
  setText(c.name, "5-A");
  setText(c.shortName, "5A");
  c.grade = 5;
  c.shift = 2;
  c.availableCount = 1;
  c.grid[3][4] = 1;
  TFan& s = img->subjects[1];
  s.id = 4;
  s.difficulty = 5;
  s.difficultyBand[6] = 9;
  s.availableCount = 84;
  TXona& r = img->rooms[1];
  r.id = 3;
  r.reserved = 1;
  r.grid[5][13] = 1;
  TUqituvchi& t = img->teachers[1];
  t.id = 11;
  setText(t.name, "Karimova");
  t.dailyMaximum = 6;
  t.parallelFlag = 1;
  t.methodDays[5] = 1;
  t.colour = 0xEECCDD;
  setText(t.phone, "901234567");
  setText(img->teachers[kDeputyDirectorSlot].name, "Deputy");
  setText(img->teachers[kPsychologistSlot].name, "Psychologist");
  TDars& l = img->lessons[1];
  l.id = 20;
  l.teacher1 = 11;
  l.teacher2 = 12;
  l.subject1 = 4;
  l.subject2 = 5;
  l.roomCount1 = 1;
  l.rooms1[0] = 3;
  l.roomCount2 = 1;
  l.rooms2[1] = 300;
  l.classId = 9;
  l.weeklyLoad = 8;
  l.pairFlag = 1;
  l.twoGroups = 1;
  TJoy& p = img->placements[1];
  p.day = 2;
  p.period = 3;
  p.kind = 3;
  p.lessonId = 20;
  p.room1 = 3;
  p.locked = 1;
  TAlmashtirish& sb1 = img->substitutions[1];
  sb1.date = date;
  sb1.day = 7;
  sb1.week = 2;
  sb1.substituteTeacher = 12;
  sb1.substituteRoom = 3;

  const auto* actual = reinterpret_cast<const std::uint8_t*>(img.get());
  for (std::size_t i = 0; i < expected.size(); ++i)
    ASSERT_EQ(actual[i], expected[i]) << "first difference at offset 0x" << std::hex << i;
}

TEST(ImageLayout, GridHelpersCountNonZeroCells) {
  Grid grid;
  fillGrid(grid, 1);
  EXPECT_EQ(countAvailable(grid), 84);
  grid[0][0] = 0;
  grid[5][13] = 7;
  EXPECT_EQ(countAvailable(grid), 83);
  fillGrid(grid, 0);
  EXPECT_EQ(countAvailable(grid), 0);
}

}  // namespace
}  // namespace jadvalon
