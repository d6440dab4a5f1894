// The generator's working records: one per lesson, class, teacher and room, the room shares of
// every candidate, the parallel counters and the last candidate period of each day. They are
// sized when a run is prepared and reused by every step, so a step allocates nothing.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "model/image.h"

namespace jadvalon {

inline constexpr int kMaxRoomsPerList = 10;

// The three kind blocks of a slot record.
enum Block : int {
  kWholeBlock = 0,  // kind 3, or kind 4 (a double period) for a pair lesson
  kHalf1Block = 1,  // kind 1: the week-1 half
  kHalf2Block = 2,  // kind 2: the week-2 half
};

// Placement kinds as the engine sees them; kind 4 is stored as two kind-3 placements.
inline constexpr int kKindHalf1 = 1;
inline constexpr int kKindHalf2 = 2;
inline constexpr int kKindWhole = 3;
inline constexpr int kKindDouble = 4;

// One slot (day, period) of a lesson: whether any kind it still needs is feasible there, and
// the score of each kind block. The scores sit together so that the passes run over dense data;
// the room shares of the blocks are kept apart in RoomShareTable.
struct SlotRecord {
  double score[3];           // whole, half 1, half 2
  std::uint8_t feasible[3];  // read for the two half blocks
  std::uint8_t candidate;
  // Bit b is set while block b may have non-zero room scores. Room scores are only ever scaled
  // after the preparation, so a block whose scores were never set or were once scaled by 0
  // keeps 0 in all of them, and the room passes need not visit it.
  std::uint8_t roomScored;
  // Bit b is set while the free-room totals of block b may be non-zero.
  std::uint8_t roomTotalsSet;
};

struct DayBlock {
  std::uint8_t open;           // the day has a candidate
  std::uint8_t placedThatDay;  // half-units of the lesson already placed on this day
  // The candidate slots lie in periods candidateBegin .. candidateEnd - 1 (both 0 when there
  // are none). Outside them every score is 0, so the passes need not look there.
  std::uint8_t candidateBegin;
  std::uint8_t candidateEnd;
  double dayMass;  // sum of all the lesson's scores of this day
  SlotRecord slots[kPeriods];

  SlotRecord& slot(int period) { return slots[period - 1]; }
  const SlotRecord& slot(int period) const { return slots[period - 1]; }
};

// Room indices of one candidate list of a lesson, in list order.
struct RoomList {
  std::uint8_t count;
  std::uint8_t rooms[kMaxRoomsPerList];
};

// TDarsImkon — the engine's record of one lesson: its candidates and their scores.
struct TDarsImkon {
  std::int32_t key1;  // parallel key of group 1; 0 = none (class without a grade)
  std::int32_t key2;  // parallel key of group 2, only for a two-group lesson
  std::uint8_t twoGroups;
  std::uint8_t pairFlag;
  std::uint8_t weeklyLoad;
  std::uint8_t classIndex;
  std::uint16_t teacher1;
  std::uint16_t teacher2;
  std::uint16_t subject1;  // kept for the feasibility test
  std::uint16_t subject2;
  RoomList rooms1;
  RoomList rooms2;
  std::uint8_t pending;
  std::uint8_t wholeHalfUnits;  // pending - pending mod 2
  std::uint8_t oddHalfUnit;     // pending mod 2
  double wholeMass;             // sum of the whole-block scores
  double halfMass;              // sum of the half-block scores
  std::uint8_t openDays;
  std::uint8_t placedOnOpenDays;
  DayBlock days[kDays];

  DayBlock& day(int d) { return days[d - 1]; }
  const DayBlock& day(int d) const { return days[d - 1]; }
  SlotRecord& slot(int d, int p) { return days[d - 1].slots[p - 1]; }
  const SlotRecord& slot(int d, int p) const { return days[d - 1].slots[p - 1]; }

  // A pair lesson places its whole half-units as double periods while at least two whole
  // periods are left; with one whole period left it gets single periods, so that a double
  // never takes more than is pending.
  bool placesDoubles() const { return pairFlag != 0 && wholeHalfUnits >= 4; }
  int wholeKind() const { return placesDoubles() ? kKindDouble : kKindWhole; }
};

// TSinfTalab — the engine's record of one class.
struct TSinfTalab {
  std::uint16_t pending;                 // sum of the pending half-units of the class's lessons
  std::uint8_t earliestCandidatePeriod;  // 14 in the blank record
  std::uint8_t solidPeriods;             // J: leading periods the pending load fills every day
  std::uint8_t halfMarks[kDays][kPeriods][2];
  std::uint8_t periodCounts[kPeriods];  // marked (day, half) pairs per period
  double demand[kDays][kPeriods][3];    // whole slot, half 1, half 2

  double* demandAt(int d, int p) { return demand[d - 1][p - 1]; }
};

struct TeacherDay {
  std::uint8_t placedThatDay;  // half-units of the teacher's placed lessons on the day
  double dayDemand;
  std::uint8_t windowStart;
  std::uint8_t windowEnd;
};

// TUqituvchiTalab — the engine's record of one teacher.
struct TUqituvchiTalab {
  TeacherDay days[kDays];
  double gapPenalty[kDays][kPeriods];
  double demand[kDays][kPeriods][3];  // whole slot, half 1, half 2

  TeacherDay& day(int d) { return days[d - 1]; }
  double* demandAt(int d, int p) { return demand[d - 1][p - 1]; }
};

// TXonaTalab — the engine's record of one room.
struct TXonaTalab {
  double demand[kDays][kPeriods][3];  // whole slot, half 1, half 2

  double* demandAt(int d, int p) { return demand[d - 1][p - 1]; }
};

// The room shares of one kind block and one room list: the free-room total and the room score of
// each position of the list.
struct RoomShares {
  double* data;
  int count;

  double& freeTotal() const { return data[0]; }
  double& score(int position) const { return data[1 + position]; }
};

// Room shares of every lesson, list, slot and kind block, packed for the lists' real lengths.
// Only lessons with an odd half-unit at the preparation keep half blocks, and only non-empty
// lists keep any: all other room scores are 0 for the whole run, and the missing blocks read as
// a block of zeros. Keeping the table small keeps the room passes in the cache.
class RoomShareTable {
 public:
  // Lays the table out for lessons 1..lessonCount with their list lengths and zeroes it.
  void layOut(const std::vector<TDarsImkon>& lessons, int lessonCount);
  void clear();

  // The blocks of one slot and list lie one after the other, each 1 + count values long.
  struct SlotShares {
    double* data;
    int count;
    int blocks;     // blocks kept: 0, 1 (whole only) or 3
    double* zeros;  // stands in for the blocks that are not kept; never written but with 0

    RoomShares block(int b) const { return {b < blocks ? data + b * (1 + count) : zeros, count}; }
  };
  SlotShares slot(int lesson, int list, int d, int p) {
    const Layout& layout = layouts_[lesson][list - 1];
    const std::size_t slotIndex = static_cast<std::size_t>((d - 1) * kPeriods + (p - 1));
    return {values_.data() + layout.offset + slotIndex * layout.blocks * (1 + layout.count),
            layout.count, layout.blocks, zeros_.data()};
  }
  RoomShares at(int lesson, int list, int d, int p, int block) {
    return slot(lesson, list, d, p).block(block);
  }

 private:
  struct Layout {
    std::size_t offset;
    int count;
    int blocks;
  };
  std::vector<std::array<Layout, 2>> layouts_;
  std::vector<double> values_;
  std::array<double, 1 + kMaxRoomsPerList> zeros_{};
};

// Half-units placed per day by the lessons of each parallel key.
class ParallelCounters {
 public:
  void resize(int keyCount);
  void clear();
  std::uint8_t get(int day, int key) const {
    return key > 0 ? counts_[static_cast<std::size_t>(day - 1) * stride_ + key] : 0;
  }
  void add(int day, int key, int units);

 private:
  std::size_t stride_ = 1;
  std::vector<std::uint8_t> counts_;
};

struct WorkingRecords {
  int lessonCount = 0;
  int classCount = 0;
  int teacherCount = 0;
  int roomCount = 0;
  std::vector<TDarsImkon> lessons;  // 0..lessonCount; 0 stays blank
  std::vector<TSinfTalab> classes;
  std::vector<TUqituvchiTalab> teachers;
  std::vector<TXonaTalab> rooms;
  RoomShareTable roomShares;
  ParallelCounters parallel;
  // Highest period of each day at which any lesson had a candidate at any preparation; only
  // ever raised. Selection, refresh and the passes visit periods 1..lastCandidatePeriod[d].
  std::uint8_t lastCandidatePeriod[kDays] = {};

  int lastPeriod(int d) const { return lastCandidatePeriod[d - 1]; }
};

}  // namespace jadvalon
