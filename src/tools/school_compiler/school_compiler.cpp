// Reading a description file and running the parser, the builder and the capacity check on it.
#include "tools/school_compiler/school_compiler.h"

#include "storage/file_bytes.h"
#include "tools/school_compiler/capacity_check.h"
#include "tools/school_compiler/description_parser.h"
#include "tools/school_compiler/school_builder.h"

namespace jadvalon::school {

CompileReport compileSchoolFile(const std::filesystem::path& source, Project& project) {
  CompileReport report;
  const std::string name = source.string();
  const FileBytes file = readFileBytes(source);
  if (!file.bytes) {
    report.errors.push_back(name + ": cannot be read: " + file.error);
    return report;
  }
  ParseResult parsed = parseSchoolDescription(*file.bytes, name);
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
