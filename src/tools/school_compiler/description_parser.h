// Reads the text description of a school (the .school files under data/sources) into a
// SchoolDescription, checking every value and every reference on the way.
//
// The text is UTF-8 and line-based. '#' starts a comment up to the end of the line. Sections
// are opened by "[school]", "[shifts]", "[periods]", "[subjects]", "[rooms]", "[classes]",
// "[teachers]" and "[lessons]", in any order; the first three are required. A line of
// a table section holds fields separated by '|': first the fixed ones of the section, then
// options of the form "keyword value" or a bare flag. Records refer to each other by short name.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "tools/school_compiler/school_description.h"

namespace jadvalon::school {

struct ParseResult {
  std::optional<SchoolDescription> school;  // set only when there are no errors
  std::vector<std::string> errors;          // each "file:line: what is wrong"
};

ParseResult parseSchoolDescription(std::string_view text, const std::string& fileName);

}  // namespace jadvalon::school
