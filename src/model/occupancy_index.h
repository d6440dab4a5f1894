// The occupancy index: who holds each half of every slot of a class, teacher or room, how many
// half-units of each lesson, class and teacher still wait to be placed, and the periods per day.
#pragma once

#include <cstdint>
#include <vector>

#include "model/id_maps.h"
#include "model/image.h"

namespace jadvalon {

// TBandlik — the occupancy of one class or one teacher.
struct TBandlik {
  std::uint8_t pending;  // weekly half-units of the entity's lessons not yet placed
  std::uint8_t total;    // weekly half-units of the entity's lessons
  // Per day and period: placement number in half 1, a spare word, in half 2, a spare word.
  // 0 means the half is free.
  std::uint16_t cells[kDays][kPeriods][4];
};

// TXonaBandlik — the occupancy of one room: placement numbers in half 1 and half 2.
struct TXonaBandlik {
  std::uint16_t cells[kDays][kPeriods][2];
};

class OccupancyIndex {
 public:
  OccupancyIndex();

  // Highest period of day d (1..6) at which some class may have lessons; day 7 holds the
  // highest of the six. All 0 until the first recompute.
  void recomputePeriodsPerDay(const TLoyiha& image);
  int periodsPerDay(int day) const { return day >= 1 && day <= 7 ? periodsPerDay_[day - 1] : 0; }

  // Recomputes every table and pending count from the lessons and the placement list.
  void rebuild(const TLoyiha& image, const IdMaps& ids);
  // Enters placement n and subtracts its half-units from the pending counts, as rebuild does
  // for each placement. A later placement in an occupied half overwrites it: clashes are the
  // business of the board and the checks, not of the index.
  void indexPlacement(const TLoyiha& image, const IdMaps& ids, int n);

  // Placement number in half h (1 or 2) at (day, period); 0 when free or out of range.
  int classAt(int classSlot, int day, int period, int half) const;
  int teacherAt(int teacherSlot, int day, int period, int half) const;
  int roomAt(int roomSlot, int day, int period, int half) const;
  bool classFree(int classSlot, int day, int period, int half) const {
    return classAt(classSlot, day, period, half) == 0;
  }

  int lessonPending(int lessonSlot) const;
  int classPending(int classSlot) const;
  int teacherPending(int teacherSlot) const;
  int classTotal(int classSlot) const;
  int teacherTotal(int teacherSlot) const;

  const TBandlik& classTable(int classSlot) const { return classes_[validClass(classSlot)]; }
  const TBandlik& teacherTable(int teacherSlot) const {
    return teachers_[validTeacher(teacherSlot)];
  }
  const TXonaBandlik& roomTable(int roomSlot) const { return rooms_[validRoom(roomSlot)]; }

 private:
  static bool validSlot(int day, int period, int half) {
    return day >= 1 && day <= kDays && period >= 1 && period <= kPeriods && half >= 1 && half <= 2;
  }
  // Out-of-range slots read as the blank table 0.
  static int validClass(int s) { return s >= 1 && s <= kMaxClasses ? s : 0; }
  static int validTeacher(int s) { return s >= 1 && s <= kMaxTeacherSlots ? s : 0; }
  static int validRoom(int s) { return s >= 1 && s <= kMaxRooms ? s : 0; }

  std::uint8_t periodsPerDay_[7] = {};
  std::vector<TBandlik> classes_;            // 0..150, 0 the blank template
  std::vector<TBandlik> teachers_;           // 0..400, 0 the blank template
  std::vector<TXonaBandlik> rooms_;          // 0..200
  std::vector<std::uint8_t> lessonPending_;  // 1..5000, index 0 unused
};

}  // namespace jadvalon
