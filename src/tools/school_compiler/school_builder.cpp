// Building the image of a described school: header and shifts first, because a new class takes
// the grid of its shift, then the tables in the order their references need.
#include "tools/school_compiler/school_builder.h"

#include <cstring>

#include "model/text_codec.h"

namespace jadvalon::school {
namespace {

constexpr const char* kDayNames[7] = {"Dushanba", "Seshanba", "Chorshanba", "Payshanba",
                                      "Juma",     "Shanba",   "Yakshanba"};
constexpr const char* kShortDayNames[7] = {"Du", "Se", "Ch", "Pa", "Ju", "Sh", "Ya"};
constexpr std::uint64_t kColourSeed = 20240901;

void clearCells(Grid& grid, const Unavailable& off) {
  for (int d = 0; d < kDays; ++d)
    for (int p = 0; p < kPeriods; ++p)
      if (off[static_cast<std::size_t>(d)][static_cast<std::size_t>(p)]) grid[d][p] = 0;
}

template <class Record>
void setNames(Record& record, const std::string& name, const std::string& shortName) {
  storeText(record.name, name);
  storeText(record.shortName, shortName);
}

void buildHeader(const SchoolDescription& school, Project& project) {
  TLoyihaHeader& header = project.edit().header;
  storeText(header.institution, school.institution);
  storeText(header.director, school.director);
  storeText(header.town, school.town);
  storeText(header.academicYear, school.academicYear);
  header.workingDays = static_cast<std::uint8_t>(school.workingDays);
  for (int d = 0; d < 7; ++d) {
    storeText(header.dayNames[d].fullName, kDayNames[d]);
    storeText(header.dayNames[d].shortName, kShortDayNames[d]);
  }
  for (std::size_t s = 0; s < school.shifts.size(); ++s) {
    header.shifts[s].firstPeriod = static_cast<std::uint8_t>(school.shifts[s].firstPeriod);
    header.shifts[s].lessonsPerDay = static_cast<std::uint8_t>(school.shifts[s].lessonsPerDay);
  }
  for (std::size_t p = 0; p < school.periodTimes.size(); ++p)
    storeText(header.periodTimes[p], school.periodTimes[p]);
  project.deriveShiftGrids();
  // The two names live in teacher slots that the program never fills with teachers.
  storeText(project.edit().teachers[kDeputyDirectorSlot].name, school.deputyDirector);
  storeText(project.edit().teachers[kPsychologistSlot].name, school.psychologist);
}

void buildSubjects(const SchoolDescription& school, Project& project) {
  for (const SubjectDescription& subject : school.subjects) {
    project.prepareNewSubject();
    TFan& buffer = project.edit().subjectBuffer;
    setNames(buffer, subject.name, subject.shortName);
    buffer.difficulty = static_cast<std::uint8_t>(subject.difficulty);
    for (std::size_t b = 0; b < subject.bands.size(); ++b)
      buffer.difficultyBand[b] = static_cast<std::uint8_t>(subject.bands[b]);
    clearCells(buffer.grid, subject.off);
    buffer.availableCount = countAvailable(buffer.grid);
    project.append(Table::Subjects);
  }
}

void buildRooms(const SchoolDescription& school, Project& project) {
  for (const RoomDescription& room : school.rooms) {
    project.prepareNewRoom();
    TXona& buffer = project.edit().roomBuffer;
    setNames(buffer, room.name, room.shortName);
    clearCells(buffer.grid, room.off);
    buffer.availableCount = countAvailable(buffer.grid);
    project.append(Table::Rooms);
  }
}

void buildClasses(const SchoolDescription& school, Project& project) {
  for (const ClassDescription& cls : school.classes) {
    project.prepareNewClass();
    TSinf& buffer = project.edit().classBuffer;
    setNames(buffer, cls.name, cls.shortName);
    buffer.grade = static_cast<std::uint8_t>(cls.grade);
    buffer.shift = static_cast<std::uint8_t>(cls.shift);
    std::memcpy(buffer.grid, project.image().header.shifts[cls.shift - 1].grid, sizeof(Grid));
    clearCells(buffer.grid, cls.off);
    buffer.availableCount = countAvailable(buffer.grid);
    project.append(Table::Classes);
  }
}

void buildTeachers(const SchoolDescription& school, Project& project) {
  project.random().reseed(kColourSeed);
  for (const TeacherDescription& teacher : school.teachers) {
    project.prepareNewTeacher();
    TUqituvchi& buffer = project.edit().teacherBuffer;
    setNames(buffer, teacher.name, teacher.shortName);
    buffer.dailyMaximum = static_cast<std::uint8_t>(teacher.dailyMaximum);
    buffer.gapsFlag = teacher.gaps ? 1 : 0;
    buffer.parallelFlag = teacher.parallel ? 1 : 0;
    for (int d = 0; d < kDays; ++d)
      buffer.methodDays[d] = teacher.methodDays[static_cast<std::size_t>(d)] ? 1 : 0;
    clearCells(buffer.grid, teacher.off);
    buffer.availableCount = countAvailable(buffer.grid);
    storeText(buffer.phone, teacher.phone);
    project.append(Table::Teachers);
  }
}

void copyRooms(const std::vector<int>& rooms, const Project& project, std::uint16_t* target,
               std::uint8_t& count) {
  count = static_cast<std::uint8_t>(rooms.size());
  for (std::size_t r = 0; r < rooms.size(); ++r)
    target[r] = static_cast<std::uint16_t>(project.idAt(Table::Rooms, rooms[r] + 1));
}

void buildLessons(const SchoolDescription& school, Project& project) {
  for (const LessonDescription& lesson : school.lessons) {
    project.prepareNewLesson();
    TDars& buffer = project.edit().lessonBuffer;
    buffer.classId =
        static_cast<std::uint16_t>(project.idAt(Table::Classes, lesson.classIndex + 1));
    buffer.subject1 =
        static_cast<std::uint16_t>(project.idAt(Table::Subjects, lesson.subject1 + 1));
    buffer.subject2 =
        static_cast<std::uint16_t>(project.idAt(Table::Subjects, lesson.subject2 + 1));
    buffer.teacher1 =
        static_cast<std::uint16_t>(project.idAt(Table::Teachers, lesson.teacher1 + 1));
    buffer.teacher2 =
        static_cast<std::uint16_t>(project.idAt(Table::Teachers, lesson.teacher2 + 1));
    buffer.twoGroups = buffer.teacher1 != buffer.teacher2 ? 1 : 0;
    buffer.weeklyLoad = static_cast<std::uint8_t>(lesson.halfUnits);
    buffer.pairFlag = lesson.pair ? 1 : 0;
    copyRooms(lesson.rooms1, project, buffer.rooms1, buffer.roomCount1);
    if (buffer.twoGroups) copyRooms(lesson.rooms2, project, buffer.rooms2, buffer.roomCount2);
    clearCells(buffer.grid, lesson.off);
    buffer.availableCount = countAvailable(buffer.grid);
    project.append(Table::Lessons);
  }
}

}  // namespace

void buildSchool(const SchoolDescription& school, Project& project) {
  buildHeader(school, project);
  buildSubjects(school, project);
  buildRooms(school, project);
  buildClasses(school, project);
  buildTeachers(school, project);
  buildLessons(school, project);
  project.recomputeLoads();
  // The buffers held the records while they were added; a shipped file keeps them blank.
  TLoyiha& image = project.edit();
  image.classBuffer = image.classes[0];
  image.subjectBuffer = image.subjects[0];
  image.roomBuffer = image.rooms[0];
  image.teacherBuffer = image.teachers[0];
  image.lessonBuffer = image.lessons[0];
}

}  // namespace jadvalon::school
