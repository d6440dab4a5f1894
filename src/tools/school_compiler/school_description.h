// A school as read from its text description: every record with the line it came from, and
// references between records already resolved to positions in their lists.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "model/image.h"

namespace jadvalon::school {

// Cells a description takes away from a record's grid: [day][period], true = not available.
using Unavailable = std::array<std::array<bool, kPeriods>, kDays>;

struct ShiftDescription {
  int firstPeriod = 0;  // 0 = the shift is not used
  int lessonsPerDay = 0;
};

struct SubjectDescription {
  int line = 0;
  std::string name, shortName;
  int difficulty = 5;
  std::array<int, 7> bands{5, 5, 5, 5, 5, 5, 5};
  Unavailable off{};
};

struct RoomDescription {
  int line = 0;
  std::string name, shortName;
  Unavailable off{};
};

struct ClassDescription {
  int line = 0;
  std::string name, shortName;
  int grade = 0;
  int shift = 1;
  Unavailable off{};  // removed from the shift's grid
};

struct TeacherDescription {
  int line = 0;
  std::string name, shortName;
  int dailyMaximum = 0;
  bool gaps = false;
  bool parallel = false;
  std::array<bool, kDays> methodDays{};
  Unavailable off{};
  std::string phone;
};

// Positions (0-based) in the description's lists, not ids.
struct LessonDescription {
  int line = 0;
  int classIndex = 0;
  int subject1 = 0, teacher1 = 0;
  int subject2 = 0, teacher2 = 0;  // equal to the first ones for a one-group lesson
  int halfUnits = 0;
  bool pair = false;
  std::vector<int> rooms1, rooms2;
  Unavailable off{};
};

struct SchoolDescription {
  std::string institution, director, town, academicYear, deputyDirector, psychologist;
  int workingDays = 6;
  std::array<ShiftDescription, 3> shifts{};
  std::array<std::string, kPeriods> periodTimes{};
  std::vector<SubjectDescription> subjects;
  std::vector<RoomDescription> rooms;
  std::vector<ClassDescription> classes;
  std::vector<TeacherDescription> teachers;
  std::vector<LessonDescription> lessons;
};

}  // namespace jadvalon::school
