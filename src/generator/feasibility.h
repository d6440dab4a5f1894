// Whether a lesson may be placed at (day, period) with a given kind right now: availability of
// the lesson, its class, teachers, subjects and rooms, method days, and free halves.
#pragma once

#include "generator/working_records.h"
#include "model/image.h"
#include "model/occupancy_index.h"

namespace jadvalon {

class Feasibility {
 public:
  Feasibility(const TLoyiha& image, const OccupancyIndex& index) : image_(image), index_(index) {}

  void setConsiderRooms(bool considerRooms) { considerRooms_ = considerRooms; }

  // Kind 1, 2 or 3 at (d, p); kind 4 needs (d, p) and (d, p + 1), so p <= 13.
  bool feasible(const TDarsImkon& lesson, int lessonSlot, int d, int p, int kind) const;
  // The room has non-zero cells and free halves for the kind at (d, p).
  bool roomFree(int roomIndex, int d, int p, int kind) const;

 private:
  bool teacherFits(int teacherIndex, int d, int p, int kind) const;
  bool listHasFreeRoom(const RoomList& list, int d, int p, int kind) const;

  const TLoyiha& image_;
  const OccupancyIndex& index_;
  bool considerRooms_ = true;
};

// The periods and halves a kind occupies at (d, p).
struct KindSpan {
  int lastPeriodOffset;  // 0, or 1 for a double period
  int firstHalf;
  int lastHalf;
};

inline KindSpan spanOf(int kind) {
  switch (kind) {
    case kKindHalf1:
      return {0, 1, 1};
    case kKindHalf2:
      return {0, 2, 2};
    case kKindDouble:
      return {1, 1, 2};
    default:
      return {0, 1, 2};
  }
}

}  // namespace jadvalon
