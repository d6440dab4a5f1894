// Preparation, refresh, selection and placement of the generator's candidates.
#include "generator/placement_engine.h"

#include <algorithm>
#include <cstring>

namespace jadvalon {

namespace {

constexpr int W = kWholeBlock;

std::uint8_t addByte(std::uint8_t value, int amount) {
  return static_cast<std::uint8_t>(std::min(255, value + amount));
}

// Half-units a placement of the kind consumes.
int halfUnitsOf(int kind) { return kind == kKindDouble ? 4 : kind == kKindWhole ? 2 : 1; }

}  // namespace

PlacementEngine::PlacementEngine(Project& project, OccupancyIndex& index)
    : project_(project),
      index_(index),
      feasibility_(project.image(), index),
      passes_(project.image(), index, records_) {}

bool PlacementEngine::feasible(int lessonSlot, int d, int p, int kind) const {
  return feasibility_.feasible(records_.lessons[lessonSlot], lessonSlot, d, p, kind);
}

// --- Preparation ---

void PlacementEngine::prepare(const GeneratorOptions& options) {
  options_ = options;
  feasibility_.setConsiderRooms(options.considerRooms);
  const TLoyiha& image = project_.image();
  // The periods per day bound the solid periods; recomputing them here makes a run independent
  // of whether the board was shown first.
  index_.recomputePeriodsPerDay(image);

  records_.lessonCount = std::min<int>(image.lessonCount, kMaxLessons);
  records_.classCount = std::min<int>(image.classCount, kMaxClasses);
  records_.teacherCount = std::min<int>(image.teacherCount, kMaxTeacherSlots);
  records_.roomCount = std::min<int>(image.roomCount, kMaxRooms);

  TDarsImkon blankLesson;
  std::memset(&blankLesson, 0, sizeof blankLesson);
  records_.lessons.assign(static_cast<std::size_t>(records_.lessonCount) + 1, blankLesson);
  TSinfTalab blankClass;
  std::memset(&blankClass, 0, sizeof blankClass);
  blankClass.earliestCandidatePeriod = kPeriods;
  records_.classes.assign(static_cast<std::size_t>(records_.classCount) + 1, blankClass);
  TUqituvchiTalab blankTeacher;
  std::memset(&blankTeacher, 0, sizeof blankTeacher);
  records_.teachers.assign(static_cast<std::size_t>(records_.teacherCount) + 1, blankTeacher);
  TXonaTalab blankRoom;
  std::memset(&blankRoom, 0, sizeof blankRoom);
  records_.rooms.assign(static_cast<std::size_t>(records_.roomCount) + 1, blankRoom);

  // Parallel keys are numbered by grade, subject and teacher; grades above 11 keep keys of
  // their own instead of running past the counters.
  int maxGrade = 1;
  for (int c = 1; c <= records_.classCount; ++c)
    maxGrade = std::max<int>(maxGrade, image.classes[c].grade);
  records_.parallel.resize(maxGrade * image.subjectCount * records_.teacherCount);

  for (int l = 1; l <= records_.lessonCount; ++l) fillLessonRecord(l, maxGrade);
  records_.roomShares.layOut(records_.lessons, records_.lessonCount);
  for (int l = 1; l <= records_.lessonCount; ++l) findCandidates(l);
  computeSolidPeriods();
  countExistingPlacements();

  // The tie list can hold every kind block of every lesson; reserving it now keeps the steps
  // free of allocation.
  ties_.clear();
  ties_.reserve(static_cast<std::size_t>(records_.lessonCount) * kDays * kPeriods * 3 + 1);
  passes_.prepare(options);
}

void PlacementEngine::fillLessonRecord(int l, int maxGrade) {
  const TLoyiha& image = project_.image();
  const IdMaps& ids = project_.ids();
  const TDars& source = image.lessons[l];
  TDarsImkon& lesson = records_.lessons[l];

  auto within = [](int slot, int count) { return slot >= 1 && slot <= count ? slot : 0; };
  lesson.classIndex =
      static_cast<std::uint8_t>(within(ids.classSlot(source.classId), records_.classCount));
  lesson.teacher1 =
      static_cast<std::uint16_t>(within(ids.teacherSlot(source.teacher1), records_.teacherCount));
  lesson.subject1 =
      static_cast<std::uint16_t>(within(ids.subjectSlot(source.subject1), image.subjectCount));
  // A lesson has two groups exactly when its teachers differ.
  lesson.twoGroups = source.teacher1 != source.teacher2 ? 1 : 0;
  lesson.teacher2 = lesson.twoGroups ? static_cast<std::uint16_t>(within(
                                           ids.teacherSlot(source.teacher2), records_.teacherCount))
                                     : lesson.teacher1;
  lesson.subject2 =
      lesson.twoGroups
          ? static_cast<std::uint16_t>(within(ids.subjectSlot(source.subject2), image.subjectCount))
          : lesson.subject1;
  lesson.pairFlag = source.pairFlag ? 1 : 0;
  lesson.weeklyLoad = source.weeklyLoad;
  lesson.pending = static_cast<std::uint8_t>(index_.lessonPending(l));
  lesson.wholeHalfUnits = static_cast<std::uint8_t>(lesson.pending - lesson.pending % 2);
  lesson.oddHalfUnit = static_cast<std::uint8_t>(lesson.pending % 2);

  // Room lists keep the rooms that exist, in list order.
  auto fillRooms = [&](RoomList& list, int count, const std::uint16_t* roomIds) {
    list.count = 0;
    for (int i = 0; i < std::min(count, kMaxRoomsPerList); ++i) {
      const int r = within(ids.roomSlot(roomIds[i]), records_.roomCount);
      if (r != 0) list.rooms[list.count++] = static_cast<std::uint8_t>(r);
    }
  };
  fillRooms(lesson.rooms1, source.roomCount1, source.rooms1);
  if (lesson.twoGroups) fillRooms(lesson.rooms2, source.roomCount2, source.rooms2);

  const int grade = lesson.classIndex ? image.classes[lesson.classIndex].grade : 0;
  auto key = [&](int subject, int teacher) -> std::int32_t {
    if (grade < 1 || grade > maxGrade || subject == 0 || teacher == 0) return 0;
    return ((grade - 1) * image.subjectCount + subject - 1) * records_.teacherCount + teacher;
  };
  lesson.key1 = key(lesson.subject1, lesson.teacher1);
  lesson.key2 = lesson.twoGroups ? key(lesson.subject2, lesson.teacher2) : 0;
}

void PlacementEngine::findCandidates(int l) {
  TDarsImkon& lesson = records_.lessons[l];
  if (lesson.pending == 0) return;
  TSinfTalab& schoolClass = records_.classes[lesson.classIndex];
  schoolClass.pending = static_cast<std::uint16_t>(schoolClass.pending + lesson.pending);

  const int wholeKind = lesson.wholeKind();
  for (int d = 1; d <= kDays; ++d) {
    DayBlock& day = lesson.day(d);
    for (int p = 1; p <= kPeriods; ++p) {
      SlotRecord& slot = day.slot(p);
      bool any = false;
      if (lesson.wholeHalfUnits > 0 && feasible(l, d, p, wholeKind)) {
        any = true;
        slot.feasible[W] = 1;
        slot.score[W] = 1.0;
        lesson.wholeMass += 1.0;
        day.dayMass += 1.0;
        markRooms(l, d, p, wholeKind, W);
        for (int q = p; q <= p + (wholeKind == kKindDouble ? 1 : 0); ++q) {
          markHalf(schoolClass, d, q, 1);
          markHalf(schoolClass, d, q, 2);
        }
      }
      if (lesson.oddHalfUnit == 1) {
        for (int h = 1; h <= 2; ++h) {
          if (!feasible(l, d, p, h)) continue;
          any = true;
          slot.feasible[h] = 1;
          slot.score[h] = 1.0;
          lesson.halfMass += 1.0;
          day.dayMass += 1.0;
          markRooms(l, d, p, h, h);
          markHalf(schoolClass, d, p, h);
        }
      }
      if (any) {
        slot.candidate = 1;
        if (day.candidateEnd == 0) day.candidateBegin = static_cast<std::uint8_t>(p);
        day.candidateEnd = static_cast<std::uint8_t>(p + 1);
        std::uint8_t& lastPeriod = records_.lastCandidatePeriod[d - 1];
        lastPeriod = std::max<std::uint8_t>(lastPeriod, static_cast<std::uint8_t>(p));
        schoolClass.earliestCandidatePeriod = std::min<std::uint8_t>(
            schoolClass.earliestCandidatePeriod, static_cast<std::uint8_t>(p));
      }
    }
    if (std::any_of(std::begin(day.slots), std::end(day.slots),
                    [](const SlotRecord& s) { return s.candidate != 0; })) {
      day.open = 1;
      ++lesson.openDays;
    }
  }
}

void PlacementEngine::markRooms(int l, int d, int p, int kind, int block) {
  if (!options_.considerRooms) return;
  TDarsImkon& lesson = records_.lessons[l];
  const int lists = lesson.twoGroups ? 2 : 1;
  for (int list = 1; list <= lists; ++list) {
    const RoomList& rooms = list == 1 ? lesson.rooms1 : lesson.rooms2;
    RoomShares shares = records_.roomShares.at(l, list, d, p, block);
    for (int i = 0; i < rooms.count; ++i) {
      if (!feasibility_.roomFree(rooms.rooms[i], d, p, kind)) continue;
      shares.score(i) = 1.0;
      shares.freeTotal() += 1.0;
      lesson.slot(d, p).roomScored |= static_cast<std::uint8_t>(1 << block);
      lesson.slot(d, p).roomTotalsSet |= static_cast<std::uint8_t>(1 << block);
      // A double period also reserves the room at the next period.
      if (kind == kKindDouble) {
        RoomShares next = records_.roomShares.at(l, list, d, p + 1, W);
        next.score(i) = 1.0;
        next.freeTotal() += 1.0;
        lesson.slot(d, p + 1).roomScored |= 1 << W;
        lesson.slot(d, p + 1).roomTotalsSet |= 1 << W;
      }
    }
  }
}

void PlacementEngine::markHalf(TSinfTalab& schoolClass, int d, int p, int half) {
  std::uint8_t& mark = schoolClass.halfMarks[d - 1][p - 1][half - 1];
  if (mark == 0) {
    mark = 1;
    ++schoolClass.periodCounts[p - 1];
  }
}

void PlacementEngine::computeSolidPeriods() {
  const int longestDay = index_.periodsPerDay(7);
  for (int c = 1; c <= records_.classCount; ++c) {
    TSinfTalab& schoolClass = records_.classes[c];
    auto count = [&](int j) {
      return j >= 1 && j <= kPeriods ? schoolClass.periodCounts[j - 1] : 0;
    };
    int solid = 0;
    int s = count(1);
    int j = 1;
    while (s <= schoolClass.pending && j <= longestDay) {
      solid = j;
      ++j;
      s += count(j);
    }
    schoolClass.solidPeriods = static_cast<std::uint8_t>(solid);
  }
}

void PlacementEngine::countExistingPlacements() {
  const TLoyiha& image = project_.image();
  const IdMaps& ids = project_.ids();
  const int placementCount = std::min<int>(image.placementCount, kMaxPlacements);
  for (int n = 1; n <= placementCount; ++n) {
    const TJoy& placement = image.placements[n];
    const int l = ids.lessonSlot(placement.lessonId);
    if (l < 1 || l > records_.lessonCount) continue;
    const int d = placement.day;
    if (d < 1 || d > kDays || placement.kind < 1 || placement.kind > 3) continue;
    const int u = placement.kind == 3 ? 2 : 1;
    TDarsImkon& lesson = records_.lessons[l];
    TeacherDay& teacher1 = records_.teachers[lesson.teacher1].day(d);
    teacher1.placedThatDay = addByte(teacher1.placedThatDay, u);
    records_.parallel.add(d, lesson.key1, u);
    if (lesson.twoGroups) {
      TeacherDay& teacher2 = records_.teachers[lesson.teacher2].day(d);
      teacher2.placedThatDay = addByte(teacher2.placedThatDay, u);
      records_.parallel.add(d, lesson.key2, u);
    }
    DayBlock& day = lesson.day(d);
    day.placedThatDay = addByte(day.placedThatDay, u);
    if (day.open) lesson.placedOnOpenDays = addByte(lesson.placedOnOpenDays, u);
  }
}

// --- Step ---

bool PlacementEngine::step() {
  // Lessons added or deleted since the preparation make the records stale: end the run.
  if (project_.image().lessonCount != records_.lessonCount) {
    lastStepPlaced_ = false;
    return false;
  }
  if (lastStepPlaced_) refresh();
  const int iterations = options_.iterationsPerStep();
  for (int i = 0; i < iterations; ++i) passes_.iterate();
  Candidate chosen{};
  // A full placement table ends the run as surely as having no candidate.
  if (!select(chosen) ||
      project_.image().placementCount + (chosen.kind == kKindDouble ? 2 : 1) > kMaxPlacements) {
    lastStepPlaced_ = false;
    return false;
  }
  place(chosen);
  lastStepPlaced_ = true;
  return true;
}

// --- Refresh ---

void PlacementEngine::refresh() {
  records_.parallel.clear();
  for (int t = 0; t <= records_.teacherCount; ++t)
    for (TeacherDay& day : records_.teachers[t].days) day.placedThatDay = 0;

  for (int l = 1; l <= records_.lessonCount; ++l) {
    TDarsImkon& lesson = records_.lessons[l];
    lesson.pending = static_cast<std::uint8_t>(index_.lessonPending(l));
    lesson.wholeHalfUnits = static_cast<std::uint8_t>(lesson.pending - lesson.pending % 2);
    lesson.oddHalfUnit = static_cast<std::uint8_t>(lesson.pending % 2);
    lesson.wholeMass = 0.0;
    lesson.halfMass = 0.0;
    lesson.openDays = 0;
    lesson.placedOnOpenDays = 0;
    const int wholeKind = lesson.wholeKind();
    for (int d = 1; d <= kDays; ++d) {
      DayBlock& day = lesson.day(d);
      day.dayMass = 0.0;
      day.placedThatDay = 0;
      day.open = 0;
      day.candidateBegin = 0;
      day.candidateEnd = 0;
      const int last = records_.lastPeriod(d);
      for (int p = 1; p <= last; ++p) {
        SlotRecord& slot = day.slot(p);
        slot.candidate = 0;
        if (lesson.wholeHalfUnits > 0 && feasible(l, d, p, wholeKind)) {
          slot.feasible[W] = 1;
          lesson.wholeMass += slot.score[W];
          day.dayMass += slot.score[W];
          slot.candidate = 1;
        } else {
          slot.feasible[W] = 0;
          slot.score[W] = 0.0;
        }
        for (int h = 1; h <= 2; ++h) {
          if (lesson.oddHalfUnit == 1 && feasible(l, d, p, h)) {
            slot.feasible[h] = 1;
            lesson.halfMass += slot.score[h];
            day.dayMass += slot.score[h];
            slot.candidate = 1;
          } else {
            slot.score[h] = 0.0;
            slot.feasible[h] = 0;
          }
        }
        if (slot.candidate) {
          day.open = 1;
          if (day.candidateEnd == 0) day.candidateBegin = static_cast<std::uint8_t>(p);
          day.candidateEnd = static_cast<std::uint8_t>(p + 1);
        }
      }
      if (day.open) ++lesson.openDays;
    }
  }
  countExistingPlacements();
}

// --- Select ---

bool PlacementEngine::withinTeacherDailyMaximum(const TDarsImkon& lesson, int d,
                                                int halfUnits) const {
  const int teachers[2] = {lesson.teacher1, lesson.teacher2};
  for (int i = 0; i < (lesson.twoGroups ? 2 : 1); ++i) {
    const int maximum = project_.image().teachers[teachers[i]].dailyMaximum;
    if (maximum == 0) continue;  // no daily cap
    if (records_.teachers[teachers[i]].days[d - 1].placedThatDay + halfUnits > 2 * maximum)
      return false;
  }
  return true;
}

bool PlacementEngine::select(Candidate& chosen) {
  ties_.clear();
  double best = 0.0;
  auto consider = [&](int l, int d, int p, int kind, double score) {
    if (!(score > 0) || score < best) return;
    // The day cap of the teacher pass only scales scores; a candidate that would still take a
    // teacher past the daily maximum is not taken.
    if (!withinTeacherDailyMaximum(records_.lessons[l], d, halfUnitsOf(kind))) return;
    if (score > best) {
      best = score;
      ties_.clear();
    }
    ties_.push_back({static_cast<std::uint16_t>(l), static_cast<std::uint8_t>(d),
                     static_cast<std::uint8_t>(p), static_cast<std::uint8_t>(kind)});
  };
  for (int l = 1; l <= records_.lessonCount; ++l) {
    const TDarsImkon& lesson = records_.lessons[l];
    if (lesson.pending == 0) continue;
    const int wholeKind = lesson.wholeKind();
    for (int d = 1; d <= kDays; ++d) {
      const DayBlock& day = lesson.day(d);
      if (!day.open) continue;
      for (int p = day.candidateBegin; p < day.candidateEnd; ++p) {
        const SlotRecord& slot = day.slot(p);
        if (!slot.candidate) continue;
        consider(l, d, p, wholeKind, slot.score[W]);
        // A half block that is not feasible may still carry a score from the room pass; taking
        // it would put the half onto an occupied half.
        if (slot.feasible[kHalf1Block]) consider(l, d, p, kKindHalf1, slot.score[kHalf1Block]);
        if (slot.feasible[kHalf2Block]) consider(l, d, p, kKindHalf2, slot.score[kHalf2Block]);
      }
    }
  }
  if (ties_.empty()) return false;
  const int pick = options_.tieBreak == TieBreak::First
                       ? 0
                       : project_.random().below(static_cast<int>(ties_.size()));
  chosen = ties_[static_cast<std::size_t>(pick)];
  return true;
}

// --- Place ---

int PlacementEngine::roomIdByte(int roomIndex) const {
  return project_.image().rooms[roomIndex].id & 0xFF;
}

int PlacementEngine::chooseRoom(int l, int list, int d, int p, int kind, int testPeriod,
                                int testKind, int excludedRoom, double best) {
  const TDarsImkon& lesson = records_.lessons[l];
  const RoomList& rooms = list == 1 ? lesson.rooms1 : lesson.rooms2;
  const int block = kind == kKindHalf1 ? kHalf1Block : kind == kKindHalf2 ? kHalf2Block : W;
  RoomShares shares = records_.roomShares.at(l, list, d, p, block);
  int choice = -1;
  for (int i = 0; i < rooms.count; ++i) {
    const int room = rooms.rooms[i];
    // Both groups of a lesson are taught at once: they cannot share one room.
    if (room == excludedRoom) continue;
    if (!feasibility_.roomFree(room, d, testPeriod, testKind)) continue;
    const double s = shares.score(i);
    // Among equal room scores the later position wins.
    if (s >= best) {
      choice = i;
      best = s;
    }
  }
  return choice;
}

bool PlacementEngine::appendAndIndex(int d, int p, int kind, int lessonId, int room1, int room2) {
  if (!project_.appendPlacement(d, p, kind, lessonId, room1, room2)) return false;
  const int number = project_.image().placementCount;
  index_.indexPlacement(project_.image(), project_.ids(), number);
  if (observer_) observer_(number);
  return true;
}

void PlacementEngine::place(const Candidate& candidate) {
  const int l = candidate.lesson;
  const int d = candidate.day;
  const int p = candidate.period;
  const int k = candidate.kind;
  const TDarsImkon& lesson = records_.lessons[l];
  const int lessonId = project_.image().lessons[l].id;

  int room1 = 0;
  int room2 = 0;
  int roomIndex1 = 0;
  if (options_.considerRooms) {
    const int i1 = chooseRoom(l, 1, d, p, k, p, k, 0, -100000000.0);
    if (i1 >= 0) {
      roomIndex1 = lesson.rooms1.rooms[i1];
      room1 = roomIdByte(roomIndex1);
    }
    if (lesson.twoGroups) {
      const int i2 = chooseRoom(l, 2, d, p, k, p, k, roomIndex1, -1.0);
      if (i2 >= 0) room2 = roomIdByte(lesson.rooms2.rooms[i2]);
    }
  }
  if (!appendAndIndex(d, p, k == kKindDouble ? kKindWhole : k, lessonId, room1, room2)) return;
  lastPlacedHalfUnits_ = k == kKindDouble ? 2 : halfUnitsOf(k);
  if (k != kKindDouble) return;

  // The second period of a double: a copy of the first at p + 1, its rooms chosen again from
  // the room scores of that period; a list where no room qualifies keeps the copied room.
  if (options_.considerRooms) {
    const int i1 = chooseRoom(l, 1, d, p + 1, kKindWhole, p + 1, kKindDouble, 0, -100000000.0);
    if (i1 >= 0) {
      roomIndex1 = lesson.rooms1.rooms[i1];
      room1 = roomIdByte(roomIndex1);
    }
    if (lesson.twoGroups) {
      const int i2 = chooseRoom(l, 2, d, p + 1, kKindWhole, p + 1, kKindDouble, roomIndex1, -1.0);
      if (i2 >= 0)
        room2 = roomIdByte(lesson.rooms2.rooms[i2]);
      else if (room2 != 0 && room2 == room1)
        room2 = 0;
    }
  }
  if (appendAndIndex(d, p + 1, kKindWhole, lessonId, room1, room2)) lastPlacedHalfUnits_ = 4;
}

}  // namespace jadvalon
