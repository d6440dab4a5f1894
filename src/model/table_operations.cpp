// Appending, replacing, deleting (with cascades), moving and renumbering the records of the
// project's tables, and the placement and substitution lists.
#include <algorithm>
#include <cstring>

#include "i18n/lines.h"
#include "model/project.h"
#include "model/text_codec.h"

namespace jadvalon {
namespace {

// Calls f(slots, buffer, count, nextId, limit, fullMessage, idBound) for one entity table.
template <class F>
decltype(auto) withTable(TLoyiha& img, Table table, F&& f) {
  switch (table) {
    case Table::Classes:
      return f(img.classes, img.classBuffer, img.classCount, img.classNextId, kMaxClasses,
               lines::kClassesTableFull, kMaxClassId);
    case Table::Subjects:
      return f(img.subjects, img.subjectBuffer, img.subjectCount, img.subjectNextId, kMaxSubjects,
               lines::kSubjectsTableFull, kMaxSubjectId);
    case Table::Rooms:
      return f(img.rooms, img.roomBuffer, img.roomCount, img.roomNextId, kMaxRooms,
               lines::kRoomsTableFull, kMaxRoomId);
    case Table::Teachers:
      return f(img.teachers, img.teacherBuffer, img.teacherCount, img.teacherNextId,
               kMaxAddedTeachers, lines::kTeachersTableFull, kMaxTeacherId);
    case Table::Lessons:
      break;
  }
  return f(img.lessons, img.lessonBuffer, img.lessonCount, img.lessonNextId, kMaxLessons,
           lines::kLessonsTableFull, kMaxLessonId);
}

// Removes slot s of a packed table: the slots above move down, the old last one becomes blank.
template <class Record>
void removeSlot(Record* slots, int count, int s) {
  for (int i = s; i < count; ++i) slots[i] = slots[i + 1];
  slots[count] = slots[0];
}

// Removes every occurrence of an id from a lesson's room list.
void removeRoomFromList(std::uint16_t* rooms, std::uint8_t& roomCount, int roomId) {
  int count = std::min<int>(roomCount, 10);
  for (int i = 0; i < count;) {
    if (rooms[i] != roomId) {
      ++i;
      continue;
    }
    for (int j = i; j < 9; ++j) rooms[j] = rooms[j + 1];
    rooms[9] = 0;
    --count;
  }
  roomCount = static_cast<std::uint8_t>(count);
}

}  // namespace

int Project::count(Table table) const {
  return withTable(*image_, table, [](auto&, auto&, auto& count, auto&, int, int, int) {
    return static_cast<int>(count);
  });
}

int Project::idAt(Table table, int slot) const {
  return withTable(*image_, table, [slot](auto* slots, auto&, auto& count, auto&, int, int, int) {
    return slot >= 1 && slot <= count ? static_cast<int>(slots[slot].id) : 0;
  });
}

bool Project::append(Table table) {
  const bool appended = table == Table::Lessons ? appendLesson() : appendEntity(table);
  if (appended) notify(ProjectChange::Tables);
  return appended;
}

bool Project::appendEntity(Table table) {
  const int limit = withTable(
      *image_, table, [](auto&, auto&, auto&, auto&, int limit, int, int) { return limit; });
  if (count(table) >= limit) {
    const int line = withTable(*image_, table,
                               [](auto&, auto&, auto&, auto&, int, int line, int) { return line; });
    prompter_.message(texts_.line(line));
    return false;
  }
  renumberIfNeeded(table);
  withTable(edit(), table, [](auto* slots, auto& buffer, auto& count, auto& nextId, int, int, int) {
    ++nextId;
    ++count;
    slots[count] = buffer;
    slots[count].id = nextId;
  });
  rebuildIdMap(table);
  return true;
}

bool Project::appendLesson() {
  TLoyiha& img = *image_;
  if (img.lessonCount >= kMaxLessons) {
    prompter_.message(texts_.line(lines::kLessonsTableFull));
    return false;
  }
  const TDars& buffer = img.lessonBuffer;
  for (int i = 1; i <= img.lessonCount; ++i) {
    const TDars& existing = img.lessons[i];
    if (existing.classId != buffer.classId || existing.subject1 != buffer.subject1) continue;
    const int classSlot = ids_.classSlot(buffer.classId);
    const int subjectSlot = ids_.subjectSlot(buffer.subject1);
    const std::string question =
        "\"" + loadText(img.classes[classSlot].name) + "\"" +
        texts_.line(lines::kDuplicateLessonPart1) + formatHours(existing.weeklyLoad) +
        texts_.line(lines::kDuplicateLessonPart2) + "\"" +
        loadText(img.subjects[subjectSlot].name) + "\"" +
        texts_.line(lines::kDuplicateLessonPart3) + formatHours(buffer.weeklyLoad) +
        texts_.line(lines::kDuplicateLessonPart4);
    if (!prompter_.confirm(question)) return false;
    break;
  }
  renumberIfNeeded(Table::Lessons);
  TLoyiha& target = edit();
  ++target.lessonNextId;
  ++target.lessonCount;
  target.lessons[target.lessonCount] = target.lessonBuffer;
  target.lessons[target.lessonCount].id = target.lessonNextId;
  ids_.rebuildLessons(target);
  return true;
}

void Project::replace(Table table, int slot) {
  if (slot < 1 || slot > count(table)) return;
  withTable(edit(), table, [slot](auto* slots, auto& buffer, auto&, auto&, int, int, int) {
    slots[slot] = buffer;
  });
  rebuildIdMap(table);
  notify(ProjectChange::Tables);
}

void Project::remove(Table table, int id) {
  switch (table) {
    case Table::Classes:
      if (ids_.classSlot(id) == 0) return;
      deleteClass(id);
      break;
    case Table::Subjects:
      if (ids_.subjectSlot(id) == 0) return;
      deleteSubject(id);
      break;
    case Table::Rooms:
      if (ids_.roomSlot(id) == 0) return;
      deleteRoom(id);
      break;
    case Table::Teachers:
      if (ids_.teacherSlot(id) == 0) return;
      deleteTeacher(id);
      break;
    case Table::Lessons:
      if (ids_.lessonSlot(id) == 0) return;
      deleteLesson(id);
      break;
  }
  notify(ProjectChange::Tables);
}

void Project::removeAll(Table table, const std::vector<int>& ids) {
  for (int id : ids) remove(table, id);
}

void Project::deleteLesson(int id) {
  const int s = ids_.lessonSlot(id);
  if (s == 0) return;
  TLoyiha& img = edit();
  for (bool found = true; found;) {
    found = false;
    for (int n = 1; n <= img.placementCount; ++n) {
      if (ids_.lessonSlot(img.placements[n].lessonId) == s) {
        deletePlacement(n);
        found = true;
        break;
      }
    }
  }
  removeSlot(img.lessons, img.lessonCount, s);
  --img.lessonCount;
  ids_.rebuildLessons(img);
}

void Project::deleteSubstitutionsWhere(const std::function<bool(const TAlmashtirish&)>& matches) {
  TLoyiha& img = edit();
  for (int n = 1; n <= img.substitutionCount;) {
    if (matches(img.substitutions[n]))
      deleteSubstitution(n);
    else
      ++n;
  }
}

void Project::deleteLessonsWhere(const std::function<bool(const TDars&)>& matches) {
  // One at a time and in slot order: each delete moves the slots above it.
  for (bool found = true; found;) {
    found = false;
    const TLoyiha& img = *image_;
    for (int i = 1; i <= img.lessonCount; ++i) {
      if (matches(img.lessons[i])) {
        deleteLesson(img.lessons[i].id);
        found = true;
        break;
      }
    }
  }
}

void Project::deleteClass(int id) {
  deleteLessonsWhere([id](const TDars& l) { return l.classId == id; });
  deleteSubstitutionsWhere([id](const TAlmashtirish& s) { return s.classId == id; });
  TLoyiha& img = edit();
  removeSlot(img.classes, img.classCount, ids_.classSlot(id));
  --img.classCount;
  ids_.rebuildClasses(img);
}

void Project::deleteSubject(int id) {
  deleteLessonsWhere([id](const TDars& l) { return l.subject1 == id || l.subject2 == id; });
  deleteSubstitutionsWhere(
      [id](const TAlmashtirish& s) { return s.subject == id || s.substituteSubject == id; });
  TLoyiha& img = edit();
  removeSlot(img.subjects, img.subjectCount, ids_.subjectSlot(id));
  --img.subjectCount;
  ids_.rebuildSubjects(img);
}

void Project::deleteTeacher(int id) {
  deleteLessonsWhere([id](const TDars& l) { return l.teacher1 == id || l.teacher2 == id; });
  deleteSubstitutionsWhere(
      [id](const TAlmashtirish& s) { return s.absentTeacher == id || s.substituteTeacher == id; });
  TLoyiha& img = edit();
  removeSlot(img.teachers, img.teacherCount, ids_.teacherSlot(id));
  --img.teacherCount;
  ids_.rebuildTeachers(img);
}

void Project::deleteRoom(int id) {
  TLoyiha& img = edit();
  for (int i = 1; i <= img.lessonCount; ++i) {
    removeRoomFromList(img.lessons[i].rooms1, img.lessons[i].roomCount1, id);
    removeRoomFromList(img.lessons[i].rooms2, img.lessons[i].roomCount2, id);
  }
  for (int n = 1; n <= img.placementCount; ++n) {
    if (img.placements[n].room1 == id) img.placements[n].room1 = 0;
    if (img.placements[n].room2 == id) img.placements[n].room2 = 0;
  }
  for (int n = 1; n <= img.substitutionCount; ++n) {
    if (img.substitutions[n].room == id) img.substitutions[n].room = 0;
    if (img.substitutions[n].substituteRoom == id) img.substitutions[n].substituteRoom = 0;
  }
  removeSlot(img.rooms, img.roomCount, ids_.roomSlot(id));
  --img.roomCount;
  ids_.rebuildRooms(img);
}

void Project::moveUp(Table table, int first, int last) {
  if (first < 2 || last < first || last > count(table)) return;
  withTable(edit(), table, [first, last](auto* slots, auto&, auto&, auto&, int, int, int) {
    const auto saved = slots[first - 1];
    for (int i = first; i <= last; ++i) slots[i - 1] = slots[i];
    slots[last] = saved;
  });
  rebuildIdMap(table);
  notify(ProjectChange::Tables);
}

void Project::moveDown(Table table, int first, int last) {
  if (first < 1 || last < first || last >= count(table)) return;
  withTable(edit(), table, [first, last](auto* slots, auto&, auto&, auto&, int, int, int) {
    const auto saved = slots[last + 1];
    for (int i = last; i >= first; --i) slots[i + 1] = slots[i];
    slots[first] = saved;
  });
  rebuildIdMap(table);
  notify(ProjectChange::Tables);
}

// --- Renumbering: ids only grow, so a long-lived project can reach the bound of its id map ---

void Project::renumberIfNeeded(Table table) {
  const bool atBound =
      withTable(*image_, table, [](auto&, auto&, auto&, auto& nextId, int, int, int bound) {
        return static_cast<int>(nextId) + 1 > bound;
      });
  if (atBound) renumber(table);
}

void Project::renumber(Table table) {
  TLoyiha& img = edit();
  // New id of every old id: its slot number. References to ids without a record become 0.
  std::vector<std::uint16_t> newId(65536, 0);
  withTable(img, table, [&newId](auto* slots, auto&, auto& count, auto& nextId, int, int, int) {
    for (int slot = 1; slot <= count; ++slot) {
      newId[slots[slot].id] = static_cast<std::uint16_t>(slot);
      slots[slot].id = static_cast<std::uint16_t>(slot);
    }
    nextId = static_cast<std::uint16_t>(count);
  });
  auto map = [&newId](std::uint16_t& id) {
    if (id != 0) id = newId[id];
  };
  auto forEachLesson = [&img](auto f) {
    f(img.lessonBuffer);
    for (int i = 1; i <= img.lessonCount; ++i) f(img.lessons[i]);
  };
  switch (table) {
    case Table::Classes:
      forEachLesson([&](TDars& l) { map(l.classId); });
      for (int n = 1; n <= img.substitutionCount; ++n) map(img.substitutions[n].classId);
      break;
    case Table::Subjects:
      forEachLesson([&](TDars& l) { map(l.subject1), map(l.subject2); });
      for (int n = 1; n <= img.substitutionCount; ++n)
        map(img.substitutions[n].subject), map(img.substitutions[n].substituteSubject);
      break;
    case Table::Teachers:
      forEachLesson([&](TDars& l) { map(l.teacher1), map(l.teacher2); });
      for (int n = 1; n <= img.substitutionCount; ++n)
        map(img.substitutions[n].absentTeacher), map(img.substitutions[n].substituteTeacher);
      break;
    case Table::Rooms:
      forEachLesson([&](TDars& l) {
        for (auto& room : l.rooms1) map(room);
        for (auto& room : l.rooms2) map(room);
      });
      for (int n = 1; n <= img.placementCount; ++n) {
        TJoy& p = img.placements[n];
        if (p.room1 != 0) p.room1 = static_cast<std::uint8_t>(newId[p.room1]);
        if (p.room2 != 0) p.room2 = static_cast<std::uint8_t>(newId[p.room2]);
      }
      for (int n = 1; n <= img.substitutionCount; ++n)
        map(img.substitutions[n].room), map(img.substitutions[n].substituteRoom);
      break;
    case Table::Lessons:
      for (int n = 1; n <= img.placementCount; ++n) map(img.placements[n].lessonId);
      break;
  }
  rebuildIdMap(table);
}

// --- Placements and substitutions ---

bool Project::appendPlacement(int day, int period, int kind, int lessonId, int room1, int room2) {
  if (image_->placementCount >= kMaxPlacements) {
    prompter_.message(texts_.line(lines::kPlacementTableFull));
    return false;
  }
  TLoyiha& img = edit();
  TJoy& p = img.placements[++img.placementCount];
  p = img.placements[0];
  p.day = static_cast<std::uint8_t>(day);
  p.period = static_cast<std::uint8_t>(period);
  p.kind = static_cast<std::uint8_t>(kind);
  p.lessonId = static_cast<std::uint16_t>(lessonId);
  p.room1 = static_cast<std::uint8_t>(room1);
  p.room2 = static_cast<std::uint8_t>(room2);
  p.locked = 0;
  return true;
}

void Project::deletePlacement(int number) {
  TLoyiha& img = edit();
  if (number < 1 || number > img.placementCount) return;
  if (number != img.placementCount) img.placements[number] = img.placements[img.placementCount];
  img.placements[img.placementCount] = img.placements[0];
  --img.placementCount;
}

void Project::clearUnlockedPlacements() {
  TLoyiha& img = edit();
  for (int n = img.placementCount; n >= 1; --n)
    if (img.placements[n].locked == 0) deletePlacement(n);
  notify(ProjectChange::Placements);
}

bool Project::replacePlacements(std::span<const TJoy> placements) {
  if (placements.size() > static_cast<std::size_t>(kMaxPlacements)) return false;
  TLoyiha& img = *image_;
  const int previous = img.placementCount;
  img.placementCount = static_cast<std::uint16_t>(placements.size());
  for (int n = 1; n <= img.placementCount; ++n) img.placements[n] = placements[n - 1];
  for (int n = img.placementCount + 1; n <= previous; ++n) img.placements[n] = img.placements[0];
  notify(ProjectChange::Placements);
  return true;
}

bool Project::appendSubstitution(const TAlmashtirish& substitution) {
  if (image_->substitutionCount >= kMaxSubstitutions) {
    prompter_.message(texts_.line(lines::kSubstitutionsTableFull));
    return false;
  }
  TLoyiha& img = edit();
  img.substitutions[++img.substitutionCount] = substitution;
  notify(ProjectChange::Substitutions);
  return true;
}

void Project::deleteSubstitution(int number) {
  TLoyiha& img = edit();
  if (number < 1 || number > img.substitutionCount) return;
  removeSlot(img.substitutions, img.substitutionCount, number);
  --img.substitutionCount;
}

}  // namespace jadvalon
