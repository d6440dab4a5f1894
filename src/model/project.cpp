// The project document: image, state beside it, listeners, record defaults and derived fields.
#include "model/project.h"

#include <algorithm>
#include <cstring>

namespace jadvalon {

Project::Project(const LanguageTable& texts, Prompter& prompter)
    : image_(std::make_unique<TLoyiha>()), texts_(texts), prompter_(prompter) {
  std::memset(image_.get(), 0, sizeof(TLoyiha));
}

TLoyiha& Project::edit() {
  setModified(true);
  return *image_;
}

void Project::replaceImage(const TLoyiha& image) {
  std::memcpy(image_.get(), &image, sizeof(TLoyiha));
  rebuildIdMaps();
  saveReminderSeconds_ = 0;
  modified_ = false;
  notify(ProjectChange::ImageReplaced);
  notify(ProjectChange::Modified);
}

void Project::setModified(bool modified) {
  if (modified_ == modified) return;
  modified_ = modified;
  notify(ProjectChange::Modified);
}

void Project::rebuildIdMaps() { ids_.rebuildAll(*image_); }

void Project::rebuildIdMap(Table table) {
  switch (table) {
    case Table::Classes:
      ids_.rebuildClasses(*image_);
      break;
    case Table::Subjects:
      ids_.rebuildSubjects(*image_);
      break;
    case Table::Rooms:
      ids_.rebuildRooms(*image_);
      break;
    case Table::Teachers:
      ids_.rebuildTeachers(*image_);
      break;
    case Table::Lessons:
      ids_.rebuildLessons(*image_);
      break;
  }
}

int Project::subscribe(Listener listener) {
  listeners_.emplace_back(nextListenerToken_, std::move(listener));
  return nextListenerToken_++;
}

void Project::unsubscribe(int token) {
  std::erase_if(listeners_, [token](const auto& entry) { return entry.first == token; });
}

void Project::notify(ProjectChange change) {
  // A listener may unsubscribe while being told; iterate over a copy.
  const auto listeners = listeners_;
  for (const auto& entry : listeners) entry.second(change);
}

// --- Record defaults ---
// The edit buffers are scratch space for the dialogs: filling one is not a change of the project,
// so it does not set the modified flag (a cancelled dialog leaves nothing to save).

void Project::prepareNewClass() {
  TLoyiha& img = *image_;
  img.classBuffer = img.classes[0];
  img.classBuffer.shift = 1;
  img.classBuffer.branch = 0;
  std::memcpy(img.classBuffer.grid, img.header.shifts[0].grid, sizeof(Grid));
  img.classBuffer.availableCount = countAvailable(img.classBuffer.grid);
}

void Project::prepareNewSubject() {
  TLoyiha& img = *image_;
  img.subjectBuffer = img.subjects[0];
  img.subjectBuffer.difficulty = 5;
  std::fill(std::begin(img.subjectBuffer.difficultyBand),
            std::end(img.subjectBuffer.difficultyBand), std::uint8_t{5});
  fillGrid(img.subjectBuffer.grid, 1);
  img.subjectBuffer.availableCount = kGridCells;
}

void Project::prepareNewRoom() {
  TLoyiha& img = *image_;
  img.roomBuffer = img.rooms[0];
  img.roomBuffer.reserved = 1;
  fillGrid(img.roomBuffer.grid, 1);
  img.roomBuffer.availableCount = kGridCells;
}

void Project::prepareNewTeacher() {
  TLoyiha& img = *image_;
  img.teacherBuffer = img.teachers[0];
  fillGrid(img.teacherBuffer.grid, 1);
  img.teacherBuffer.availableCount = kGridCells;
  // A light colour: the channels start from 50 with different steps, then are lightened by 25 %.
  const int r = 50 + 5 * random_.below(39);
  const int g = 50 + 4 * random_.below(50);
  const int b = 50 + 2 * random_.below(100);
  auto lighten = [](int x) { return x + static_cast<int>((255 - x) * 25 / 100.0 + 0.5); };
  img.teacherBuffer.colour = static_cast<std::uint32_t>(lighten(r)) |
                             static_cast<std::uint32_t>(lighten(g)) << 8 |
                             static_cast<std::uint32_t>(lighten(b)) << 16;
}

void Project::prepareNewLesson() {
  TLoyiha& img = *image_;
  img.lessonBuffer = img.lessons[0];
  img.lessonBuffer.weeklyLoad = 2;
  fillGrid(img.lessonBuffer.grid, 1);
  img.lessonBuffer.availableCount = kGridCells;
}

// --- Derived fields ---

void Project::recomputeLoads() {
  // Loads are derived from the lessons: showing them must not make a project "modified".
  TLoyiha& img = *image_;
  // Sums are kept wider and stored modulo 256, as the file keeps one byte.
  std::vector<int> classLoad(img.classCount + 1u), subjectLoad(img.subjectCount + 1u),
      roomLoad(img.roomCount + 1u), teacherLoad(img.teacherCount + 1u);
  for (int i = 1; i <= img.lessonCount; ++i) {
    const TDars& lesson = img.lessons[i];
    const int load = lesson.weeklyLoad;
    const bool split = lesson.twoGroups != 0;
    classLoad[static_cast<std::size_t>(ids_.classSlot(lesson.classId))] += load;
    teacherLoad[static_cast<std::size_t>(ids_.teacherSlot(lesson.teacher1))] += load;
    if (split) teacherLoad[static_cast<std::size_t>(ids_.teacherSlot(lesson.teacher2))] += load;
    subjectLoad[static_cast<std::size_t>(ids_.subjectSlot(lesson.subject1))] += load;
    if (split && lesson.subject2 != lesson.subject1)
      subjectLoad[static_cast<std::size_t>(ids_.subjectSlot(lesson.subject2))] += load;
    for (int r = 0; r < std::min<int>(lesson.roomCount1, 10); ++r)
      roomLoad[static_cast<std::size_t>(ids_.roomSlot(lesson.rooms1[r]))] += load;
    if (split)
      for (int r = 0; r < std::min<int>(lesson.roomCount2, 10); ++r)
        roomLoad[static_cast<std::size_t>(ids_.roomSlot(lesson.rooms2[r]))] += load;
  }
  // Index 0 collected references to missing records; it is not a record.
  for (int i = 1; i <= img.classCount; ++i) img.classes[i].weeklyLoad = classLoad[i] & 0xFF;
  for (int i = 1; i <= img.subjectCount; ++i) img.subjects[i].weeklyLoad = subjectLoad[i] & 0xFF;
  for (int i = 1; i <= img.roomCount; ++i) img.rooms[i].weeklyLoad = roomLoad[i] & 0xFF;
  for (int i = 1; i <= img.teacherCount; ++i) img.teachers[i].weeklyLoad = teacherLoad[i] & 0xFF;
}

namespace {

TSmena derivedShift(TSmena shift, int workingDays) {
  fillGrid(shift.grid, 0);
  if (shift.firstPeriod < 1 || shift.lessonsPerDay < 1) return shift;
  const int last = std::min(shift.firstPeriod + shift.lessonsPerDay - 1, kPeriods);
  for (int d = 0; d < std::clamp(workingDays, 0, kDays); ++d)
    for (int p = shift.firstPeriod; p <= last; ++p) shift.grid[d][p - 1] = 1;
  return shift;
}

}  // namespace

void Project::setShift(int shift, int firstPeriod, int lessonsPerDay) {
  if (shift < 1 || shift > 3) return;
  TSmena next = image_->header.shifts[shift - 1];
  next.firstPeriod = static_cast<std::uint8_t>(firstPeriod);
  next.lessonsPerDay = static_cast<std::uint8_t>(lessonsPerDay);
  next = derivedShift(next, image_->header.workingDays);
  // Looking at a shift derives the same grid again; only a real change is one to save.
  if (std::memcmp(&next, &image_->header.shifts[shift - 1], sizeof(TSmena)) != 0)
    edit().header.shifts[shift - 1] = next;
}

void Project::deriveShiftGrids() {
  for (int s = 1; s <= 3; ++s)
    setShift(s, image_->header.shifts[s - 1].firstPeriod,
             image_->header.shifts[s - 1].lessonsPerDay);
}

std::string Project::formatHours(int halfUnits) {
  std::string text = std::to_string(halfUnits / 2);
  if (halfUnits % 2 != 0) text += ",5";
  return text;
}

int subjectDifficulty(const TFan& subject, int grade) {
  if (grade <= 0) return subject.difficulty;
  if (grade <= 4) return subject.difficultyBand[0];
  if (grade <= 9) return subject.difficultyBand[grade - 4];
  return subject.difficultyBand[6];
}

}  // namespace jadvalon
