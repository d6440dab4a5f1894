// Runs jadvalon-cli as a user would and captures what it prints and its exit status.
#pragma once

#include <sys/wait.h>

#include <array>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

namespace jadvalon::testing {

struct CliRun {
  int status = -1;
  std::string out;
  std::string err;
};

inline std::string shellQuote(const std::string& s) {
  std::string q = "'";
  for (char c : s) q += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return q + "'";
}

// `errFile` receives stderr; the command line is built with every argument quoted.
inline CliRun runCli(const std::vector<std::string>& args, const std::filesystem::path& errFile) {
  std::string command = shellQuote(JADVALON_CLI_PATH);
  for (const auto& a : args) command += " " + shellQuote(a);
  command += " 2>" + shellQuote(errFile.string()) + " </dev/null";
  CliRun run;
  if (FILE* pipe = popen(command.c_str(), "r")) {
    std::array<char, 4096> buffer;
    for (std::size_t n; (n = fread(buffer.data(), 1, buffer.size(), pipe)) > 0;)
      run.out.append(buffer.data(), n);
    const int raw = pclose(pipe);
    run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
  }
  if (FILE* err = std::fopen(errFile.c_str(), "rb")) {
    std::array<char, 4096> buffer;
    for (std::size_t n; (n = fread(buffer.data(), 1, buffer.size(), err)) > 0;)
      run.err.append(buffer.data(), n);
    std::fclose(err);
  }
  return run;
}

}  // namespace jadvalon::testing
