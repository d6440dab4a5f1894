// A run of the generator: started with the user's options, driven one step at a time (the
// desktop program calls step() from its timer), or run back to back to its end.
#pragma once

#include <chrono>
#include <functional>

#include "generator/generator_options.h"
#include "generator/placement_engine.h"
#include "model/occupancy_index.h"
#include "model/project.h"

namespace jadvalon {

class RunControl {
 public:
  // Told of every appended placement with the number of the step that made it (from 1); the
  // two placements of a double period come with the same step number.
  using PlacementSink = std::function<void(int step, const TJoy& placement)>;

  RunControl(Project& project, OccupancyIndex& index);

  void setPlacementSink(PlacementSink sink) { sink_ = std::move(sink); }

  // Starts (or restarts) a run: rebuilds the occupancy index, takes the total of the pending
  // half-units, prepares the engine and sets running.
  void start(const GeneratorOptions& options);
  // One tick: while running, performs one step; the step that places nothing ends the run.
  // Returns whether the run is still going.
  bool step();
  // Steps until the run ends; `afterStep` (when given) is called after each step.
  void runToEnd(const std::function<void()>& afterStep = {});

  bool running() const { return running_; }
  int totalHalfUnits() const { return totalHalfUnits_; }
  int placedHalfUnits() const { return placedHalfUnits_; }
  int remainingHalfUnits() const { return totalHalfUnits_ - placedHalfUnits_; }
  int progressPosition() const { return progressPosition_; }
  int progressMaximum() const { return totalHalfUnits_; }
  int steps() const { return steps_; }
  double elapsedSeconds() const;
  const GeneratorOptions& options() const { return options_; }

  PlacementEngine& engine() { return engine_; }
  const PlacementEngine& engine() const { return engine_; }

 private:
  Project& project_;
  OccupancyIndex& index_;
  PlacementEngine engine_;
  GeneratorOptions options_;
  PlacementSink sink_;
  std::chrono::steady_clock::time_point startTime_{};
  bool running_ = false;
  int totalHalfUnits_ = 0;
  int placedHalfUnits_ = 0;
  int progressPosition_ = 0;
  int steps_ = 0;
};

}  // namespace jadvalon
