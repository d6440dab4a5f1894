// A large generated school for the generator benchmarks: 33 classes of grades 1..11 in a six-day
// week, grades 5..11 in a morning shift of seven periods and grades 1..4 in an afternoon shift of
// six, 30 rooms, about 60 teachers, 30 to 32 hours per class with split groups, double periods
// and half-hour lessons. The same school every time: no random numbers.
#pragma once

#include <cstring>
#include <string>
#include <vector>

#include "model/project.h"
#include "model/text_codec.h"

namespace jadvalon::bench {

struct CurriculumItem {
  const char* subject;
  int load;       // half-units
  bool pair;      // double periods
  bool split;     // two groups with their own teachers
  int roomGroup;  // 0 general rooms, 1 gyms, 2 computer labs, 3 science labs
};

// Hours of a class by grade band: lower, middle and upper grades.
inline std::vector<CurriculumItem> curriculum(int grade) {
  if (grade <= 4)
    return {{"Ona tili", 10, false, false, 0},   {"Matematika", 10, false, false, 0},
            {"Rus tili", 4, false, false, 0},    {"Ingliz tili", 4, false, true, 0},
            {"Tabiiy fan", 4, false, false, 0},  {"Jismoniy tarbiya", 4, true, false, 1},
            {"Musiqa", 2, false, false, 0},      {"Tasviriy san'at", 2, false, false, 0},
            {"Texnologiya", 3, false, false, 0}, {"Tarbiya", 1, false, false, 0},
            {"Informatika", 2, false, true, 2},  {"O'qish", 16, false, false, 0}};
  if (grade <= 8)
    return {{"Ona tili", 6, false, false, 0},    {"Adabiyot", 4, false, false, 0},
            {"Matematika", 10, false, false, 0}, {"Rus tili", 4, false, false, 0},
            {"Ingliz tili", 6, false, true, 0},  {"Tarix", 5, false, false, 0},
            {"Musiqa", 2, false, false, 0},      {"Fizika", 4, false, false, 3},
            {"Biologiya", 4, false, false, 3},   {"Geografiya", 4, false, false, 0},
            {"Kimyo", 3, false, false, 3},       {"Jismoniy tarbiya", 4, true, false, 1},
            {"Informatika", 4, true, true, 2},   {"Texnologiya", 2, false, false, 0},
            {"Tarbiya", 1, false, false, 0}};
  return {{"Ona tili", 6, false, false, 0},    {"Adabiyot", 4, false, false, 0},
          {"Astronomiya", 2, false, false, 0}, {"Algebra", 6, false, false, 0},
          {"Geometriya", 4, false, false, 0},  {"Rus tili", 4, false, false, 0},
          {"Ingliz tili", 4, false, true, 0},  {"Tarix", 4, false, false, 0},
          {"Huquq", 2, false, false, 0},       {"Fizika", 6, false, false, 3},
          {"Kimyo", 4, false, false, 3},       {"Biologiya", 4, false, false, 3},
          {"Geografiya", 3, false, false, 0},  {"Jismoniy tarbiya", 4, true, false, 1},
          {"Informatika", 4, false, true, 2},  {"Chaqiruvgacha", 2, false, false, 0},
          {"Tarbiya", 1, false, false, 0}};
}

// Fills the project with the school. The project must be empty.
inline void buildLargeSchool(Project& project, int classCount = 33) {
  TLoyiha& image = project.edit();
  image.header.workingDays = 6;
  image.header.shifts[0].firstPeriod = 1;
  image.header.shifts[0].lessonsPerDay = 7;
  // Grades 1 to 4 learn in the afternoon shift, as schools short of rooms do.
  image.header.shifts[1].firstPeriod = 7;
  image.header.shifts[1].lessonsPerDay = 6;
  project.deriveShiftGrids();

  auto add = [&](Table table, auto& buffer, const std::string& name) {
    storeText(buffer.name, name);
    storeText(buffer.shortName, name.substr(0, 10));
    project.append(table);
  };
  // Rooms: 24 class rooms, 2 gyms, 2 computer labs, 2 science labs.
  std::vector<std::vector<int>> roomGroups(4);
  for (int r = 0; r < 30; ++r) {
    project.prepareNewRoom();
    add(Table::Rooms, project.edit().roomBuffer, "Xona " + std::to_string(r + 1));
    roomGroups[r < 24 ? 0 : r < 26 ? 1 : r < 28 ? 2 : 3].push_back(project.image().roomNextId);
  }
  // Teachers are created per subject as the hours need them, about 20 hours each.
  struct Pool {
    std::string subject;
    int subjectId = 0;
    std::vector<int> teachers;
    std::vector<int> hours;
  };
  std::vector<Pool> pools;
  auto poolFor = [&](const std::string& subject) -> Pool& {
    for (Pool& p : pools)
      if (p.subject == subject) return p;
    project.prepareNewSubject();
    add(Table::Subjects, project.edit().subjectBuffer, subject);
    pools.push_back({subject, project.image().subjectNextId, {}, {}});
    return pools.back();
  };
  int teacherNumber = 0;
  auto teacherFor = [&](Pool& pool, int load, int avoid) {
    for (std::size_t i = 0; i < pool.teachers.size(); ++i)
      if (pool.teachers[i] != avoid && pool.hours[i] + load <= 44) {
        pool.hours[i] += load;
        return pool.teachers[i];
      }
    project.prepareNewTeacher();
    TUqituvchi& buffer = project.edit().teacherBuffer;
    buffer.dailyMaximum = static_cast<std::uint8_t>(5 + teacherNumber % 3);
    buffer.gapsFlag = static_cast<std::uint8_t>(teacherNumber % 2);
    buffer.parallelFlag = static_cast<std::uint8_t>(teacherNumber % 3 == 0);
    if (teacherNumber % 7 == 3) buffer.methodDays[teacherNumber % 6] = 1;
    add(Table::Teachers, buffer, "O'qituvchi " + std::to_string(++teacherNumber));
    pool.teachers.push_back(project.image().teacherNextId);
    pool.hours.push_back(load);
    return static_cast<int>(project.image().teacherNextId);
  };

  for (int c = 0; c < classCount; ++c) {
    const int grade = 1 + c * 11 / classCount;
    project.prepareNewClass();
    TSinf& buffer = project.edit().classBuffer;
    buffer.grade = static_cast<std::uint8_t>(grade);
    if (grade <= 4) {
      buffer.shift = 2;
      std::memcpy(buffer.grid, project.image().header.shifts[1].grid, sizeof(Grid));
      buffer.availableCount = countAvailable(buffer.grid);
    }
    add(Table::Classes, buffer, std::to_string(grade) + "-" + std::string(1, char('A' + c % 3)));
    const int classId = project.image().classNextId;
    const int homeRoom = roomGroups[0][c % 24];
    for (const CurriculumItem& item : curriculum(grade)) {
      Pool& pool = poolFor(item.subject);
      const int teacher1 = teacherFor(pool, item.load, 0);
      const int teacher2 = item.split ? teacherFor(pool, item.load, teacher1) : teacher1;
      project.prepareNewLesson();
      TDars& lesson = project.edit().lessonBuffer;
      lesson.classId = static_cast<std::uint16_t>(classId);
      lesson.subject1 = lesson.subject2 = static_cast<std::uint16_t>(pool.subjectId);
      lesson.teacher1 = static_cast<std::uint16_t>(teacher1);
      lesson.teacher2 = static_cast<std::uint16_t>(teacher2);
      lesson.twoGroups = teacher1 != teacher2;
      lesson.weeklyLoad = static_cast<std::uint8_t>(item.load);
      lesson.pairFlag = item.pair;
      auto fill = [&](std::uint8_t& count, std::uint16_t* rooms, int offset) {
        const std::vector<int>& group = roomGroups[item.roomGroup];
        if (item.roomGroup == 0) {
          // The class's own room first, then a neighbouring room.
          rooms[count++] = static_cast<std::uint16_t>(homeRoom);
          rooms[count++] = static_cast<std::uint16_t>(group[(c + 1 + offset) % group.size()]);
        } else {
          for (int i = 0; i < static_cast<int>(group.size()); ++i)
            rooms[count++] = static_cast<std::uint16_t>(group[(i + offset) % group.size()]);
        }
      };
      fill(lesson.roomCount1, lesson.rooms1, 0);
      if (lesson.twoGroups) fill(lesson.roomCount2, lesson.rooms2, 1);
      project.append(Table::Lessons);
    }
  }
}

}  // namespace jadvalon::bench
