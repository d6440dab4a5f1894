// Which placements stand at each day and period of every class, teacher and room, as the reports
// read them. Unlike the occupancy index, nothing is overwritten: two lessons put into the same
// half (a clash) are both kept, so a printed timetable shows the clash instead of hiding one.
#pragma once

#include <map>
#include <vector>

#include "model/id_maps.h"
#include "model/image.h"

namespace jadvalon {

enum class SlotOwner { Class, Teacher, Room };

class TimetableSlots {
 public:
  TimetableSlots(const TLoyiha& image, const IdMaps& ids);

  // Placement numbers at (day, period) of the entity in that table slot: those in the week-1
  // half first, then those only in the week-2 half, each group in list order. Empty when free.
  const std::vector<int>& at(SlotOwner owner, int slot, int day, int period) const;
  bool occupied(SlotOwner owner, int slot, int day, int period) const {
    return !at(owner, slot, day, period).empty();
  }
  // Rows a report writes: the highest period at which some class may have lessons, or the
  // highest period holding a placement when one lies beyond it (a lesson must never be dropped
  // from a printed timetable).
  int periodRows() const { return periodRows_; }

 private:
  struct Key {
    SlotOwner owner;
    int slot;
    int day;
    int period;
    auto operator<=>(const Key&) const = default;
  };
  void add(SlotOwner owner, int slot, int day, int period, int placement);

  std::map<Key, std::vector<int>> slots_;
  int periodRows_ = 0;
};

}  // namespace jadvalon
