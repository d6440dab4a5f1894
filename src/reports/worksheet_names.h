// Worksheet names that a spreadsheet program accepts: at most 31 characters, none of : \ / ? * [ ],
// no apostrophe at either end, not the reserved "History", and unique regardless of letter case.
#pragma once

#include <string>
#include <vector>

namespace jadvalon {

// One valid, unique name per wanted name (UTF-8), in order. An empty wanted name becomes its
// 1-based position; a clash gets " (2)", " (3)" ... within the length limit.
std::vector<std::string> worksheetNames(const std::vector<std::string>& wanted);

}  // namespace jadvalon
