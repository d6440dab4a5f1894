// Composing cell texts from the lessons placed in a slot.
#include "reports/cell_texts.h"

#include <algorithm>

#include "model/text_codec.h"

namespace jadvalon {

namespace {

std::string joined(const std::vector<std::string>& parts, const std::string& separator) {
  std::string text;
  for (std::size_t i = 0; i < parts.size(); ++i) text += (i ? separator : "") + parts[i];
  return text;
}

bool split(const TDars& lesson) { return lesson.teacher1 != lesson.teacher2; }

template <typename Record>
std::string nameOf(const Record& record, bool shortName) {
  return shortName ? loadText(record.shortName) : loadText(record.name);
}

}  // namespace

CellTexts::CellTexts(const TLoyiha& image, const IdMaps& ids, const TimetableSlots& slots,
                     const ReportOptions& options)
    : image_(image), ids_(ids), slots_(slots), options_(options) {}

const TDars* CellTexts::lessonOf(const TJoy& placement) const {
  const int l = ids_.lessonSlot(placement.lessonId);
  return l >= 1 && l <= image_.lessonCount ? &image_.lessons[l] : nullptr;
}

std::vector<const TJoy*> CellTexts::distinctLessons(SlotOwner owner, int slot, int day,
                                                    int period) const {
  std::vector<const TJoy*> placements;
  for (const int n : slots_.at(owner, slot, day, period)) {
    const TJoy& placement = image_.placements[n];
    const bool seen = std::any_of(placements.begin(), placements.end(),
                                  [&](const TJoy* p) { return p->lessonId == placement.lessonId; });
    if (!seen) placements.push_back(&placement);
  }
  return placements;
}

std::string CellTexts::className(int id, bool shortName) const {
  const int s = ids_.classSlot(id);
  return s >= 1 && s <= image_.classCount ? nameOf(image_.classes[s], shortName) : std::string();
}
std::string CellTexts::subjectName(int id, bool shortName) const {
  const int s = ids_.subjectSlot(id);
  return s >= 1 && s <= image_.subjectCount ? nameOf(image_.subjects[s], shortName) : std::string();
}
std::string CellTexts::teacherName(int id, bool shortName) const {
  const int s = ids_.teacherSlot(id);
  return s >= 1 && s <= image_.teacherCount ? nameOf(image_.teachers[s], shortName) : std::string();
}
std::string CellTexts::roomName(int id, bool shortName) const {
  if (id == 0) return {};
  const int s = ids_.roomSlot(id);
  return s >= 1 && s <= image_.roomCount ? nameOf(image_.rooms[s], shortName) : std::string();
}

SlotTexts CellTexts::forClass(int classSlot, int day, int period) const {
  std::vector<std::string> subjects, teachers, rooms;
  for (const TJoy* placement : distinctLessons(SlotOwner::Class, classSlot, day, period)) {
    const TDars* lesson = lessonOf(*placement);
    if (!lesson) continue;
    std::string subject = subjectName(lesson->subject1, options_.shortFirst);
    std::string teacher = teacherName(lesson->teacher1, options_.shortSecond);
    std::string room = roomName(placement->room1, options_.shortThird);
    if (split(*lesson)) {
      if (lesson->subject2 != lesson->subject1)
        subject += ", " + subjectName(lesson->subject2, options_.shortFirst);
      teacher += ", " + teacherName(lesson->teacher2, options_.shortSecond);
      // A group without a room adds nothing, so the cell never reads "12, ".
      const std::string room2 = roomName(placement->room2, options_.shortThird);
      if (placement->room2 != placement->room1 && !room2.empty())
        room = room.empty() ? room2 : room + ", " + room2;
    }
    subjects.push_back(subject);
    teachers.push_back(teacher);
    rooms.push_back(room);
  }
  return {joined(subjects, "/"), joined(teachers, "/"), joined(rooms, " / ")};
}

SlotTexts CellTexts::forTeacher(int teacherSlot, int day, int period) const {
  const int teacherId = image_.teachers[teacherSlot].id;
  std::vector<std::string> classes, subjects, rooms;
  for (const TJoy* placement : distinctLessons(SlotOwner::Teacher, teacherSlot, day, period)) {
    const TDars* lesson = lessonOf(*placement);
    if (!lesson) continue;
    const bool firstGroup = lesson->teacher1 == teacherId;
    classes.push_back(className(lesson->classId, options_.shortFirst));
    subjects.push_back(
        subjectName(firstGroup ? lesson->subject1 : lesson->subject2, options_.shortSecond));
    const std::string room =
        roomName(firstGroup ? placement->room1 : placement->room2, options_.shortThird);
    if (std::find(rooms.begin(), rooms.end(), room) == rooms.end()) rooms.push_back(room);
  }
  return {joined(classes, "/"), joined(subjects, "/"), joined(rooms, "/")};
}

std::vector<std::string> CellTexts::forRoom(int roomSlot, int day, int period) const {
  const int roomId = image_.rooms[roomSlot].id;
  std::vector<std::string> texts;
  for (const TJoy* placement : distinctLessons(SlotOwner::Room, roomSlot, day, period)) {
    const TDars* lesson = lessonOf(*placement);
    if (!lesson) continue;
    // The group that uses this room; placements keep the low byte of a room id.
    const bool firstGroup = placement->room1 == (roomId & 0xFF);
    std::string text = className(lesson->classId, options_.shortFirst);
    if (options_.secondColumn)
      text += ", " +
              teacherName(firstGroup ? lesson->teacher1 : lesson->teacher2, options_.shortSecond);
    if (options_.thirdColumn)
      text +=
          ", " + subjectName(firstGroup ? lesson->subject1 : lesson->subject2, options_.shortThird);
    texts.push_back(text);
  }
  return texts;
}

}  // namespace jadvalon
