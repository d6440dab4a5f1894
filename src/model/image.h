// The project image: every record of a school's project in the exact byte layout of the project
// file. The layout is a file format, so every size and offset is checked at compile time below.
#pragma once

#include <cstddef>
#include <cstdint>
#include <type_traits>

namespace jadvalon {

// Length-prefixed 8-bit text of fixed capacity (Windows-1251). Bytes after the last character
// are kept as they are: files from other installations are written back unchanged.
template <std::size_t N>
struct FixedString {
  std::uint8_t length;
  char bytes[N];

  static constexpr std::size_t capacity = N;
};

inline constexpr int kDays = 6;      // Monday..Saturday are used by the timetable
inline constexpr int kPeriods = 14;  // periods of a day
inline constexpr int kGridCells = kDays * kPeriods;

// Availability grid: day-major, non-zero means lessons may be held at (day, period).
using Grid = std::uint8_t[kDays][kPeriods];

// TKunNomi — names of one day of the week.
struct TKunNomi {
  FixedString<20> fullName;
  FixedString<10> shortName;
};

// TSmena — one shift of the school day.
struct TSmena {
  std::uint8_t firstPeriod;    // 1..10
  std::uint8_t lessonsPerDay;  // 4..10
  Grid grid;                   // derived from the two numbers and the working days
};

// TSinf — a class of pupils.
struct TSinf {
  std::uint16_t id;
  FixedString<50> name;
  FixedString<10> shortName;
  std::uint8_t grade;       // 0 = not set, else 1..11
  std::uint8_t shift;       // 1..3
  std::uint8_t weeklyLoad;  // derived, half-units, wraps at 256
  std::uint8_t branch;      // 0..3
  std::uint8_t availableCount;
  Grid grid;
  std::uint8_t unused;
};

// TFan — a subject.
struct TFan {
  std::uint16_t id;
  FixedString<50> name;
  FixedString<10> shortName;
  std::uint8_t difficulty;         // used for classes of grade 0
  std::uint8_t difficultyBand[7];  // by grade band
  std::uint8_t weeklyLoad;
  std::uint8_t availableCount;
  Grid grid;
};

// TXona — a room.
struct TXona {
  std::uint16_t id;
  FixedString<50> name;
  FixedString<10> shortName;
  std::uint8_t reserved;  // 1 in every created room; not read
  std::uint8_t weeklyLoad;
  std::uint8_t availableCount;
  Grid grid;
  std::uint8_t unused;
};

// TUqituvchi — a teacher.
struct TUqituvchi {
  std::uint16_t id;
  FixedString<47> name;
  std::uint8_t dailyMaximum;  // lessons per day; 0 (bulk-created) means no cap
  std::uint8_t gapsFlag;
  std::uint8_t parallelFlag;
  FixedString<10> shortName;
  std::uint8_t methodDays[kDays];
  std::uint8_t weeklyLoad;
  std::uint8_t unused1;
  std::uint32_t colour;  // 0x00BBGGRR
  std::uint8_t availableCount;
  Grid grid;
  FixedString<9> phone;  // digits after the country prefix
  std::uint8_t unused2;
};

// TDars — a lesson: a class taught a subject by a teacher, optionally in two groups.
struct TDars {
  std::uint16_t id;
  std::uint16_t teacher1;
  std::uint16_t teacher2;  // equals teacher1 for a one-group lesson
  std::uint16_t subject1;
  std::uint16_t subject2;
  std::uint8_t roomCount1;
  std::uint8_t unused1;
  std::uint16_t rooms1[10];
  std::uint8_t roomCount2;
  std::uint8_t unused2;
  std::uint16_t rooms2[10];
  std::uint16_t classId;
  std::uint8_t weeklyLoad;  // half-units
  std::uint8_t pairFlag;    // held as double periods
  std::uint8_t twoGroups;   // teacher1 != teacher2
  std::uint8_t availableCount;
  Grid grid;
};

// TJoy — a placement of a lesson at one day and period.
struct TJoy {
  std::uint8_t day;     // 1..6
  std::uint8_t period;  // 1..14
  std::uint8_t kind;    // 1 week-1 half, 2 week-2 half, 3 both
  std::uint8_t unused1;
  std::uint16_t lessonId;
  std::uint8_t room1;  // low 8 bits of a room id; 0 = none
  std::uint8_t room2;
  std::uint8_t locked;
  std::uint8_t unused2;
};

// TAlmashtirish — a teacher substitution on one date.
struct TAlmashtirish {
  double date;          // days since 30 December 1899
  std::uint8_t day;     // 1..7
  std::uint8_t period;  // 1..14
  std::uint8_t week;    // 1 or 2
  std::uint8_t unused1;
  std::uint16_t classId;
  std::uint16_t absentTeacher;
  std::uint16_t substituteTeacher;
  std::uint16_t subject;
  std::uint16_t substituteSubject;
  std::uint16_t room;
  std::uint16_t substituteRoom;
  std::uint8_t unused2[6];
};

// Capacities of the tables (live records are slots 1..count; slot 0 is the blank template).
inline constexpr int kMaxClasses = 150;
inline constexpr int kMaxSubjects = 100;
inline constexpr int kMaxRooms = 200;
inline constexpr int kMaxTeacherSlots = 400;
inline constexpr int kMaxLessons = 5000;
inline constexpr int kMaxPlacements = 8000;
inline constexpr int kMaxSubstitutions = 2000;

// Teacher slots 398 and 399 carry the deputy director's and the psychologist's names, so the
// program adds at most 397 teachers; files with more still open.
inline constexpr int kDeputyDirectorSlot = 398;
inline constexpr int kPsychologistSlot = 399;
inline constexpr int kMaxAddedTeachers = 397;

struct TLoyihaHeader {
  FixedString<100> institution;
  FixedString<50> director;
  FixedString<50> town;
  FixedString<20> academicYear;
  std::uint8_t workingDays;  // 5 or 6
  std::uint8_t unused1;
  TKunNomi dayNames[7];
  std::uint8_t unused2;
  TSmena shifts[3];
  FixedString<15> periodTimes[kPeriods];
  std::uint8_t unused3;
};

// TLoyiha — the whole project image.
struct TLoyiha {
  TLoyihaHeader header;

  std::uint8_t classCount;
  std::uint8_t padding1;
  std::uint16_t classNextId;
  TSinf classBuffer;
  TSinf classes[kMaxClasses + 1];

  std::uint16_t subjectCount;
  std::uint16_t subjectNextId;
  TFan subjectBuffer;
  TFan subjects[kMaxSubjects + 1];

  std::uint16_t roomCount;
  std::uint16_t roomNextId;
  TXona roomBuffer;
  TXona rooms[kMaxRooms + 1];

  std::uint8_t padding2[2];
  std::uint16_t teacherCount;
  std::uint16_t teacherNextId;
  TUqituvchi teacherBuffer;
  TUqituvchi teachers[kMaxTeacherSlots + 1];

  std::uint16_t lessonCount;
  std::uint16_t lessonNextId;
  TDars lessonBuffer;
  TDars lessons[kMaxLessons + 1];

  std::uint16_t placementCount;
  TJoy sparePlacement;
  TJoy placements[kMaxPlacements + 1];

  std::uint8_t padding3[2];
  std::uint16_t substitutionCount;
  std::uint8_t padding4[6];
  TAlmashtirish spareSubstitution;
  TAlmashtirish substitutions[kMaxSubstitutions + 1];
};

inline constexpr std::size_t kImageSize = 1004712;

// --- The layout is the file format: check it. ---
static_assert(sizeof(TKunNomi) == 32);
static_assert(sizeof(TSmena) == 86);
static_assert(sizeof(TSinf) == 154);
static_assert(sizeof(TFan) == 158);
static_assert(sizeof(TXona) == 152);
static_assert(sizeof(TUqituvchi) == 172);
static_assert(sizeof(TDars) == 144);
static_assert(sizeof(TJoy) == 10);
static_assert(sizeof(TAlmashtirish) == 32);
static_assert(sizeof(TLoyihaHeader) == 934);
static_assert(sizeof(TLoyiha) == kImageSize);
static_assert(std::is_trivially_copyable_v<TLoyiha> && std::is_standard_layout_v<TLoyiha>);

static_assert(offsetof(TSinf, name) == 2 && offsetof(TSinf, shortName) == 53);
static_assert(offsetof(TSinf, grade) == 64 && offsetof(TSinf, shift) == 65);
static_assert(offsetof(TSinf, weeklyLoad) == 66 && offsetof(TSinf, branch) == 67);
static_assert(offsetof(TSinf, availableCount) == 68 && offsetof(TSinf, grid) == 69);
static_assert(offsetof(TFan, difficulty) == 64 && offsetof(TFan, difficultyBand) == 65);
static_assert(offsetof(TFan, weeklyLoad) == 72 && offsetof(TFan, availableCount) == 73);
static_assert(offsetof(TFan, grid) == 74);
static_assert(offsetof(TXona, reserved) == 64 && offsetof(TXona, weeklyLoad) == 65);
static_assert(offsetof(TXona, availableCount) == 66 && offsetof(TXona, grid) == 67);
static_assert(offsetof(TUqituvchi, dailyMaximum) == 50 && offsetof(TUqituvchi, gapsFlag) == 51);
static_assert(offsetof(TUqituvchi, parallelFlag) == 52 && offsetof(TUqituvchi, shortName) == 53);
static_assert(offsetof(TUqituvchi, methodDays) == 64 && offsetof(TUqituvchi, weeklyLoad) == 70);
static_assert(offsetof(TUqituvchi, colour) == 72 && offsetof(TUqituvchi, availableCount) == 76);
static_assert(offsetof(TUqituvchi, grid) == 77 && offsetof(TUqituvchi, phone) == 161);
static_assert(offsetof(TDars, teacher1) == 2 && offsetof(TDars, teacher2) == 4);
static_assert(offsetof(TDars, subject1) == 6 && offsetof(TDars, subject2) == 8);
static_assert(offsetof(TDars, roomCount1) == 10 && offsetof(TDars, rooms1) == 12);
static_assert(offsetof(TDars, roomCount2) == 32 && offsetof(TDars, rooms2) == 34);
static_assert(offsetof(TDars, classId) == 54 && offsetof(TDars, weeklyLoad) == 56);
static_assert(offsetof(TDars, pairFlag) == 57 && offsetof(TDars, twoGroups) == 58);
static_assert(offsetof(TDars, availableCount) == 59 && offsetof(TDars, grid) == 60);
static_assert(offsetof(TJoy, kind) == 2 && offsetof(TJoy, lessonId) == 4);
static_assert(offsetof(TJoy, room1) == 6 && offsetof(TJoy, room2) == 7);
static_assert(offsetof(TJoy, locked) == 8);
static_assert(offsetof(TAlmashtirish, day) == 8 && offsetof(TAlmashtirish, week) == 10);
static_assert(offsetof(TAlmashtirish, classId) == 12 &&
              offsetof(TAlmashtirish, absentTeacher) == 14);
static_assert(offsetof(TAlmashtirish, substituteTeacher) == 16);
static_assert(offsetof(TAlmashtirish, subject) == 18);
static_assert(offsetof(TAlmashtirish, substituteSubject) == 20);
static_assert(offsetof(TAlmashtirish, room) == 22 && offsetof(TAlmashtirish, substituteRoom) == 24);

static_assert(offsetof(TLoyihaHeader, director) == 0x065);
static_assert(offsetof(TLoyihaHeader, town) == 0x098);
static_assert(offsetof(TLoyihaHeader, academicYear) == 0x0CB);
static_assert(offsetof(TLoyihaHeader, workingDays) == 0x0E0);
static_assert(offsetof(TLoyihaHeader, dayNames) == 0x0E2);
static_assert(offsetof(TLoyihaHeader, shifts) == 0x1C3);
static_assert(offsetof(TLoyihaHeader, periodTimes) == 0x2C5);

static_assert(offsetof(TLoyiha, classCount) == 0x003A6);
static_assert(offsetof(TLoyiha, classNextId) == 0x003A8);
static_assert(offsetof(TLoyiha, classBuffer) == 0x003AA);
static_assert(offsetof(TLoyiha, classes) == 0x00444);
static_assert(offsetof(TLoyiha, subjectCount) == 0x05F1A);
static_assert(offsetof(TLoyiha, subjectNextId) == 0x05F1C);
static_assert(offsetof(TLoyiha, subjectBuffer) == 0x05F1E);
static_assert(offsetof(TLoyiha, subjects) == 0x05FBC);
static_assert(offsetof(TLoyiha, roomCount) == 0x09E12);
static_assert(offsetof(TLoyiha, roomNextId) == 0x09E14);
static_assert(offsetof(TLoyiha, roomBuffer) == 0x09E16);
static_assert(offsetof(TLoyiha, rooms) == 0x09EAE);
static_assert(offsetof(TLoyiha, teacherCount) == 0x11608);
static_assert(offsetof(TLoyiha, teacherNextId) == 0x1160A);
static_assert(offsetof(TLoyiha, teacherBuffer) == 0x1160C);
static_assert(offsetof(TLoyiha, teachers) == 0x116B8);
static_assert(offsetof(TLoyiha, lessonCount) == 0x22424);
static_assert(offsetof(TLoyiha, lessonNextId) == 0x22426);
static_assert(offsetof(TLoyiha, lessonBuffer) == 0x22428);
static_assert(offsetof(TLoyiha, lessons) == 0x224B8);
static_assert(offsetof(TLoyiha, placementCount) == 0xD21C8);
static_assert(offsetof(TLoyiha, sparePlacement) == 0xD21CA);
static_assert(offsetof(TLoyiha, placements) == 0xD21D4);
static_assert(offsetof(TLoyiha, substitutionCount) == 0xE5A60);
static_assert(offsetof(TLoyiha, spareSubstitution) == 0xE5A68);
static_assert(offsetof(TLoyiha, substitutions) == 0xE5A88);
static_assert(offsetof(TLoyiha, teachers) + kDeputyDirectorSlot * sizeof(TUqituvchi) +
                  offsetof(TUqituvchi, name) ==
              0x22222);
static_assert(offsetof(TLoyiha, teachers) + kPsychologistSlot * sizeof(TUqituvchi) +
                  offsetof(TUqituvchi, name) ==
              0x222CE);

// Counts a grid's non-zero cells: the available count stored in front of every grid.
std::uint8_t countAvailable(const Grid& grid);

// Sets every cell of a grid to 1.
void fillGrid(Grid& grid, std::uint8_t value);

}  // namespace jadvalon
