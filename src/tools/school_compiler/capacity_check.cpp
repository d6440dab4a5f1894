// Capacity checks over the image. Loads are summed here in plain integers: the u8 load fields
// of the records wrap at 256 half-units, which a busy gym passes easily.
#include "tools/school_compiler/capacity_check.h"

#include <algorithm>
#include <array>
#include <map>
#include <set>

#include "model/text_codec.h"

namespace jadvalon::school {
namespace {

// Cells of a week as flags, only working days set.
using Cells = std::array<std::array<bool, kPeriods>, kDays>;

Cells cellsOf(const Grid& grid, int workingDays) {
  Cells cells{};
  for (int d = 0; d < workingDays; ++d)
    for (int p = 0; p < kPeriods; ++p) cells[d][p] = grid[d][p] != 0;
  return cells;
}

int countCells(const Cells& cells) {
  int n = 0;
  for (const auto& day : cells) n += static_cast<int>(std::count(day.begin(), day.end(), true));
  return n;
}

void intersect(Cells& cells, const Cells& other) {
  for (int d = 0; d < kDays; ++d)
    for (int p = 0; p < kPeriods; ++p) cells[d][p] = cells[d][p] && other[d][p];
}

void unite(Cells& cells, const Cells& other) {
  for (int d = 0; d < kDays; ++d)
    for (int p = 0; p < kPeriods; ++p) cells[d][p] = cells[d][p] || other[d][p];
}

void removeMethodDays(Cells& cells, const TUqituvchi& teacher) {
  for (int d = 0; d < kDays; ++d)
    if (teacher.methodDays[d]) cells[d].fill(false);
}

std::string hours(int halfUnits) { return Project::formatHours(halfUnits) + " h"; }

class CapacityCheck {
 public:
  explicit CapacityCheck(const Project& project)
      : project_(project),
        image_(project.image()),
        days_(std::clamp<int>(image_.header.workingDays, 0, kDays)) {}

  std::vector<std::string> run() {
    checkClasses();
    checkTeachers();
    checkLessons();
    checkRooms();
    return problems_;
  }

 private:
  const TSinf& classOf(int id) const { return image_.classes[project_.ids().classSlot(id)]; }
  const TUqituvchi& teacherOf(int id) const {
    return image_.teachers[project_.ids().teacherSlot(id)];
  }
  const TFan& subjectOf(int id) const { return image_.subjects[project_.ids().subjectSlot(id)]; }
  const TXona& roomOf(int id) const { return image_.rooms[project_.ids().roomSlot(id)]; }

  template <class Record>
  static std::string named(const char* table, const Record& record) {
    return std::string(table) + " \"" + loadText(record.shortName) + "\"";
  }

  void report(const std::string& who, int demand, int capacity, const std::string& why) {
    if (demand <= capacity) return;
    problems_.push_back(who + ": " + hours(demand) + " a week, but only " + hours(capacity) +
                        " fit " + why);
  }

  std::vector<const TDars*> lessons() const {
    std::vector<const TDars*> all;
    for (int i = 1; i <= image_.lessonCount; ++i) all.push_back(&image_.lessons[i]);
    return all;
  }

  void checkClasses() {
    std::map<int, int> demand;
    for (const TDars* lesson : lessons()) demand[lesson->classId] += lesson->weeklyLoad;
    for (int i = 1; i <= image_.classCount; ++i) {
      const TSinf& cls = image_.classes[i];
      report(named("class", cls), demand[cls.id], 2 * countCells(cellsOf(cls.grid, days_)),
             "into its free slots");
    }
  }

  // A teacher can only teach where one of the teacher's classes is at school, on a day that is
  // not a method day, and no more lessons a day than the daily maximum.
  void checkTeachers() {
    for (int i = 1; i <= image_.teacherCount; ++i) {
      const TUqituvchi& teacher = image_.teachers[i];
      int demand = 0;
      Cells classCells{};
      for (const TDars* lesson : lessons()) {
        if (lesson->teacher1 != teacher.id &&
            !(lesson->twoGroups && lesson->teacher2 == teacher.id))
          continue;
        demand += lesson->weeklyLoad;
        unite(classCells, cellsOf(classOf(lesson->classId).grid, days_));
      }
      if (demand == 0) continue;
      Cells cells = cellsOf(teacher.grid, days_);
      intersect(cells, classCells);
      removeMethodDays(cells, teacher);
      int capacity = 0;
      for (const auto& day : cells) {
        int free = static_cast<int>(std::count(day.begin(), day.end(), true));
        if (teacher.dailyMaximum > 0) free = std::min<int>(free, teacher.dailyMaximum);
        capacity += 2 * free;
      }
      report(named("teacher", teacher), demand, capacity,
             "into the slots of the teacher's classes, without method days and within " +
                 std::to_string(teacher.dailyMaximum) + " lessons a day");
    }
  }

  // Cells where some room of the list is free; every cell when the list is empty.
  Cells roomCells(const std::uint16_t* rooms, int count) const {
    Cells cells{};
    if (count == 0) {
      for (int d = 0; d < days_; ++d) cells[d].fill(true);
      return cells;
    }
    for (int r = 0; r < count; ++r) unite(cells, cellsOf(roomOf(rooms[r]).grid, days_));
    return cells;
  }

  void checkLessons() {
    for (const TDars* lesson : lessons()) {
      const TUqituvchi& teacher1 = teacherOf(lesson->teacher1);
      Cells cells = cellsOf(classOf(lesson->classId).grid, days_);
      intersect(cells, cellsOf(lesson->grid, days_));
      intersect(cells, cellsOf(subjectOf(lesson->subject1).grid, days_));
      intersect(cells, cellsOf(teacher1.grid, days_));
      removeMethodDays(cells, teacher1);
      intersect(cells, roomCells(lesson->rooms1, std::min<int>(lesson->roomCount1, 10)));
      std::string who = "lesson " + std::to_string(lesson->id) + " (" +
                        loadText(classOf(lesson->classId).shortName) + " " +
                        loadText(subjectOf(lesson->subject1).shortName) + ")";
      if (lesson->twoGroups) {
        const TUqituvchi& teacher2 = teacherOf(lesson->teacher2);
        intersect(cells, cellsOf(subjectOf(lesson->subject2).grid, days_));
        intersect(cells, cellsOf(teacher2.grid, days_));
        removeMethodDays(cells, teacher2);
        intersect(cells, roomCells(lesson->rooms2, std::min<int>(lesson->roomCount2, 10)));
        checkGroupRooms(*lesson, who);
      }
      report(who, lesson->weeklyLoad, 2 * countCells(cells),
             "where its class, teachers, subject and rooms are all free");
      if (lesson->pairFlag) checkDoubles(*lesson, cells, who);
    }
  }

  // Both groups sit at the same time, so they need two different rooms.
  void checkGroupRooms(const TDars& lesson, const std::string& who) {
    if (lesson.roomCount1 == 0 || lesson.roomCount2 == 0) return;
    std::set<int> all(lesson.rooms1, lesson.rooms1 + std::min<int>(lesson.roomCount1, 10));
    all.insert(lesson.rooms2, lesson.rooms2 + std::min<int>(lesson.roomCount2, 10));
    if (all.size() < 2) problems_.push_back(who + ": both groups have only the same one room");
  }

  // A double period a day at most: more would crowd one subject into one day.
  void checkDoubles(const TDars& lesson, const Cells& cells, const std::string& who) {
    int days = 0;
    for (const auto& day : cells) {
      bool found = false;
      for (int p = 0; p + 1 < kPeriods; ++p) found = found || (day[p] && day[p + 1]);
      days += found ? 1 : 0;
    }
    const int doubles = lesson.weeklyLoad / 4;
    if (doubles > days)
      problems_.push_back(who + ": " + std::to_string(doubles) +
                          " double periods a week, but only " + std::to_string(days) +
                          " days have two free periods in a row");
  }

  // Hall's condition on the room lists that occur: the groups whose candidates all lie within a
  // list must fit into the free slots of that list's rooms.
  void checkRooms() {
    Cells schoolCells{};
    for (int i = 1; i <= image_.classCount; ++i)
      unite(schoolCells, cellsOf(image_.classes[i].grid, days_));
    std::vector<std::pair<std::set<int>, int>> groups;  // candidate rooms, load
    for (const TDars* lesson : lessons()) {
      auto add = [&](const std::uint16_t* rooms, int count) {
        if (count > 0) groups.emplace_back(std::set<int>(rooms, rooms + count), lesson->weeklyLoad);
      };
      add(lesson->rooms1, std::min<int>(lesson->roomCount1, 10));
      if (lesson->twoGroups) add(lesson->rooms2, std::min<int>(lesson->roomCount2, 10));
    }
    std::set<std::set<int>> lists;
    for (const auto& group : groups) lists.insert(group.first);
    for (const std::set<int>& list : lists) {
      int demand = 0;
      for (const auto& [rooms, load] : groups)
        if (std::includes(list.begin(), list.end(), rooms.begin(), rooms.end())) demand += load;
      int capacity = 0;
      std::string names;
      for (int id : list) {
        Cells cells = cellsOf(roomOf(id).grid, days_);
        intersect(cells, schoolCells);
        capacity += 2 * countCells(cells);
        names += (names.empty() ? "" : ", ") + loadText(roomOf(id).shortName);
      }
      report(std::string(list.size() == 1 ? "room " : "rooms ") + names, demand, capacity,
             "into their free slots");
    }
  }

  const Project& project_;
  const TLoyiha& image_;
  int days_;
  std::vector<std::string> problems_;
};

}  // namespace

std::vector<std::string> checkCapacity(const Project& project) {
  return CapacityCheck(project).run();
}

}  // namespace jadvalon::school
