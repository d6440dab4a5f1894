// jadvalon-cli report FILE --kind classes|teachers|rooms ... -o OUT: a class, teacher or room
// timetable written as an HTML page, an Excel workbook or a Word document.
#include <charconv>
#include <iostream>
#include <memory>

#include "cli/cli_support.h"
#include "cli/commands.h"
#include "i18n/language_files.h"
#include "model/project.h"
#include "reports/docx_report_writer.h"
#include "reports/html_report_writer.h"
#include "reports/report_builder.h"
#include "reports/xlsx_report_writer.h"
#include "storage/program_folder.h"

namespace jadvalon::cli {
namespace {

constexpr const char* kUsage =
    "usage: jadvalon-cli report FILE --kind classes|teachers|rooms [--select all|N,N,...] "
    "[--layout combined|separate] [--times] [--second] [--third] [--separate-column] "
    "[--short-first] [--short-second] [--short-third] [--approval] [--format html|xlsx|docx] "
    "-o OUT";

// "all" or comma-separated 1-based positions within 1..count; nullopt after printing why not.
std::optional<std::vector<int>> parseSelection(const std::string& text, int count,
                                               const std::string& what) {
  std::vector<int> positions;
  if (text == "all") {
    for (int n = 1; n <= count; ++n) positions.push_back(n);
    return positions;
  }
  std::size_t start = 0;
  while (start <= text.size()) {
    const std::size_t comma = std::min(text.find(',', start), text.size());
    const std::string item = text.substr(start, comma - start);
    int position = 0;
    const auto [end, error] = std::from_chars(item.data(), item.data() + item.size(), position);
    if (item.empty() || error != std::errc() || end != item.data() + item.size()) {
      usageError("--select: \"" + item + "\" is not a position (use all or N,N,...)");
      return std::nullopt;
    }
    if (position < 1 || position > count) {
      usageError("--select: " + what + " " + item + " does not exist (the project has " +
                 std::to_string(count) + ")");
      return std::nullopt;
    }
    positions.push_back(position);
    start = comma + 1;
  }
  return positions;
}

// The language the desktop program would show; language 1 when none was ever chosen.
bool loadLanguage(LanguageTable& table) {
  const ProgramFolder folder = ProgramFolder::resolve(std::nullopt);
  const LanguageFiles files(folder.languages());
  const LanguageLoad loaded =
      files.currentLanguage() ? files.loadCurrent(table) : files.load(1, table);
  if (!loaded.ok) std::cerr << "jadvalon-cli: " << loaded.error << "\n";
  return loaded.ok;
}

}  // namespace

int runReport(const Args& arguments) {
  Args args = arguments;
  bool missing = false;
  const auto kind = takeOption(args, "--kind", missing);
  const auto select = takeOption(args, "--select", missing);
  const auto layout = takeOption(args, "--layout", missing);
  const auto format = takeOption(args, "--format", missing);
  const auto out = takeOption(args, "-o", missing);
  ReportOptions options;
  options.times = takeFlag(args, "--times");
  options.secondColumn = takeFlag(args, "--second");
  options.thirdColumn = takeFlag(args, "--third");
  options.separateColumn = takeFlag(args, "--separate-column");
  options.shortFirst = takeFlag(args, "--short-first");
  options.shortSecond = takeFlag(args, "--short-second");
  options.shortThird = takeFlag(args, "--short-third");
  options.approval = takeFlag(args, "--approval");
  if (missing || !kind || !out || args.size() != 1) return usageError(kUsage);
  if (*kind != "classes" && *kind != "teachers" && *kind != "rooms")
    return usageError("--kind must be classes, teachers or rooms");
  if (layout && *layout != "combined" && *layout != "separate")
    return usageError("--layout must be combined or separate");
  const std::string fileFormat = format ? *format : "html";
  if (fileFormat != "html" && fileFormat != "xlsx" && fileFormat != "docx")
    return usageError("--format must be html, xlsx or docx");

  const auto image = loadImageOrReport(args[0]);
  if (!image) return 2;
  options.kind = *kind == "classes"    ? ReportKind::Classes
                 : *kind == "teachers" ? ReportKind::Teachers
                                       : ReportKind::Rooms;
  options.arrangement =
      layout && *layout == "separate" ? ReportArrangement::Separate : ReportArrangement::Combined;
  const int count = options.kind == ReportKind::Classes    ? image->classCount
                    : options.kind == ReportKind::Teachers ? image->teacherCount
                                                           : image->roomCount;
  const std::string what = options.kind == ReportKind::Classes    ? "class"
                           : options.kind == ReportKind::Teachers ? "teacher"
                                                                  : "room";
  const auto positions = parseSelection(select ? *select : "all", count, what);
  if (!positions) return 2;
  options.selection = *positions;

  LanguageTable texts;
  if (!loadLanguage(texts)) return 2;
  SilentPrompter prompter;
  Project project(texts, prompter);
  project.replaceImage(*image);
  // Day names follow the language, as they do when the desktop program loads one.
  applyDayNames(texts, project);

  const Report report = buildReport(project, options);
  std::unique_ptr<ReportWriter> writer;
  if (fileFormat == "html") writer = std::make_unique<HtmlReportWriter>();
  if (fileFormat == "xlsx") writer = std::make_unique<XlsxReportWriter>();
  if (fileFormat == "docx") writer = std::make_unique<DocxReportWriter>();
  const WriteResult written = writer->write(report, *out);
  if (!written.ok()) return usageError(*out + ": cannot be written: " + written.detail);
  return 0;
}

}  // namespace jadvalon::cli
