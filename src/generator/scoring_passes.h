// The scoring iteration: a chain of proportional adjustments of every candidate's score, one pass
// per resource. Each lesson's scores are scaled to what it still needs, spread over the days, and
// cut wherever its class, teachers or rooms are asked for more than they can give.
#pragma once

#include <vector>

#include "generator/generator_options.h"
#include "generator/working_records.h"
#include "model/image.h"
#include "model/occupancy_index.h"

namespace jadvalon {

class ScoringPasses {
 public:
  ScoringPasses(const TLoyiha& image, const OccupancyIndex& index, WorkingRecords& records)
      : image_(image), index_(index), records_(records) {}

  // Sizes the per-teacher bookkeeping for a run; called by the preparation.
  void prepare(const GeneratorOptions& options);

  // One scoring iteration: every pass in order.
  void iterate();

  // The passes, public so that each can be examined on its own.
  void clearDemands();
  void massPass();
  void dayPass();
  void classPass();
  void teacherPass();
  void roomPass();
  void totals();

 private:
  // Class, teacher and room demands of every slot back to 0 (the totals do it for the next
  // iteration).
  void clearSlotDemands();

  void massPassLesson(TDarsImkon& lesson);
  void dayPassLesson(TDarsImkon& lesson);
  double dayFactor(const TDarsImkon& lesson, int d, double share) const;
  void addClassDemand(TDarsImkon& lesson);
  void classPassLesson(TDarsImkon& lesson);
  void addTeacherDemand(TDarsImkon& lesson);
  void teacherPassLesson(int lessonSlot, TDarsImkon& lesson);
  void computeTeacherWindow(int teacher, int d);
  double dayCap(int teacher, int d) const;
  void addRoomDemand(int lessonSlot, TDarsImkon& lesson);
  void roomPassLesson(int lessonSlot, TDarsImkon& lesson);
  void recomputeFreeRooms(const RoomList& rooms, const RoomShareTable::SlotShares& shares,
                          std::uint8_t scored, int d, int p);
  void totalsLesson(TDarsImkon& lesson);

  bool occupiedEitherHalf(int teacher, int d, int p) const {
    return index_.teacherAt(teacher, d, p, 1) != 0 || index_.teacherAt(teacher, d, p, 2) != 0;
  }

  const TLoyiha& image_;
  const OccupancyIndex& index_;
  WorkingRecords& records_;
  GeneratorOptions options_;
  // The teacher demands do not change during the teacher pass, so a teacher's window of a day
  // is computed once per iteration: the iteration in which each (teacher, day) was computed.
  std::vector<std::array<int, kDays>> windowIteration_;
  int iteration_ = 0;
};

}  // namespace jadvalon
