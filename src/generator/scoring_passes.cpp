// The scoring passes. Every pass treats the lessons in table order and only those with pending
// half-units; within a pass one lesson is finished before the next starts. The arithmetic is kept
// in the order written here on purpose: runs must give the same placements on every build.
#include "generator/scoring_passes.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace jadvalon {

namespace {

constexpr int W = kWholeBlock;
constexpr double kGapPenaltyPerPeriod = 0.6;

// Each pass visits only lessons that still have something to place.
template <typename Visit>
void forEachPendingLesson(WorkingRecords& records, Visit visit) {
  for (int l = 1; l <= records.lessonCount; ++l) {
    TDarsImkon& lesson = records.lessons[l];
    if (lesson.pending > 0) visit(l, lesson);
  }
}

// The score a room pass gives a block from the capacities of the two room lists: a list
// without rooms does not restrict, so only non-empty lists count.
double fromRoomCapacity(const TDarsImkon& lesson, double c1, double c2, double current) {
  const bool list1 = lesson.rooms1.count > 0;
  if (!lesson.twoGroups) return list1 ? c1 : current;
  const bool list2 = lesson.rooms2.count > 0;
  if (list1 && list2) return std::min(c1, c2);
  if (list1) return c1;
  if (list2) return c2;
  return current;
}

}  // namespace

void ScoringPasses::prepare(const GeneratorOptions& options) {
  options_ = options;
  windowIteration_.assign(static_cast<std::size_t>(records_.teacherCount) + 1, {});
  // Past every stamp, so that a pass called on its own also computes the windows.
  iteration_ = 1;
}

void ScoringPasses::iterate() {
  ++iteration_;
  clearDemands();
  // The passes run in order, each over all lessons. Two pairs of them run lesson by lesson in
  // one sweep, which halves the trips through memory: the day pass of a lesson needs only that
  // lesson's mass pass, and its totals need only that lesson's last pass. Every lesson's
  // arithmetic and the order of every sum over lessons stay as they are, so the scores are the
  // same as with one sweep per pass.
  forEachPendingLesson(records_, [&](int, TDarsImkon& lesson) {
    massPassLesson(lesson);
    dayPassLesson(lesson);
  });
  classPass();
  if (options_.considerRooms) {
    teacherPass();
    forEachPendingLesson(records_, [&](int l, TDarsImkon& lesson) {
      roomPassLesson(l, lesson);
      totalsLesson(lesson);
    });
  } else {
    forEachPendingLesson(records_, [&](int l, TDarsImkon& lesson) {
      teacherPassLesson(l, lesson);
      totalsLesson(lesson);
    });
  }
  clearSlotDemands();
}

void ScoringPasses::clearDemands() {
  for (int c = 1; c <= records_.classCount; ++c)
    std::memset(records_.classes[c].demand, 0, sizeof(records_.classes[c].demand));
  for (int t = 1; t <= records_.teacherCount; ++t) {
    TUqituvchiTalab& teacher = records_.teachers[t];
    std::memset(teacher.demand, 0, sizeof(teacher.demand));
    for (TeacherDay& day : teacher.days) day.dayDemand = 0.0;
  }
  for (int r = 1; r <= records_.roomCount; ++r)
    std::memset(records_.rooms[r].demand, 0, sizeof(records_.rooms[r].demand));
}

// --- 1. Mass pass: a lesson's scores are scaled to add up to what it still needs. ---

void ScoringPasses::massPass() {
  forEachPendingLesson(records_, [&](int, TDarsImkon& lesson) { massPassLesson(lesson); });
}

void ScoringPasses::massPassLesson(TDarsImkon& lesson) {
  const double w = lesson.wholeHalfUnits;
  const double o = lesson.oddHalfUnit;
  const double fW = lesson.wholeMass > 0 && w > 0 ? w / (lesson.wholeMass * 2.0) : 0.0;
  const double fH = lesson.halfMass > 0 && o > 0 ? o / (lesson.halfMass * 2.0) : 0.0;
  for (int d = 1; d <= kDays; ++d) {
    DayBlock& day = lesson.day(d);
    day.dayMass = 0.0;
    if (!day.open) continue;
    for (int p = day.candidateBegin; p < day.candidateEnd; ++p) {
      SlotRecord& slot = day.slot(p);
      if (!slot.candidate) {
        slot.score[W] = 0.0;
        continue;
      }
      slot.score[W] = slot.score[W] * fW;
      day.dayMass += slot.score[W];
      if (o > 0) {
        for (int h = 1; h <= 2; ++h) {
          if (slot.feasible[h]) {
            slot.score[h] = slot.score[h] * fH;
            day.dayMass += slot.score[h];
          } else {
            slot.score[h] = 0.0;
          }
        }
      }
    }
  }
}

// --- 2. Day pass: even spread over the week, parallel classes on the same day. ---

void ScoringPasses::dayPass() {
  forEachPendingLesson(records_, [&](int, TDarsImkon& lesson) { dayPassLesson(lesson); });
}

void ScoringPasses::dayPassLesson(TDarsImkon& lesson) {
  const double share =
      lesson.openDays > 0
          ? static_cast<double>(lesson.pending + lesson.placedOnOpenDays) / lesson.openDays
          : 0.0;
  for (int d = 1; d <= kDays; ++d) {
    DayBlock& day = lesson.day(d);
    if (!day.open || !(day.dayMass > 0)) continue;
    const double m = dayFactor(lesson, d, share);
    for (int p = day.candidateBegin; p < day.candidateEnd; ++p) {
      SlotRecord& slot = day.slot(p);
      if (lesson.wholeHalfUnits > 0) slot.score[W] = slot.score[W] * m;
      if (lesson.oddHalfUnit > 0) {
        slot.score[kHalf1Block] = slot.score[kHalf1Block] * m;
        slot.score[kHalf2Block] = slot.score[kHalf2Block] * m;
      }
    }
  }
  addClassDemand(lesson);
}

double ScoringPasses::dayFactor(const TDarsImkon& lesson, int d, double share) const {
  const DayBlock& day = lesson.day(d);
  double x = share - day.placedThatDay;
  if (x < 0) x = 0.0;
  // k: the whole periods still allowed on the day, x / 2 rounded up.
  const double halfX = x / 2.0;
  double k = std::trunc(halfX);
  if (k < halfX) k += 1.0;
  double m = k < day.dayMass ? k : 1.0;
  if (m == 1.0) {
    const TUqituvchi& teacher1 = image_.teachers[lesson.teacher1];
    if (teacher1.parallelFlag && day.placedThatDay == 0 &&
        records_.parallel.get(d, lesson.key1) > 0)
      m = 1.0 / day.dayMass;
    if (lesson.twoGroups) {
      const TUqituvchi& teacher2 = image_.teachers[lesson.teacher2];
      if (teacher2.parallelFlag && day.placedThatDay == 0 &&
          records_.parallel.get(d, lesson.key2) > 0)
        m = 1.0 / day.dayMass;
    }
  } else {
    m = m / day.dayMass;
  }
  // A day mass so small that the factor overflows leaves the day as it is.
  if (!std::isfinite(m)) m = 1.0;
  return m;
}

void ScoringPasses::addClassDemand(TDarsImkon& lesson) {
  TSinfTalab& schoolClass = records_.classes[lesson.classIndex];
  const bool doubles = lesson.placesDoubles();
  for (int d = 1; d <= kDays; ++d) {
    const DayBlock& day = lesson.day(d);
    if (!day.open) continue;
    const int last = records_.lastPeriod(d);
    for (int p = day.candidateBegin; p < day.candidateEnd; ++p) {
      const SlotRecord& slot = day.slot(p);
      if (!slot.candidate) continue;
      double* demand = schoolClass.demandAt(d, p);
      if (lesson.wholeHalfUnits > 0) {
        demand[W] += slot.score[W];
        if (doubles && p < last) schoolClass.demandAt(d, p + 1)[W] += slot.score[W];
      }
      if (lesson.oddHalfUnit > 0) {
        demand[kHalf1Block] += slot.score[kHalf1Block];
        demand[kHalf2Block] += slot.score[kHalf2Block];
      }
    }
  }
}

// --- 3. Class pass: pupils' days filled from the first period, without gaps. ---

void ScoringPasses::classPass() {
  forEachPendingLesson(records_, [&](int, TDarsImkon& lesson) { classPassLesson(lesson); });
}

void ScoringPasses::classPassLesson(TDarsImkon& lesson) {
  const int x = lesson.classIndex;
  TSinfTalab& schoolClass = records_.classes[x];
  const int solid = schoolClass.solidPeriods;
  const bool doubles = lesson.placesDoubles();
  const bool whole = lesson.wholeHalfUnits > 0;
  const bool odd = lesson.oddHalfUnit > 0;

  // Demand on the whole slot at p, taken as the larger of the two halves plus the whole.
  auto slotDemand = [&](int d, int p) {
    const double* demand = schoolClass.demandAt(d, p);
    return std::max(demand[kHalf1Block], demand[kHalf2Block]) + demand[W];
  };

  for (int d = 1; d <= kDays; ++d) {
    DayBlock& day = lesson.day(d);
    if (!day.open) continue;
    const int from = std::max<int>(schoolClass.earliestCandidatePeriod, day.candidateBegin);
    for (int p = from; p < day.candidateEnd; ++p) {
      SlotRecord& slot = day.slot(p);
      if (!slot.candidate) continue;
      const double* demand = schoolClass.demandAt(d, p);
      double& sW = slot.score[W];

      if (p <= solid) {
        // Early region: periods the class must fill on every day.
        if (whole && sW > 0) {
          double k = slotDemand(d, p);
          if (doubles && p < kPeriods) k = std::max(k, slotDemand(d, p + 1));
          sW = sW / k;
        }
        if (odd) {
          for (int h = 1; h <= 2; ++h) {
            const int other = 3 - h;
            double& sH = slot.score[h];
            const double dem = demand[W] + demand[h];
            if (dem > 0) sH = sH / dem;
            // What the class wants of the other half, less this lesson's own score there: a
            // half lesson is dropped when nothing else wants the other half and made certain
            // when the other half is already taken.
            double v = demand[other] - slot.score[other];
            if (index_.classAt(x, d, p, other) != 0) v = 1.0;
            if (slot.feasible[h] && (v == 0.0 || v == 1.0)) sH = v;
          }
        }
      } else {
        // Late region: a period is used only as far as the period before it is used. Period 1
        // has no period before it and is not capped.
        if (whole && sW > 0) {
          double k = slotDemand(d, p);
          if (doubles && p < kPeriods) k = std::max(k, slotDemand(d, p + 1));
          double cap = 1.0;
          if (p > 1) {
            cap = slotDemand(d, p - 1);
            if (cap > 1) cap = 1.0;
            if (cap == 0.0 &&
                (index_.classAt(x, d, p - 1, 1) != 0 || index_.classAt(x, d, p - 1, 2) != 0))
              cap = 1.0;
          }
          if (cap < k || k > 1) sW = sW * cap / k;
        }
        if (odd) {
          for (int h = 1; h <= 2; ++h) {
            double& sH = slot.score[h];
            if (!(sH > 0)) continue;
            const double k = demand[W] + demand[h];
            double cap = 1.0;
            if (p > 1) {
              const double* before = schoolClass.demandAt(d, p - 1);
              cap = before[W] + before[h];
              if (cap > 1) cap = 1.0;
              if (cap == 0.0 && index_.classAt(x, d, p - 1, h) != 0) cap = 1.0;
            }
            if (cap < k || k > 1) sH = sH * cap / k;
          }
        }
      }
    }
  }
  addTeacherDemand(lesson);
}

void ScoringPasses::addTeacherDemand(TDarsImkon& lesson) {
  const bool doubles = lesson.placesDoubles();
  const int teachers[2] = {lesson.teacher1, lesson.teacher2};
  const int teacherCount = lesson.twoGroups ? 2 : 1;
  for (int i = 0; i < teacherCount; ++i) {
    TUqituvchiTalab& teacher = records_.teachers[teachers[i]];
    for (int d = 1; d <= kDays; ++d) {
      const DayBlock& day = lesson.day(d);
      if (!day.open) continue;
      double& dayDemand = teacher.day(d).dayDemand;
      const int last = records_.lastPeriod(d);
      for (int p = day.candidateBegin; p < day.candidateEnd; ++p) {
        const SlotRecord& slot = day.slot(p);
        if (!slot.candidate) continue;
        double* demand = teacher.demandAt(d, p);
        if (lesson.wholeHalfUnits > 0) {
          demand[W] += slot.score[W];
          dayDemand += slot.score[W];
          if (doubles && p < last) {
            teacher.demandAt(d, p + 1)[W] += slot.score[W];
            dayDemand += slot.score[W];
          }
        }
        if (lesson.oddHalfUnit > 0) {
          for (int h = 1; h <= 2; ++h) {
            if (!slot.feasible[h]) continue;
            demand[h] += slot.score[h];
            dayDemand += slot.score[h];
          }
        }
      }
    }
  }
}

// --- 4. Teacher pass: teacher load per day and teacher gaps. ---

void ScoringPasses::teacherPass() {
  forEachPendingLesson(records_, [&](int l, TDarsImkon& lesson) { teacherPassLesson(l, lesson); });
}

void ScoringPasses::teacherPassLesson(int lessonSlot, TDarsImkon& lesson) {
  const int t1 = lesson.teacher1;
  const int t2 = lesson.teacher2;
  const bool two = lesson.twoGroups != 0;

  if (options_.teacherGaps) {
    const int teachers[2] = {t1, t2};
    for (int i = 0; i < (two ? 2 : 1); ++i) {
      const int t = teachers[i];
      if (!image_.teachers[t].gapsFlag) continue;
      for (int d = 1; d <= kDays; ++d)
        if (lesson.day(d).open && windowIteration_[t][d - 1] != iteration_)
          computeTeacherWindow(t, d);
    }
  }

  TUqituvchiTalab& teacher1 = records_.teachers[t1];
  TUqituvchiTalab& teacher2 = records_.teachers[t2];
  const bool doubles = lesson.placesDoubles();
  // Demand on a teacher's whole slot: the whole plus the larger half.
  auto slotDemand = [](TUqituvchiTalab& teacher, int d, int p) {
    const double* demand = teacher.demandAt(d, p);
    return demand[W] + std::max(demand[kHalf1Block], demand[kHalf2Block]);
  };

  for (int d = 1; d <= kDays; ++d) {
    DayBlock& day = lesson.day(d);
    if (!day.open) continue;
    double r = dayCap(t1, d);
    if (two) r = std::min(r, dayCap(t2, d));
    for (int p = day.candidateBegin; p < day.candidateEnd; ++p) {
      SlotRecord& slot = day.slot(p);
      if (!slot.candidate) continue;
      double g = 0.0;
      if (options_.teacherGaps) {
        g = teacher1.gapPenalty[d - 1][p - 1];
        if (two) g = std::max(g, teacher2.gapPenalty[d - 1][p - 1]);
      }
      double& sW = slot.score[W];
      if (lesson.wholeHalfUnits > 0 && sW > 0) {
        double dem = slotDemand(teacher1, d, p);
        if (doubles && p < kPeriods) dem = std::max(dem, slotDemand(teacher1, d, p + 1));
        if (two) {
          double dem2 = slotDemand(teacher2, d, p);
          if (doubles && p < kPeriods) dem2 = std::max(dem2, slotDemand(teacher2, d, p + 1));
          dem = std::max(dem, dem2);
        }
        if (dem > 1 || g > 0) sW = sW / (dem + g);
        if (r < 1) sW = sW * r;
      }
      if (lesson.oddHalfUnit > 0) {
        for (int h = 1; h <= 2; ++h) {
          double& sH = slot.score[h];
          double dem = teacher1.demandAt(d, p)[W] + teacher1.demandAt(d, p)[h];
          if (two) dem = std::max(dem, teacher2.demandAt(d, p)[W] + teacher2.demandAt(d, p)[h]);
          if ((dem > 1 || g > 0) && sH > 0) sH = sH / (dem + g);
          if (r < 1 && sH > 0) sH = sH * r;
        }
      }
    }
  }
  if (options_.considerRooms) addRoomDemand(lessonSlot, lesson);
}

void ScoringPasses::computeTeacherWindow(int t, int d) {
  windowIteration_[t][d - 1] = iteration_;
  TUqituvchiTalab& teacher = records_.teachers[t];
  TeacherDay& day = teacher.day(d);
  day.windowStart = 0;
  day.windowEnd = 0;
  std::fill(std::begin(teacher.gapPenalty[d - 1]), std::end(teacher.gapPenalty[d - 1]), 0.0);

  const int last = records_.lastPeriod(d);
  // The number of lessons the teacher is expected to give that day, halves rounded to even.
  double expected = std::nearbyint(day.placedThatDay / 2.0 + day.dayDemand);
  if (!(expected > 1)) return;
  if (expected > last) expected = last;
  const int n = static_cast<int>(expected);

  auto value = [&](int p) {
    const double* demand = teacher.demandAt(d, p);
    double v = demand[W] + std::max(demand[kHalf1Block], demand[kHalf2Block]);
    if (occupiedEitherHalf(t, d, p)) v += 2.0;
    return v;
  };
  auto windowSum = [&](int start) {
    double sum = 0.0;
    for (int p = start; p < start + n; ++p) sum += value(p);
    return sum;
  };
  // The latest window comes first and wins among equal sums.
  int start = last - n + 1;
  double best = windowSum(start);
  for (int s = last - n; s >= 1; --s) {
    const double sum = windowSum(s);
    if (sum > best) {
      best = sum;
      start = s;
    }
  }
  const int end = start + n - 1;
  day.windowStart = static_cast<std::uint8_t>(start);
  day.windowEnd = static_cast<std::uint8_t>(end);
  for (int p = 1; p <= last; ++p) {
    double penalty = 0.0;
    if (p < start)
      penalty = kGapPenaltyPerPeriod * (start - p);
    else if (p > end)
      penalty = kGapPenaltyPerPeriod * (p - end);
    teacher.gapPenalty[d - 1][p - 1] = penalty;
  }
}

double ScoringPasses::dayCap(int t, int d) const {
  const int maximum = image_.teachers[t].dailyMaximum;
  // Teachers created in bulk have a maximum of 0: they have no daily cap.
  if (maximum == 0) return 1.0;
  const TeacherDay& day = records_.teachers[t].days[d - 1];
  double r = 1.0;
  if (2 * maximum < day.placedThatDay + day.dayDemand) {
    r = day.dayDemand > 0 ? (2 * maximum - day.placedThatDay) / day.dayDemand : 0.0;
    if (r < 0) r = 0.0;
  }
  if (!std::isfinite(r)) r = 1.0;
  return r;
}

void ScoringPasses::addRoomDemand(int lessonSlot, TDarsImkon& lesson) {
  const bool doubles = lesson.placesDoubles();
  const int lists = lesson.twoGroups ? 2 : 1;
  for (int d = 1; d <= kDays; ++d) {
    DayBlock& day = lesson.day(d);
    if (!day.open) continue;
    for (int p = day.candidateBegin; p < day.candidateEnd; ++p) {
      SlotRecord& slot = day.slot(p);
      if (!slot.candidate || slot.roomScored == 0) continue;
      for (int l = 1; l <= lists; ++l) {
        const RoomList& rooms = l == 1 ? lesson.rooms1 : lesson.rooms2;
        if (rooms.count == 0) continue;
        const RoomShareTable::SlotShares shares = records_.roomShares.slot(lessonSlot, l, d, p);
        const RoomShares whole = shares.block(W);
        const RoomShares halves[3] = {whole, shares.block(kHalf1Block), shares.block(kHalf2Block)};
        if (lesson.wholeHalfUnits > 0 && (slot.roomScored & (1 << W))) {
          const double e =
              whole.freeTotal() + std::max(halves[1].freeTotal(), halves[2].freeTotal());
          if (e > 0) {
            const double q = slot.score[W] / e;
            for (int i = 0; i < rooms.count; ++i) {
              TXonaTalab& room = records_.rooms[rooms.rooms[i]];
              const double share = whole.score(i) * q;
              whole.score(i) = share;
              room.demandAt(d, p)[W] += share;
              // A double period asks for the same room at the next period too. The room
              // scores of the next period belong to the double starting there and are scaled
              // by that slot alone: scaling them here as well would shrink them twice in every
              // iteration, until a pair lesson with rooms could never win a slot.
              if (doubles && p < kPeriods) room.demandAt(d, p + 1)[W] += share;
            }
          }
        }
        if (lesson.oddHalfUnit > 0) {
          for (int h = 1; h <= 2; ++h) {
            if (!(slot.roomScored & (1 << h))) continue;
            const double e = halves[h].freeTotal() + whole.freeTotal();
            if (!(e > 0)) continue;
            const double q = slot.score[h] / e;
            for (int i = 0; i < rooms.count; ++i) {
              const double share = halves[h].score(i) * q;
              halves[h].score(i) = share;
              records_.rooms[rooms.rooms[i]].demandAt(d, p)[h] += share;
            }
          }
        }
      }
      // A score of 0 has just scaled the block's room scores to 0 in every list (a list whose
      // free total was 0 held only zeros already); they stay 0 for the rest of the run.
      if (lesson.wholeHalfUnits > 0 && slot.score[W] == 0.0)
        slot.roomScored &= static_cast<std::uint8_t>(~(1 << W));
      if (lesson.oddHalfUnit > 0)
        for (int h = 1; h <= 2; ++h)
          if (slot.score[h] == 0.0) slot.roomScored &= static_cast<std::uint8_t>(~(1 << h));
    }
  }
}

// --- 5. Room pass: no room asked for more than once. ---

void ScoringPasses::roomPass() {
  forEachPendingLesson(records_, [&](int l, TDarsImkon& lesson) { roomPassLesson(l, lesson); });
}

void ScoringPasses::roomPassLesson(int lessonSlot, TDarsImkon& lesson) {
  const bool doubles = lesson.placesDoubles();
  const int lists = lesson.twoGroups ? 2 : 1;
  RoomShareTable& table = records_.roomShares;
  // What a list can still give the whole slot: the smaller half plus the whole.
  auto wholeCapacity = [](const RoomShareTable::SlotShares& shares) {
    return std::min(shares.block(kHalf1Block).freeTotal(), shares.block(kHalf2Block).freeTotal()) +
           shares.block(W).freeTotal();
  };
  for (int d = 1; d <= kDays; ++d) {
    DayBlock& day = lesson.day(d);
    if (!day.open) continue;
    const int last = records_.lastPeriod(d);
    for (int p = 1; p <= last; ++p) {
      SlotRecord& slot = day.slot(p);
      // Totals already 0 and scores all 0: recomputing would give 0 again.
      if ((slot.roomScored | slot.roomTotalsSet) == 0) continue;
      const RoomShareTable::SlotShares here[2] = {
          table.slot(lessonSlot, 1, d, p),
          lists == 2 ? table.slot(lessonSlot, 2, d, p) : table.slot(lessonSlot, 1, d, p)};
      recomputeFreeRooms(lesson.rooms1, here[0], slot.roomScored, d, p);
      if (lists == 2) recomputeFreeRooms(lesson.rooms2, here[1], slot.roomScored, d, p);
      slot.roomTotalsSet = slot.roomScored;
      if (!(slot.candidate && lesson.wholeHalfUnits > 0 && slot.score[W] > 0)) continue;

      double c1 = wholeCapacity(here[0]);
      if (doubles && p < kPeriods)
        c1 = std::min(c1, wholeCapacity(table.slot(lessonSlot, 1, d, p + 1)));
      double c2 = 0.0;
      if (lesson.twoGroups) {
        c2 = wholeCapacity(here[1]);
        if (doubles && p < kPeriods)
          c2 = std::min(c2, wholeCapacity(table.slot(lessonSlot, 2, d, p + 1)));
      }
      slot.score[W] = fromRoomCapacity(lesson, c1, c2, slot.score[W]);

      if (lesson.oddHalfUnit > 0) {
        for (int h = 1; h <= 2; ++h) {
          const double b1 = here[0].block(W).freeTotal() + here[0].block(h).freeTotal();
          double b2 = 0.0;
          if (lesson.twoGroups) b2 = here[1].block(W).freeTotal() + here[1].block(h).freeTotal();
          slot.score[h] = fromRoomCapacity(lesson, b1, b2, slot.score[h]);
        }
      }
    }
  }
}

void ScoringPasses::recomputeFreeRooms(const RoomList& rooms,
                                       const RoomShareTable::SlotShares& shares,
                                       std::uint8_t scored, int d, int p) {
  for (int b = 0; b < 3; ++b) {
    const RoomShares block = shares.block(b);
    double total = 0.0;
    // A block whose room scores are all 0 has a total of 0.
    if (scored & (1 << b)) {
      for (int i = 0; i < rooms.count; ++i) {
        const double* demand = records_.rooms[rooms.rooms[i]].demand[d - 1][p - 1];
        const double r = b == W ? std::max(demand[kHalf1Block], demand[kHalf2Block]) + demand[W]
                                : demand[W] + demand[b];
        if (r > 1) block.score(i) = block.score(i) / r;
        total += block.score(i);
      }
    }
    if (b < shares.blocks) block.freeTotal() = total;
  }
}

// --- 6. Totals: masses for the next iteration; demands start again from 0. ---

void ScoringPasses::totals() {
  clearSlotDemands();
  forEachPendingLesson(records_, [&](int, TDarsImkon& lesson) { totalsLesson(lesson); });
}

void ScoringPasses::clearSlotDemands() {
  for (int c = 1; c <= records_.classCount; ++c)
    std::memset(records_.classes[c].demand, 0, sizeof(records_.classes[c].demand));
  for (int t = 1; t <= records_.teacherCount; ++t)
    std::memset(records_.teachers[t].demand, 0, sizeof(records_.teachers[t].demand));
  for (int r = 1; r <= records_.roomCount; ++r)
    std::memset(records_.rooms[r].demand, 0, sizeof(records_.rooms[r].demand));
}

void ScoringPasses::totalsLesson(TDarsImkon& lesson) {
  lesson.wholeMass = 0.0;
  lesson.halfMass = 0.0;
  for (int d = 1; d <= kDays; ++d) {
    DayBlock& day = lesson.day(d);
    day.dayMass = 0.0;
    for (int p = day.candidateBegin; p < day.candidateEnd; ++p) {
      const SlotRecord& slot = day.slot(p);
      day.dayMass += slot.score[W] + slot.score[kHalf1Block] + slot.score[kHalf2Block];
      if (day.open) {
        lesson.wholeMass += slot.score[W];
        lesson.halfMass += slot.score[kHalf1Block] + slot.score[kHalf2Block];
      }
    }
  }
}

}  // namespace jadvalon
