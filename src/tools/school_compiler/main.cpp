// jadvalon-school-compiler: turns the text description of a school into its project image in
// plain form, the form of the new-project template and of the example projects.
#include <iostream>
#include <string>
#include <string_view>

#include "i18n/language_table.h"
#include "model/prompter.h"
#include "storage/atomic_file.h"
#include "storage/stored_image.h"
#include "tools/school_compiler/school_compiler.h"

namespace {

constexpr const char* kUsage =
    "usage: jadvalon-school-compiler [--check] SOURCE.school [OUTPUT.nol]\n"
    "  Reads the description SOURCE and writes its image to OUTPUT (plain form).\n"
    "  Capacity problems are printed as warnings; with --check they fail the run and\n"
    "  nothing is written.\n";

}  // namespace

int main(int argc, char** argv) {
  bool strict = false;
  std::string source, output;
  for (int i = 1; i < argc; ++i) {
    const std::string_view arg = argv[i];
    if (arg == "--check") {
      strict = true;
    } else if (arg == "--help" || arg == "-h") {
      std::cout << kUsage;
      return 0;
    } else if (arg.starts_with("-") || (!source.empty() && !output.empty())) {
      std::cerr << kUsage;
      return 2;
    } else {
      (source.empty() ? source : output) = arg;
    }
  }
  if (source.empty() || (output.empty() && !strict)) {
    std::cerr << kUsage;
    return 2;
  }

  // The tool shows no texts of its own from the language table and answers no questions: a
  // description is complete as written.
  const jadvalon::LanguageTable texts;
  jadvalon::SilentPrompter prompter;
  jadvalon::Project project(texts, prompter);
  const jadvalon::school::CompileReport report =
      jadvalon::school::compileSchoolFile(source, project);
  for (const std::string& error : report.errors) std::cerr << error << '\n';
  if (!report.built()) return 1;
  for (const std::string& problem : report.problems)
    std::cerr << (strict ? "" : "warning: ") << problem << '\n';
  if (strict && !report.problems.empty()) return 1;
  if (output.empty()) return 0;

  const auto bytes = jadvalon::encodeImage(project.image(), jadvalon::StoredForm::Plain);
  if (bytes.empty()) {
    std::cerr << output << ": the image could not be compressed\n";
    return 1;
  }
  const jadvalon::WriteResult written = jadvalon::writeFileAtomically(output, bytes);
  if (!written.ok()) {
    std::cerr << output << ": cannot be written: " << written.detail << '\n';
    return 1;
  }
  return 0;
}
