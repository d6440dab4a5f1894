// jadvalon-cli generate FILE -o OUT [options]: runs the timetable generator to its end on a stored
// project, writes the result and prints what was achieved.
#include <unistd.h>

#include <charconv>
#include <cstdio>
#include <fstream>
#include <iomanip>
#include <iostream>
#include <sstream>

#include "cli/cli_support.h"
#include "cli/commands.h"
#include "generator/run_control.h"
#include "generator/timetable_summary.h"
#include "i18n/language_table.h"
#include "model/occupancy_index.h"
#include "model/project.h"
#include "model/prompter.h"
#include "model/text_codec.h"

namespace jadvalon::cli {
namespace {

constexpr const char* kUsage =
    "usage: jadvalon-cli generate FILE -o OUT [--level 1|2|3] [--ignore-rooms] [--teacher-gaps] "
    "[--seed N] [--tiebreak first|random] [--trace FILE] [--clear-unlocked] [--json]";

struct GenerateRequest {
  std::string input;
  std::string output;
  GeneratorOptions options;
  std::optional<std::uint64_t> seed;
  std::string tracePath;
  bool clearUnlocked = false;
  bool json = false;
};

// Parses the arguments; false (after the message) when they are not usable.
bool parse(const Args& arguments, GenerateRequest& request) {
  Args args = arguments;
  bool missing = false;
  const auto output = takeOption(args, "-o", missing);
  const auto level = takeOption(args, "--level", missing);
  const auto seed = takeOption(args, "--seed", missing);
  const auto tiebreak = takeOption(args, "--tiebreak", missing);
  const auto trace = takeOption(args, "--trace", missing);
  request.options.considerRooms = !takeFlag(args, "--ignore-rooms");
  request.options.teacherGaps = takeFlag(args, "--teacher-gaps");
  request.clearUnlocked = takeFlag(args, "--clear-unlocked");
  request.json = takeFlag(args, "--json");
  if (missing || !output || args.size() != 1 || args[0].starts_with("-")) {
    usageError(kUsage);
    return false;
  }
  request.input = args[0];
  request.output = *output;
  if (level) {
    if (*level != "1" && *level != "2" && *level != "3") {
      usageError("--level must be 1, 2 or 3");
      return false;
    }
    request.options.level = (*level)[0] - '0';
  }
  if (seed) {
    std::uint64_t value = 0;
    const auto [end, error] = std::from_chars(seed->data(), seed->data() + seed->size(), value);
    if (error != std::errc() || end != seed->data() + seed->size() || seed->empty()) {
      usageError("--seed must be a whole number");
      return false;
    }
    request.seed = value;
  }
  if (tiebreak) {
    if (*tiebreak != "first" && *tiebreak != "random") {
      usageError("--tiebreak must be first or random");
      return false;
    }
    request.options.tieBreak = *tiebreak == "first" ? TieBreak::First : TieBreak::Random;
  }
  if (trace) request.tracePath = *trace;
  return true;
}

// A one-line progress bar, redrawn in place, for a terminal.
void drawProgress(const RunControl& run) {
  const int total = run.progressMaximum();
  const int done = run.progressPosition();
  constexpr int kWidth = 40;
  const int filled = total > 0 ? done * kWidth / total : kWidth;
  std::cerr << "\r[" << std::string(filled, '#') << std::string(kWidth - filled, '.') << "] "
            << done << "/" << total << " half-units, " << std::fixed << std::setprecision(1)
            << run.elapsedSeconds() << " s" << std::flush;
}

std::string hours(int halfUnits) {
  std::ostringstream text;
  text << halfUnits / 2;
  if (halfUnits % 2) text << ".5";
  return text.str();
}

struct LessonNames {
  std::string className, subject, teacher;
};

LessonNames namesOf(const Project& project, int lessonSlot) {
  const TLoyiha& image = project.image();
  const IdMaps& ids = project.ids();
  const TDars& lesson = image.lessons[lessonSlot];
  auto className = [&](int id) {
    const int slot = ids.classSlot(id);
    return slot ? loadText(image.classes[slot].name) : std::string("?");
  };
  auto subject = [&](int id) {
    const int slot = ids.subjectSlot(id);
    return slot ? loadText(image.subjects[slot].name) : std::string("?");
  };
  auto teacher = [&](int id) {
    const int slot = ids.teacherSlot(id);
    return slot ? loadText(image.teachers[slot].name) : std::string("?");
  };
  LessonNames names{className(lesson.classId), subject(lesson.subject1), teacher(lesson.teacher1)};
  if (lesson.teacher1 != lesson.teacher2) {
    if (lesson.subject2 != lesson.subject1) names.subject += " / " + subject(lesson.subject2);
    names.teacher += " / " + teacher(lesson.teacher2);
  }
  return names;
}

void printSummary(const Project& project, const TimetableSummary& summary, int steps,
                  double seconds, bool json) {
  if (json) {
    std::ostringstream out;
    out << "{\"total_half_units\":" << summary.totalHalfUnits
        << ",\"placed_half_units\":" << summary.placedHalfUnits << ",\"unplaced_lessons\":[";
    for (std::size_t i = 0; i < summary.unplaced.size(); ++i) {
      const UnplacedLesson& u = summary.unplaced[i];
      const LessonNames names = namesOf(project, u.lessonSlot);
      out << (i ? "," : "") << "{\"lesson_id\":" << project.image().lessons[u.lessonSlot].id
          << ",\"class\":" << jsonString(names.className)
          << ",\"subject\":" << jsonString(names.subject)
          << ",\"teacher\":" << jsonString(names.teacher)
          << ",\"pending_half_units\":" << u.pendingHalfUnits
          << ",\"pending_hours\":" << hours(u.pendingHalfUnits) << "}";
    }
    out << "],\"class_gaps\":" << summary.classGaps << ",\"teacher_gaps\":" << summary.teacherGaps
        << ",\"over_daily_max\":" << summary.overDailyMaximum << ",\"steps\":" << steps
        << ",\"seconds\":" << std::fixed << std::setprecision(3) << seconds << "}\n";
    std::cout << out.str();
    return;
  }
  const double share =
      summary.totalHalfUnits > 0 ? 100.0 * summary.placedHalfUnits / summary.totalHalfUnits : 100.0;
  std::cout << "Placed " << summary.placedHalfUnits << " of " << summary.totalHalfUnits
            << " half-units (" << std::fixed << std::setprecision(1) << share << " %) in " << steps
            << " steps, " << std::setprecision(2) << seconds << " s\n";
  std::cout << "Unplaced lessons: " << summary.unplaced.size() << "\n";
  for (const UnplacedLesson& u : summary.unplaced) {
    const LessonNames names = namesOf(project, u.lessonSlot);
    std::cout << "  " << names.className << ", " << names.subject << ", " << names.teacher << ": "
              << hours(u.pendingHalfUnits) << " h pending\n";
  }
  std::cout << "Class gaps: " << summary.classGaps << "\n"
            << "Teacher gaps: " << summary.teacherGaps << "\n"
            << "Teachers over their daily maximum: " << summary.overDailyMaximum << "\n";
}

}  // namespace

int runGenerate(const Args& arguments) {
  GenerateRequest request;
  if (!parse(arguments, request)) return 2;
  const auto image = loadImageOrReport(request.input);
  if (!image) return 2;

  std::ofstream trace;
  if (!request.tracePath.empty()) {
    trace.open(request.tracePath, std::ios::trunc);
    if (!trace) return usageError(request.tracePath + ": cannot be written");
  }

  const LanguageTable texts;
  SilentPrompter prompter;
  Project project(texts, prompter);
  project.replaceImage(*image);
  if (request.clearUnlocked) project.clearUnlockedPlacements();
  if (request.seed) project.random().reseed(*request.seed);

  OccupancyIndex index;
  RunControl run(project, index);
  if (trace.is_open())
    run.setPlacementSink([&trace](int step, const TJoy& p) {
      trace << step << ' ' << int(p.day) << ' ' << int(p.period) << ' ' << int(p.kind) << ' '
            << p.lessonId << ' ' << int(p.room1) << ' ' << int(p.room2) << '\n';
    });
  const bool showProgress = isatty(STDERR_FILENO) != 0;
  run.start(request.options);
  run.runToEnd(showProgress ? std::function<void()>([&run] { drawProgress(run); })
                            : std::function<void()>());
  const double seconds = run.elapsedSeconds();
  if (showProgress) std::cerr << "\n";
  if (trace.is_open()) {
    trace.close();
    if (!trace) return usageError(request.tracePath + ": cannot be written");
  }

  if (!writeImageOrReport(project.image(), request.output)) return 2;
  const TimetableSummary summary = summarizeTimetable(project.image(), project.ids(), index);
  printSummary(project, summary, run.steps(), seconds, request.json);
  return 0;
}

}  // namespace jadvalon::cli
