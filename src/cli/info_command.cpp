// jadvalon-cli info FILE [--json]: what a stored project holds.
#include <iostream>
#include <sstream>

#include "cli/cli_support.h"
#include "cli/commands.h"
#include "model/text_codec.h"

namespace jadvalon::cli {
namespace {

int totalHalfUnits(const TLoyiha& img) {
  int total = 0;
  for (int i = 1; i <= img.lessonCount; ++i) total += img.lessons[i].weeklyLoad;
  return total;
}

}  // namespace

int runInfo(const Args& arguments) {
  Args args = arguments;
  const bool json = takeFlag(args, "--json");
  if (args.size() != 1) return usageError("usage: jadvalon-cli info FILE [--json]");
  const auto image = loadImageOrReport(args[0]);
  if (!image) return 2;
  const TLoyiha& img = *image;
  const TLoyihaHeader& h = img.header;

  if (json) {
    std::ostringstream shifts;
    for (int s = 0; s < 3; ++s)
      shifts << (s ? "," : "") << "{\"first_period\":" << int(h.shifts[s].firstPeriod)
             << ",\"lessons\":" << int(h.shifts[s].lessonsPerDay) << "}";
    std::cout << "{\"institution\":" << jsonString(loadText(h.institution))
              << ",\"director\":" << jsonString(loadText(h.director))
              << ",\"town\":" << jsonString(loadText(h.town))
              << ",\"academic_year\":" << jsonString(loadText(h.academicYear))
              << ",\"working_days\":" << int(h.workingDays) << ",\"shifts\":[" << shifts.str()
              << "],\"classes\":" << int(img.classCount) << ",\"subjects\":" << img.subjectCount
              << ",\"rooms\":" << img.roomCount << ",\"teachers\":" << img.teacherCount
              << ",\"lessons\":" << img.lessonCount << ",\"placements\":" << img.placementCount
              << ",\"substitutions\":" << img.substitutionCount
              << ",\"total_half_units\":" << totalHalfUnits(img) << "}\n";
    return 0;
  }
  std::cout << "Institution:   " << loadText(h.institution) << "\n"
            << "Director:      " << loadText(h.director) << "\n"
            << "Town:          " << loadText(h.town) << "\n"
            << "Academic year: " << loadText(h.academicYear) << "\n"
            << "Working days:  " << int(h.workingDays) << "\n";
  for (int s = 0; s < 3; ++s)
    std::cout << "Shift " << s + 1 << ":       from period " << int(h.shifts[s].firstPeriod) << ", "
              << int(h.shifts[s].lessonsPerDay) << " lessons\n";
  std::cout << "Classes:       " << int(img.classCount) << "\n"
            << "Subjects:      " << img.subjectCount << "\n"
            << "Rooms:         " << img.roomCount << "\n"
            << "Teachers:      " << img.teacherCount << "\n"
            << "Lessons:       " << img.lessonCount << "\n"
            << "Placements:    " << img.placementCount << "\n"
            << "Substitutions: " << img.substitutionCount << "\n"
            << "Weekly load:   " << totalHalfUnits(img) << " half-units ("
            << totalHalfUnits(img) / 2.0 << " hours)\n";
  return 0;
}

}  // namespace jadvalon::cli
