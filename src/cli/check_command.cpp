// jadvalon-cli check FILE [--json]: every clash, every placement that an availability grid or a
// method day forbids, every lesson placed beyond its load and every teacher over the daily
// maximum. Exit status 1 when anything is found.
#include <iostream>
#include <sstream>

#include "cli/cli_support.h"
#include "cli/commands.h"
#include "generator/timetable_check.h"
#include "model/id_maps.h"
#include "model/text_codec.h"

namespace jadvalon::cli {
namespace {

const char* const kDayNames[] = {"Monday",   "Tuesday", "Wednesday",
                                 "Thursday", "Friday",  "Saturday"};

const char* resourceName(ResourceKind kind) {
  switch (kind) {
    case ResourceKind::Class:
      return "class";
    case ResourceKind::Teacher:
      return "teacher";
    case ResourceKind::Room:
      return "room";
  }
  return "?";
}

const char* reasonName(ForbiddenBy reason) {
  switch (reason) {
    case ForbiddenBy::Lesson:
      return "lesson";
    case ForbiddenBy::Class:
      return "class";
    case ForbiddenBy::Subject:
      return "subject";
    case ForbiddenBy::Teacher:
      return "teacher";
    case ForbiddenBy::MethodDay:
      return "method_day";
  }
  return "?";
}

class Names {
 public:
  explicit Names(const TLoyiha& image) : image_(image) {}
  std::string ofClass(int slot) const { return loadText(image_.classes[slot].name); }
  std::string ofTeacher(int slot) const { return loadText(image_.teachers[slot].name); }
  std::string ofRoom(int slot) const { return loadText(image_.rooms[slot].name); }
  std::string ofSubject(int slot) const { return loadText(image_.subjects[slot].name); }
  std::string of(ResourceKind kind, int slot) const {
    return kind == ResourceKind::Class     ? ofClass(slot)
           : kind == ResourceKind::Teacher ? ofTeacher(slot)
                                           : ofRoom(slot);
  }

 private:
  const TLoyiha& image_;
};

// A clash in half 1 followed by the same clash in half 2 is one clash in both weeks.
struct MergedClash {
  const Clash* clash;
  bool bothWeeks;
};

std::vector<MergedClash> mergeWeeks(const std::vector<Clash>& clashes) {
  std::vector<MergedClash> merged;
  for (std::size_t i = 0; i < clashes.size(); ++i) {
    const Clash& c = clashes[i];
    const bool pair = i + 1 < clashes.size() && c.half == 1 && clashes[i + 1].half == 2 &&
                      clashes[i + 1].resource == c.resource && clashes[i + 1].slot == c.slot &&
                      clashes[i + 1].day == c.day && clashes[i + 1].period == c.period &&
                      clashes[i + 1].placements == c.placements;
    merged.push_back({&c, pair});
    if (pair) ++i;
  }
  return merged;
}

std::string weeksText(const MergedClash& m) {
  return m.bothWeeks ? "both weeks" : "week " + std::to_string(m.clash->half);
}

std::string placementList(const std::vector<int>& numbers, const char* separator) {
  std::string text;
  for (std::size_t i = 0; i < numbers.size(); ++i)
    text += (i ? separator : "") + std::to_string(numbers[i]);
  return text;
}

std::string slotText(int day, int period) {
  return std::string(kDayNames[day - 1]) + " period " + std::to_string(period);
}

// Class and subject of the lesson of a placement, for the reader of the report.
std::string lessonText(const TLoyiha& image, const IdMaps& ids, int lessonSlot) {
  const TDars& lesson = image.lessons[lessonSlot];
  const int c = ids.classSlot(lesson.classId);
  const int s = ids.subjectSlot(lesson.subject1);
  return (c ? loadText(image.classes[c].name) : "?") + " " +
         (s ? loadText(image.subjects[s].name) : "?");
}

}  // namespace

int runCheck(const Args& arguments) {
  Args args = arguments;
  const bool json = takeFlag(args, "--json");
  if (args.size() != 1 || args[0].starts_with("-"))
    return usageError("usage: jadvalon-cli check FILE [--json]");
  const auto image = loadImageOrReport(args[0]);
  if (!image) return 2;
  IdMaps ids;
  ids.rebuildAll(*image);
  const TLoyiha& img = *image;
  const TimetableFaults faults = checkTimetable(img, ids);
  const Names names(img);
  const auto clashes = mergeWeeks(faults.clashes);
  const std::size_t problems = faults.broken.size() + clashes.size() + faults.forbidden.size() +
                               faults.overloaded.size() + faults.overDailyMaximum.size();

  if (json) {
    std::ostringstream out;
    out << "{\"broken\":[";
    for (std::size_t i = 0; i < faults.broken.size(); ++i)
      out << (i ? "," : "") << faults.broken[i].placement;
    out << "],\"clashes\":[";
    for (std::size_t i = 0; i < clashes.size(); ++i) {
      const Clash& c = *clashes[i].clash;
      out << (i ? "," : "") << "{\"resource\":\"" << resourceName(c.resource)
          << "\",\"name\":" << jsonString(names.of(c.resource, c.slot)) << ",\"day\":" << c.day
          << ",\"period\":" << c.period
          << ",\"weeks\":" << (clashes[i].bothWeeks ? "[1,2]" : "[" + std::to_string(c.half) + "]")
          << ",\"placements\":[" << placementList(c.placements, ",") << "]}";
    }
    out << "],\"forbidden\":[";
    for (std::size_t i = 0; i < faults.forbidden.size(); ++i) {
      const ForbiddenPlacement& f = faults.forbidden[i];
      const TJoy& p = img.placements[f.placement];
      std::string by = f.reason == ForbiddenBy::Class     ? names.ofClass(f.slot)
                       : f.reason == ForbiddenBy::Subject ? names.ofSubject(f.slot)
                       : f.reason == ForbiddenBy::Lesson  ? lessonText(img, ids, f.slot)
                                                          : names.ofTeacher(f.slot);
      out << (i ? "," : "") << "{\"placement\":" << f.placement << ",\"reason\":\""
          << reasonName(f.reason) << "\",\"name\":" << jsonString(by) << ",\"day\":" << int(p.day)
          << ",\"period\":" << int(p.period) << "}";
    }
    out << "],\"overloaded\":[";
    for (std::size_t i = 0; i < faults.overloaded.size(); ++i) {
      const OverloadedLesson& o = faults.overloaded[i];
      out << (i ? "," : "") << "{\"lesson_id\":" << img.lessons[o.lessonSlot].id
          << ",\"lesson\":" << jsonString(lessonText(img, ids, o.lessonSlot))
          << ",\"placed_half_units\":" << o.placedHalfUnits << ",\"load\":" << o.load << "}";
    }
    out << "],\"over_daily_max\":[";
    for (std::size_t i = 0; i < faults.overDailyMaximum.size(); ++i) {
      const TeacherOverDailyMaximum& t = faults.overDailyMaximum[i];
      out << (i ? "," : "") << "{\"teacher\":" << jsonString(names.ofTeacher(t.teacherSlot))
          << ",\"day\":" << t.day << ",\"half_units\":" << t.halfUnits
          << ",\"maximum\":" << t.maximum << "}";
    }
    out << "],\"problems\":" << problems << "}\n";
    std::cout << out.str();
    return problems ? 1 : 0;
  }

  for (const BrokenPlacement& b : faults.broken) {
    const TJoy& p = img.placements[b.placement];
    std::cout << "Broken: placement " << b.placement << " (lesson id " << p.lessonId << ", day "
              << int(p.day) << ", period " << int(p.period) << ", kind " << int(p.kind)
              << ") names no lesson or no valid slot\n";
  }
  for (const MergedClash& m : clashes) {
    const Clash& c = *m.clash;
    std::cout << "Clash: " << resourceName(c.resource) << " " << names.of(c.resource, c.slot)
              << ", " << slotText(c.day, c.period) << ", " << weeksText(m) << ": placements "
              << placementList(c.placements, ", ") << "\n";
  }
  for (const ForbiddenPlacement& f : faults.forbidden) {
    const TJoy& p = img.placements[f.placement];
    const int lessonSlot = ids.lessonSlot(p.lessonId);
    std::cout << "Not allowed: placement " << f.placement << " ("
              << lessonText(img, ids, lessonSlot) << ", " << slotText(p.day, p.period) << "): ";
    switch (f.reason) {
      case ForbiddenBy::Lesson:
        std::cout << "the lesson is not available then\n";
        break;
      case ForbiddenBy::Class:
        std::cout << "class " << names.ofClass(f.slot) << " is not available then\n";
        break;
      case ForbiddenBy::Subject:
        std::cout << "subject " << names.ofSubject(f.slot) << " is not available then\n";
        break;
      case ForbiddenBy::Teacher:
        std::cout << "teacher " << names.ofTeacher(f.slot) << " is not available then\n";
        break;
      case ForbiddenBy::MethodDay:
        std::cout << "it is a method day of teacher " << names.ofTeacher(f.slot) << "\n";
        break;
    }
  }
  for (const OverloadedLesson& o : faults.overloaded)
    std::cout << "Over its load: lesson " << lessonText(img, ids, o.lessonSlot) << " (id "
              << img.lessons[o.lessonSlot].id << "): " << o.placedHalfUnits
              << " half-units placed, load " << o.load << "\n";
  for (const TeacherOverDailyMaximum& t : faults.overDailyMaximum)
    std::cout << "Over the daily maximum: teacher " << names.ofTeacher(t.teacherSlot) << ", "
              << kDayNames[t.day - 1] << ": " << t.halfUnits << " half-units placed, maximum "
              << t.maximum << " lessons\n";
  if (problems)
    std::cout << problems << (problems == 1 ? " problem" : " problems") << " found\n";
  else
    std::cout << "No problems found\n";
  return problems ? 1 : 0;
}

}  // namespace jadvalon::cli
