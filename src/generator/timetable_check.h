// Faults of a timetable, found from the placement list alone: clashes, placements where an
// availability grid or a method day forbids them, lessons placed beyond their load, and teachers
// over their daily maximum.
#pragma once

#include <string>
#include <vector>

#include "model/id_maps.h"
#include "model/image.h"

namespace jadvalon {

enum class ResourceKind { Class, Teacher, Room };

// One class, teacher or room used by more than one placement in the same half of a slot. The
// two groups of one placement in the same room count as two uses.
struct Clash {
  ResourceKind resource;
  int slot;  // table slot of the class, teacher or room
  int day;
  int period;
  int half;                     // 1 or 2
  std::vector<int> placements;  // placement numbers, in list order
};

enum class ForbiddenBy { Lesson, Class, Subject, Teacher, MethodDay };

struct ForbiddenPlacement {
  int placement;
  ForbiddenBy reason;
  int slot;  // slot of the class, subject or teacher that forbids it; the lesson's slot otherwise
};

struct OverloadedLesson {
  int lessonSlot;
  int placedHalfUnits;
  int load;
};

struct TeacherOverDailyMaximum {
  int teacherSlot;
  int day;
  int halfUnits;  // placed on that day
  int maximum;    // lessons per day
};

// A placement that names no existing lesson, or a day, period or kind outside their ranges.
struct BrokenPlacement {
  int placement;
};

struct TimetableFaults {
  std::vector<BrokenPlacement> broken;
  std::vector<Clash> clashes;
  std::vector<ForbiddenPlacement> forbidden;
  std::vector<OverloadedLesson> overloaded;
  std::vector<TeacherOverDailyMaximum> overDailyMaximum;

  bool empty() const {
    return broken.empty() && clashes.empty() && forbidden.empty() && overloaded.empty() &&
           overDailyMaximum.empty();
  }
};

TimetableFaults checkTimetable(const TLoyiha& image, const IdMaps& ids);

// Half-units placed per teacher and day, from the placement list (index [teacher][day - 1]).
std::vector<std::vector<int>> teacherDayHalfUnits(const TLoyiha& image, const IdMaps& ids);
// Teachers over their daily maximum (twice the maximum in half-units); a maximum of 0 is no cap.
std::vector<TeacherOverDailyMaximum> teachersOverDailyMaximum(const TLoyiha& image,
                                                              const IdMaps& ids);

}  // namespace jadvalon
