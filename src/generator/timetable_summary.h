// What a generated timetable achieved: half-units placed, lessons left pending, gaps of classes
// and teachers, and teachers over their daily maximum.
#pragma once

#include <vector>

#include "model/id_maps.h"
#include "model/image.h"
#include "model/occupancy_index.h"

namespace jadvalon {

struct UnplacedLesson {
  int lessonSlot;
  int pendingHalfUnits;
};

struct TimetableSummary {
  int totalHalfUnits = 0;   // weekly loads of all lessons
  int placedHalfUnits = 0;  // of those, placed
  std::vector<UnplacedLesson> unplaced;
  int classGaps = 0;
  int teacherGaps = 0;
  int overDailyMaximum = 0;  // (teacher, day) pairs over the maximum
};

// A gap is a free period in one week half between two occupied periods of the same day and half.
int countGaps(const TBandlik& table);

// Reads the pending counts and occupancy from an index rebuilt for the image.
TimetableSummary summarizeTimetable(const TLoyiha& image, const IdMaps& ids,
                                    const OccupancyIndex& index);

}  // namespace jadvalon
