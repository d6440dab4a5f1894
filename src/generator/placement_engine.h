// The placement engine: prepares the working records at the start of a run, and at every step
// brings the candidates up to date, lets the scoring passes refine their scores, selects the best
// candidate and appends it as a placement with its rooms.
#pragma once

#include <functional>
#include <vector>

#include "generator/feasibility.h"
#include "generator/generator_options.h"
#include "generator/scoring_passes.h"
#include "generator/working_records.h"
#include "model/occupancy_index.h"
#include "model/project.h"

namespace jadvalon {

// One candidate: a kind of a lesson at (day, period).
struct Candidate {
  std::uint16_t lesson;
  std::uint8_t day;
  std::uint8_t period;
  std::uint8_t kind;  // 1, 2, 3 or 4
};

class PlacementEngine {
 public:
  // Called after each appended placement has been indexed, with its number; a double period
  // calls it twice.
  using PlacementObserver = std::function<void(int placementNumber)>;

  PlacementEngine(Project& project, OccupancyIndex& index);

  void setPlacementObserver(PlacementObserver observer) { observer_ = std::move(observer); }

  // Builds the working records for the current tables, placements and occupancy index.
  void prepare(const GeneratorOptions& options);
  // One step: refresh when the previous step placed, score, select and place. False when
  // nothing could be placed; the run is then over.
  bool step();

  bool feasible(int lessonSlot, int d, int p, int kind) const;
  void place(const Candidate& candidate);

  // Brings the candidates up to date with the placements made since the last step.
  void refresh();
  // The best candidate of the current scores; false when no score is above 0.
  bool select(Candidate& chosen);

  // Half-units of the last placement made by step(): 1, 2 or 4.
  int lastPlacedHalfUnits() const { return lastPlacedHalfUnits_; }
  bool lastStepPlaced() const { return lastStepPlaced_; }

  WorkingRecords& records() { return records_; }
  const WorkingRecords& records() const { return records_; }
  ScoringPasses& passes() { return passes_; }
  const GeneratorOptions& options() const { return options_; }

 private:
  void fillLessonRecord(int lessonSlot, int maxGrade);
  void findCandidates(int lessonSlot);
  void markRooms(int lessonSlot, int d, int p, int kind, int block);
  void markHalf(TSinfTalab& schoolClass, int d, int p, int half);
  void computeSolidPeriods();
  void countExistingPlacements();
  bool withinTeacherDailyMaximum(const TDarsImkon& lesson, int d, int halfUnits) const;
  // Position of the room chosen from a list, or -1 when none qualifies. `excluded` is a room
  // already given to the other group of the same placement.
  int chooseRoom(int lessonSlot, int list, int d, int p, int kind, int testPeriod, int testKind,
                 int excludedRoom, double best);
  int roomIdByte(int roomIndex) const;
  bool appendAndIndex(int d, int p, int kind, int lessonId, int room1, int room2);

  Project& project_;
  OccupancyIndex& index_;
  WorkingRecords records_;
  Feasibility feasibility_;
  ScoringPasses passes_;
  GeneratorOptions options_;
  std::vector<Candidate> ties_;
  PlacementObserver observer_;
  bool lastStepPlaced_ = false;
  int lastPlacedHalfUnits_ = 0;
};

}  // namespace jadvalon
