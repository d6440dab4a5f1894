// The commands of jadvalon-cli. Each takes the arguments after its name and returns the exit
// status: 0 success, 1 a finding (check), 2 bad usage or an unreadable file.
#pragma once

#include <string>
#include <vector>

namespace jadvalon::cli {

using Args = std::vector<std::string>;

int runInfo(const Args& args);
int runConvert(const Args& args);
int runGenerate(const Args& args);
int runCheck(const Args& args);
int runReport(const Args& args);

}  // namespace jadvalon::cli
