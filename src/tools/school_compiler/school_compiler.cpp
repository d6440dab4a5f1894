// Reading a description file and running the parser, the builder and the capacity check on it.
#include "tools/school_compiler/school_compiler.h"

#include <cerrno>
#include <cstring>
#include <fstream>
#include <iterator>

#include "tools/school_compiler/capacity_check.h"
#include "tools/school_compiler/description_parser.h"
#include "tools/school_compiler/school_builder.h"

namespace jadvalon::school {

CompileReport compileSchoolFile(const std::filesystem::path& source, Project& project) {
  CompileReport report;
  const std::string name = source.string();
  std::ifstream in(source, std::ios::binary);
  if (!in) {
    report.errors.push_back(name + ": cannot be read: " + std::strerror(errno));
    return report;
  }
  const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (in.bad()) {
    report.errors.push_back(name + ": cannot be read: " + std::strerror(errno));
    return report;
  }
  ParseResult parsed = parseSchoolDescription(text, name);
  if (!parsed.school) {
    report.errors = std::move(parsed.errors);
    return report;
  }
  buildSchool(*parsed.school, project);
  for (const std::string& problem : checkCapacity(project))
    report.problems.push_back(name + ": " + problem);
  return report;
}

}  // namespace jadvalon::school
