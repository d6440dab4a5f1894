// Appending, deleting with cascades, moving and renumbering the tables of a project.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <memory>

#include "i18n/lines.h"
#include "test_support.h"

namespace jadvalon {
namespace {

using testing::TestProject;

std::string line(int n) { return "line " + std::to_string(n); }

TEST(TableOperations, IdsKeepGrowingAcrossDeletions) {
  TestProject t;
  const int a = t.addClass("5-A");
  const int b = t.addClass("5-B");
  t.addClass("5-V");
  t.project.remove(Table::Classes, b);
  t.addClass("6-A");
  const TLoyiha& img = t.project.image();
  ASSERT_EQ(img.classCount, 3);
  EXPECT_EQ(img.classes[1].id, a);
  EXPECT_EQ(img.classes[1].id, 1);
  EXPECT_EQ(img.classes[2].id, 3);
  EXPECT_EQ(img.classes[3].id, 4);
  EXPECT_EQ(loadText(img.classes[3].name), "6-A");
  // The freed slot is blank again and the map follows the slots.
  EXPECT_EQ(img.classes[4].id, 0);
  EXPECT_EQ(t.project.ids().classSlot(4), 3);
  EXPECT_EQ(t.project.ids().classSlot(2), 0);
  EXPECT_TRUE(t.project.isModified());
}

TEST(TableOperations, TableLimitsRefuseWithTheirMessage) {
  struct Case {
    Table table;
    int limit;
    int line;
  } cases[] = {
      {Table::Classes, 150, lines::kClassesTableFull},
      {Table::Subjects, 100, lines::kSubjectsTableFull},
      {Table::Rooms, 200, lines::kRoomsTableFull},
      {Table::Teachers, kMaxAddedTeachers, lines::kTeachersTableFull},
  };
  for (const auto& c : cases) {
    TestProject t;
    for (int i = 0; i < c.limit; ++i) ASSERT_TRUE(t.project.append(c.table)) << i;
    EXPECT_TRUE(t.prompter.messages.empty());
    const auto before = std::make_unique<TLoyiha>(t.project.image());
    EXPECT_FALSE(t.project.append(c.table));
    ASSERT_EQ(t.prompter.messages.size(), 1u);
    EXPECT_EQ(t.prompter.messages[0], line(c.line));
    EXPECT_EQ(t.project.count(c.table), c.limit);
    EXPECT_EQ(std::memcmp(before.get(), &t.project.image(), sizeof(TLoyiha)), 0);
  }
}

TEST(TableOperations, TeacherSlotsOfTheDeputyAndPsychologistAreNeverOverwritten) {
  TestProject t;
  storeText(t.project.edit().teachers[kDeputyDirectorSlot].name, "Deputy");
  storeText(t.project.edit().teachers[kPsychologistSlot].name, "Psychologist");
  while (t.project.append(Table::Teachers)) {
  }
  EXPECT_EQ(t.project.image().teacherCount, 397);
  EXPECT_EQ(loadText(t.project.image().teachers[398].name), "Deputy");
  EXPECT_EQ(loadText(t.project.image().teachers[399].name), "Psychologist");
}

TEST(TableOperations, LessonTableHoldsFiveThousand) {
  TestProject t;
  const int c = t.addClass("5-A");
  const int te = t.addTeacher("T");
  // Different subjects would be needed to avoid the duplicate question; answer yes instead.
  const int s = t.addSubject("S");
  for (int i = 0; i < kMaxLessons; ++i) ASSERT_NE(t.addLesson(c, s, te, 2), 0) << i;
  EXPECT_EQ(t.prompter.messages.size(), 0u);
  EXPECT_EQ(t.addLesson(c, s, te, 2), 0);
  ASSERT_EQ(t.prompter.messages.size(), 1u);
  EXPECT_EQ(t.prompter.messages[0], line(lines::kLessonsTableFull));
  EXPECT_EQ(t.project.image().lessonCount, kMaxLessons);
}

TEST(TableOperations, DuplicateLessonAsksWithTheJoinedQuestion) {
  TestProject t;
  const int c = t.addClass("7-B");
  const int s = t.addSubject("Fizika");
  const int te = t.addTeacher("T");
  ASSERT_NE(t.addLesson(c, s, te, 5), 0);
  EXPECT_TRUE(t.prompter.questions.empty());
  t.prompter.answer = false;
  EXPECT_EQ(t.addLesson(c, s, te, 4), 0);
  ASSERT_EQ(t.prompter.questions.size(), 1u);
  EXPECT_EQ(t.prompter.questions[0], "\"7-B\"line 3642,5line 365\"Fizika\"line 3662line 367");
  EXPECT_EQ(t.project.image().lessonCount, 1);
  t.prompter.answer = true;
  EXPECT_NE(t.addLesson(c, s, te, 4), 0);
  EXPECT_EQ(t.project.image().lessonCount, 2);
}

TEST(TableOperations, DeletingATeacherOfGroupTwoDeletesTheSplitLessonAndItsPlacements) {
  TestProject t;
  const int c = t.addClass("8-A");
  const int en = t.addSubject("Ingliz tili");
  const int t1 = t.addTeacher("A");
  const int t2 = t.addTeacher("B");
  const int keep = t.addLesson(c, t.addSubject("Tarix"), t1, 4);
  const int split = t.addLesson(c, en, t1, 4, {}, t2, en);
  t.project.appendPlacement(1, 1, 3, split, 0, 0);
  t.project.appendPlacement(1, 2, 3, keep, 0, 0);
  t.project.appendPlacement(2, 1, 3, split, 0, 0);
  TAlmashtirish sub{};
  sub.classId = static_cast<std::uint16_t>(c);
  sub.substituteTeacher = static_cast<std::uint16_t>(t2);
  t.project.appendSubstitution(sub);

  t.project.remove(Table::Teachers, t2);

  const TLoyiha& img = t.project.image();
  ASSERT_EQ(img.lessonCount, 1);
  EXPECT_EQ(img.lessons[1].id, keep);
  ASSERT_EQ(img.placementCount, 1);
  EXPECT_EQ(img.placements[1].lessonId, keep);
  EXPECT_EQ(img.substitutionCount, 0);
  EXPECT_EQ(img.teacherCount, 1);
}

TEST(TableOperations, DeletingAClassLeavesNoPlacementWithoutItsLesson) {
  TestProject t;
  const int a = t.addClass("9-A");
  const int b = t.addClass("9-B");
  const int te = t.addTeacher("T");
  std::vector<int> lessonsOfA;
  for (int i = 0; i < 30; ++i) {
    const int s = t.addSubject("S" + std::to_string(i));
    lessonsOfA.push_back(t.addLesson(a, s, te, 8));
    t.addLesson(b, s, te, 2);
  }
  // 120 placements of class A interleaved with some of class B.
  for (int i = 0; i < 120; ++i) {
    t.project.appendPlacement(1 + i % 6, 1 + i % 14, 3, lessonsOfA[static_cast<std::size_t>(i / 4)],
                              0, 0);
    if (i % 10 == 0) t.project.appendPlacement(1, 1, 1, t.project.image().lessons[2].id, 0, 0);
  }
  t.project.remove(Table::Classes, a);
  const TLoyiha& img = t.project.image();
  EXPECT_EQ(img.lessonCount, 30);
  EXPECT_EQ(img.placementCount, 12);
  for (int n = 1; n <= img.placementCount; ++n)
    EXPECT_NE(t.project.ids().lessonSlot(img.placements[n].lessonId), 0) << n;
  for (int i = 1; i <= img.lessonCount; ++i) EXPECT_EQ(img.lessons[i].classId, b);
  EXPECT_EQ(img.placements[13].lessonId, 0);  // freed entries are blank
}

TEST(TableOperations, DeletingARoomOnlyRemovesItsReferences) {
  TestProject t;
  const int c = t.addClass("10-A");
  const int s = t.addSubject("Kimyo");
  const int te = t.addTeacher("T");
  const int lab = t.addRoom("Lab");
  const int gym = t.addRoom("Gym");
  const int only = t.addLesson(c, s, te, 4, {lab});
  const int both =
      t.addLesson(c, t.addSubject("Fizika"), te, 4, {lab, gym, lab}, t.addTeacher("U"), 0, {lab});
  t.project.appendPlacement(3, 4, 3, only, lab, 0);
  t.project.appendPlacement(3, 5, 3, both, gym, lab);

  t.project.remove(Table::Rooms, lab);

  const TLoyiha& img = t.project.image();
  EXPECT_EQ(img.lessonCount, 2);
  const TDars& l1 = img.lessons[t.project.ids().lessonSlot(only)];
  EXPECT_EQ(l1.roomCount1, 0);
  EXPECT_EQ(l1.rooms1[0], 0);
  const TDars& l2 = img.lessons[t.project.ids().lessonSlot(both)];
  ASSERT_EQ(l2.roomCount1, 1);
  EXPECT_EQ(l2.rooms1[0], gym);
  EXPECT_EQ(l2.rooms1[1], 0);
  EXPECT_EQ(l2.roomCount2, 0);
  ASSERT_EQ(img.placementCount, 2);
  EXPECT_EQ(img.placements[1].room1, 0);
  EXPECT_EQ(img.placements[1].day, 3);
  EXPECT_EQ(img.placements[1].period, 4);
  EXPECT_EQ(img.placements[2].room1, gym);
  EXPECT_EQ(img.placements[2].room2, 0);
}

TEST(TableOperations, UnknownIdDeletesNothing) {
  TestProject t;
  t.addClass("A");
  t.addClass("B");
  const auto before = std::make_unique<TLoyiha>(t.project.image());
  t.project.remove(Table::Classes, 77);
  t.project.remove(Table::Lessons, 1);
  EXPECT_EQ(std::memcmp(before.get(), &t.project.image(), sizeof(TLoyiha)), 0);
}

TEST(TableOperations, DeletingPlacementsMovesTheLastIntoTheGap) {
  TestProject t;
  for (int i = 1; i <= 3; ++i) t.project.appendPlacement(1, i, 3, 1, 0, 0);
  t.project.deletePlacement(1);
  ASSERT_EQ(t.project.image().placementCount, 2);
  EXPECT_EQ(t.project.image().placements[1].period, 3);
  EXPECT_EQ(t.project.image().placements[2].period, 2);
  EXPECT_EQ(t.project.image().placements[3].period, 0);
  t.project.deletePlacement(2);
  t.project.deletePlacement(1);
  EXPECT_EQ(t.project.image().placementCount, 0);
}

TEST(TableOperations, ClearingKeepsLockedPlacements) {
  TestProject t;
  for (int i = 1; i <= 5; ++i) t.project.appendPlacement(1, i, 3, 1, 0, 0);
  t.project.edit().placements[2].locked = 1;
  t.project.edit().placements[5].locked = 1;
  t.project.clearUnlockedPlacements();
  const TLoyiha& img = t.project.image();
  ASSERT_EQ(img.placementCount, 2);
  EXPECT_EQ(img.placements[1].locked + img.placements[2].locked, 2);
  EXPECT_EQ(img.placements[1].period + img.placements[2].period, 7);
}

TEST(TableOperations, SubstitutionLimitAndOrder) {
  TestProject t;
  TAlmashtirish s{};
  for (int i = 1; i <= kMaxSubstitutions; ++i) {
    s.period = static_cast<std::uint8_t>(i % 14 + 1);
    ASSERT_TRUE(t.project.appendSubstitution(s));
  }
  EXPECT_FALSE(t.project.appendSubstitution(s));
  ASSERT_EQ(t.prompter.messages.size(), 1u);
  EXPECT_EQ(t.prompter.messages[0], line(lines::kSubstitutionsTableFull));
  t.project.deleteSubstitution(1);
  EXPECT_EQ(t.project.image().substitutionCount, kMaxSubstitutions - 1);
  EXPECT_EQ(t.project.image().substitutions[1].period, 3);  // entries moved down in order
}

TEST(TableOperations, PlacementTableIsBoundedWithAMessage) {
  TestProject t;
  for (int i = 0; i < kMaxPlacements; ++i) ASSERT_TRUE(t.project.appendPlacement(1, 1, 1, 1, 0, 0));
  EXPECT_FALSE(t.project.appendPlacement(1, 1, 1, 1, 0, 0));
  EXPECT_EQ(t.project.image().placementCount, kMaxPlacements);
  ASSERT_EQ(t.prompter.messages.size(), 1u);
  EXPECT_EQ(t.prompter.messages[0], line(lines::kPlacementTableFull));
}

std::vector<int> classIds(const Project& p) {
  std::vector<int> ids;
  for (int i = 1; i <= p.image().classCount; ++i) ids.push_back(p.image().classes[i].id);
  return ids;
}

TEST(TableOperations, MovingBlocks) {
  TestProject t;
  for (const char* n : {"A", "B", "C", "D", "E"}) t.addClass(n);
  t.project.moveUp(Table::Classes, 1, 2);  // the first row cannot go up
  EXPECT_EQ(classIds(t.project), (std::vector<int>{1, 2, 3, 4, 5}));
  t.project.moveDown(Table::Classes, 4, 5);  // a block ending at the last row cannot go down
  EXPECT_EQ(classIds(t.project), (std::vector<int>{1, 2, 3, 4, 5}));
  t.project.moveUp(Table::Classes, 3, 4);
  EXPECT_EQ(classIds(t.project), (std::vector<int>{1, 3, 4, 2, 5}));
  t.project.moveDown(Table::Classes, 1, 2);
  EXPECT_EQ(classIds(t.project), (std::vector<int>{4, 1, 3, 2, 5}));
  EXPECT_EQ(t.project.ids().classSlot(4), 1);
  EXPECT_EQ(t.project.ids().classSlot(5), 5);
}

TEST(TableOperations, LoadsCountEveryLessonOnceForEachRecord) {
  TestProject t;
  const int c = t.addClass("A");
  const int math = t.addSubject("Math");
  const int lang = t.addSubject("Lang");
  const int unused = t.addSubject("Unused");
  const int t1 = t.addTeacher("T1");
  const int t2 = t.addTeacher("T2");
  const int r1 = t.addRoom("R1");
  const int r2 = t.addRoom("R2");
  t.addLesson(c, math, t1, 2, {r1, r2});
  t.addLesson(c, lang, t1, 6, {r1}, t2, lang, {r2});  // two groups, the same subject
  t.project.recomputeLoads();
  const TLoyiha& img = t.project.image();
  const IdMaps& ids = t.project.ids();
  EXPECT_EQ(img.classes[ids.classSlot(c)].weeklyLoad, 8);
  EXPECT_EQ(img.subjects[ids.subjectSlot(math)].weeklyLoad, 2);
  EXPECT_EQ(img.subjects[ids.subjectSlot(lang)].weeklyLoad, 6);
  EXPECT_EQ(img.subjects[ids.subjectSlot(unused)].weeklyLoad, 0);
  EXPECT_EQ(img.teachers[ids.teacherSlot(t1)].weeklyLoad, 8);
  EXPECT_EQ(img.teachers[ids.teacherSlot(t2)].weeklyLoad, 6);
  EXPECT_EQ(img.rooms[ids.roomSlot(r1)].weeklyLoad, 8);
  EXPECT_EQ(img.rooms[ids.roomSlot(r2)].weeklyLoad, 8);
}

TEST(TableOperations, LoadsWrapAtOneByte) {
  TestProject t;
  const int c = t.addClass("A");
  const int te = t.addTeacher("T");
  for (int i = 0; i < 14; ++i) t.addLesson(c, t.addSubject("S" + std::to_string(i)), te, 20);
  t.project.recomputeLoads();
  EXPECT_EQ(t.project.image().classes[1].weeklyLoad, 280 - 256);
  EXPECT_EQ(t.project.image().teachers[1].weeklyLoad, 280 - 256);
}

TEST(TableOperations, RecordDefaults) {
  TestProject t;
  TLoyiha& img = t.project.edit();
  img.header.workingDays = 5;
  img.header.shifts[0] = {1, 6, {}};
  t.project.deriveShiftGrids();
  t.project.setModified(false);
  t.project.prepareNewClass();
  EXPECT_EQ(img.classBuffer.shift, 1);
  EXPECT_EQ(img.classBuffer.availableCount, 30);
  EXPECT_EQ(img.classBuffer.grid[4][5], 1);
  EXPECT_EQ(img.classBuffer.grid[4][6], 0);
  EXPECT_EQ(img.classBuffer.grid[5][0], 0);  // Saturday is not a working day
  t.project.prepareNewSubject();
  EXPECT_EQ(img.subjectBuffer.difficulty, 5);
  EXPECT_EQ(img.subjectBuffer.difficultyBand[6], 5);
  EXPECT_EQ(img.subjectBuffer.availableCount, 84);
  t.project.prepareNewRoom();
  EXPECT_EQ(img.roomBuffer.reserved, 1);
  t.project.prepareNewTeacher();
  EXPECT_EQ(img.teacherBuffer.phone.length, 0);
  EXPECT_EQ(img.teacherBuffer.availableCount, 84);
  for (int shift = 0; shift < 24; shift += 8) {
    const int channel = (img.teacherBuffer.colour >> shift) & 0xFF;
    EXPECT_GE(channel, 101) << shift;  // at least 50 lightened by a quarter: a light colour
  }
  // Filling edit buffers and recomputing loads are not changes a user would have to save.
  t.project.recomputeLoads();
  EXPECT_FALSE(t.project.isModified());
}

TEST(TableOperations, ShiftGridsStopAtPeriodFourteen) {
  TestProject t;
  TLoyiha& img = t.project.edit();
  img.header.workingDays = 6;
  img.header.shifts[1] = {10, 10, {}};
  t.project.deriveShiftGrids();
  EXPECT_EQ(countAvailable(img.header.shifts[1].grid), 6 * 5);
  EXPECT_EQ(img.header.shifts[1].grid[5][13], 1);
  EXPECT_EQ(img.header.shifts[1].grid[0][8], 0);
}

TEST(TableOperations, SubjectDifficultyByGrade) {
  TFan s{};
  s.difficulty = 1;
  for (int b = 0; b < 7; ++b) s.difficultyBand[b] = static_cast<std::uint8_t>(10 + b);
  const int expected[] = {1, 10, 10, 10, 10, 11, 12, 13, 14, 15, 16, 16, 16, 16};
  for (int grade = 0; grade <= 13; ++grade) EXPECT_EQ(subjectDifficulty(s, grade), expected[grade]);
}

TEST(TableOperations, RenumberingAtTheIdBoundKeepsEveryReference) {
  TestProject t;
  const int c = t.addClass("A");
  const int s = t.addSubject("S");
  const int te = t.addTeacher("T");
  // Rooms come and go until the counter reaches the one-byte bound of placement rooms.
  int kept = t.addRoom("Kept");
  while (t.project.image().roomNextId < kMaxRoomId - 1) {
    const int temp = t.addRoom("Temp");
    t.project.remove(Table::Rooms, temp);
  }
  const int lab = t.addRoom("Lab");  // id 255 is still within the bound
  EXPECT_EQ(lab, 255);
  const int lesson = t.addLesson(c, s, te, 4, {lab, kept});
  t.project.appendPlacement(1, 1, 3, lesson, lab, 0);
  TAlmashtirish sub{};
  sub.room = static_cast<std::uint16_t>(lab);
  t.project.appendSubstitution(sub);

  const int next = t.addRoom("Next");  // would be 256: the table is renumbered first
  const TLoyiha& img = t.project.image();
  EXPECT_EQ(img.roomCount, 3);
  EXPECT_EQ(next, 3);
  kept = img.rooms[1].id;
  EXPECT_EQ(loadText(img.rooms[1].name), "Kept");
  EXPECT_EQ(kept, 1);
  EXPECT_EQ(loadText(img.rooms[t.project.ids().roomSlot(img.lessons[1].rooms1[0])].name), "Lab");
  EXPECT_EQ(img.lessons[1].rooms1[1], kept);
  EXPECT_EQ(loadText(img.rooms[t.project.ids().roomSlot(img.placements[1].room1)].name), "Lab");
  EXPECT_EQ(loadText(img.rooms[t.project.ids().roomSlot(img.substitutions[1].room)].name), "Lab");
}

TEST(TableOperations, RenumberingLessonsRewritesPlacements) {
  TestProject t;
  const int c = t.addClass("A");
  const int te = t.addTeacher("T");
  const int s1 = t.addSubject("S1");
  const int s2 = t.addSubject("S2");
  t.project.edit().lessonNextId = kMaxLessonId - 1;
  const int first = t.addLesson(c, s1, te, 2);
  EXPECT_EQ(first, kMaxLessonId);
  t.project.appendPlacement(2, 2, 3, first, 0, 0);
  const int second = t.addLesson(c, s2, te, 2);
  EXPECT_EQ(second, 2);
  const TLoyiha& img = t.project.image();
  EXPECT_EQ(img.lessons[1].id, 1);
  EXPECT_EQ(img.placements[1].lessonId, 1);
  EXPECT_EQ(img.lessons[t.project.ids().lessonSlot(img.placements[1].lessonId)].subject1, s1);
}

TEST(TableOperations, ListenersHearChangesAndTheModifiedFlag) {
  TestProject t;
  std::vector<ProjectChange> heard;
  const int token = t.project.subscribe([&](ProjectChange c) { heard.push_back(c); });
  t.addClass("A");
  EXPECT_NE(std::find(heard.begin(), heard.end(), ProjectChange::Tables), heard.end());
  EXPECT_NE(std::find(heard.begin(), heard.end(), ProjectChange::Modified), heard.end());
  t.project.unsubscribe(token);
  heard.clear();
  t.addClass("B");
  EXPECT_TRUE(heard.empty());
}

}  // namespace
}  // namespace jadvalon
