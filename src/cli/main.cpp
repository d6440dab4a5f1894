// jadvalon-cli: the core of the timetable program without a display.
#include <iostream>
#include <string>
#include <string_view>

#include "cli/commands.h"

namespace {

struct Command {
  std::string_view name;
  int (*run)(const jadvalon::cli::Args&);
  std::string_view summary;
};

constexpr Command kCommands[] = {
    {"info", jadvalon::cli::runInfo, "info FILE [--json]"},
    {"convert", jadvalon::cli::runConvert, "convert IN OUT --form project|plain"},
    {"generate", jadvalon::cli::runGenerate,
     "generate FILE -o OUT [--level 1|2|3] [--ignore-rooms] [--teacher-gaps] [--seed N]\n"
     "                [--tiebreak first|random] [--trace FILE] [--clear-unlocked] [--json]"},
    {"check", jadvalon::cli::runCheck, "check FILE [--json]"},
    {"report", jadvalon::cli::runReport,
     "report FILE --kind classes|teachers|rooms [--select all|N,N,...] "
     "[--layout combined|separate] [--times] [--second] [--third] [--separate-column] "
     "[--short-first] [--short-second] [--short-third] [--approval] "
     "[--format html|xlsx|docx] -o OUT"},
};

int usage() {
  std::cerr << "usage: jadvalon-cli COMMAND ...\n";
  for (const Command& c : kCommands) std::cerr << "  jadvalon-cli " << c.summary << "\n";
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) return usage();
  const std::string_view name = argv[1];
  for (const Command& c : kCommands)
    if (c.name == name) return c.run(jadvalon::cli::Args(argv + 2, argv + argc));
  std::cerr << "jadvalon-cli: unknown command \"" << name << "\"\n";
  return usage();
}
