// What the user chooses when starting a run of the generator.
#pragma once

namespace jadvalon {

// How Select picks among candidates of equal score: at random (the program's generator), or
// always the first one in visiting order, which makes runs reproducible without a seed.
enum class TieBreak { Random, First };

struct GeneratorOptions {
  bool considerRooms = true;  // rooms take part in feasibility, scoring and room choice
  bool teacherGaps = false;   // teacher day windows and gap penalties are used
  int level = 1;              // iteration level 1 (normal), 2 (high), 3 (complex)
  TieBreak tieBreak = TieBreak::Random;

  // Scoring iterations per step for the level.
  int iterationsPerStep() const { return level >= 3 ? 8 : level == 2 ? 5 : 3; }
};

}  // namespace jadvalon
