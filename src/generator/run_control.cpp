// Starting a run, stepping it and keeping its progress.
#include "generator/run_control.h"

#include <algorithm>

namespace jadvalon {

RunControl::RunControl(Project& project, OccupancyIndex& index)
    : project_(project), index_(index), engine_(project, index) {
  engine_.setPlacementObserver([this](int number) {
    if (sink_) sink_(steps_, project_.image().placements[number]);
  });
}

void RunControl::start(const GeneratorOptions& options) {
  // The index must describe the placements as they are now, whoever changed them last.
  index_.rebuild(project_.image(), project_.ids());
  totalHalfUnits_ = 0;
  const int lessonCount = std::min<int>(project_.image().lessonCount, kMaxLessons);
  for (int l = 1; l <= lessonCount; ++l) totalHalfUnits_ += index_.lessonPending(l);
  progressPosition_ = 0;
  placedHalfUnits_ = 0;
  steps_ = 0;
  startTime_ = std::chrono::steady_clock::now();
  options_ = options;
  engine_.prepare(options);
  running_ = true;
}

bool RunControl::step() {
  if (!running_) return false;
  ++steps_;
  running_ = engine_.step();
  if (running_) {
    const int units = engine_.lastPlacedHalfUnits();
    placedHalfUnits_ += units;
    progressPosition_ += units;
  }
  return running_;
}

void RunControl::runToEnd(const std::function<void()>& afterStep) {
  while (step())
    if (afterStep) afterStep();
  if (afterStep) afterStep();
}

double RunControl::elapsedSeconds() const {
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - startTime_).count();
}

}  // namespace jadvalon
