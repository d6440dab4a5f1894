// The whole road from a description file to a checked project: read, parse, build, check.
// Shared by the command-line tool and the tests of the shipped descriptions.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "model/project.h"

namespace jadvalon::school {

struct CompileReport {
  std::vector<std::string> errors;  // unreadable file or bad description; the project is untouched
  std::vector<std::string> problems;  // capacity problems of the built project
  bool built() const { return errors.empty(); }
};

// Builds the described school into `project`, which must be empty.
CompileReport compileSchoolFile(const std::filesystem::path& source, Project& project);

}  // namespace jadvalon::school
