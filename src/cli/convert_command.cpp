// jadvalon-cli convert IN OUT --form project|plain: rewrites a stored project in the other form.
#include "cli/cli_support.h"
#include "cli/commands.h"
#include "storage/atomic_file.h"

namespace jadvalon::cli {

int runConvert(const Args& arguments) {
  Args args = arguments;
  bool missing = false;
  const auto form = takeOption(args, "--form", missing);
  if (missing || !form || (*form != "project" && *form != "plain") || args.size() != 2)
    return usageError("usage: jadvalon-cli convert IN OUT --form project|plain");
  const auto image = loadImageOrReport(args[0]);
  if (!image) return 2;
  const auto bytes =
      encodeImage(*image, *form == "plain" ? StoredForm::Plain : StoredForm::ProjectFile);
  const WriteResult written = writeFileAtomically(args[1], bytes);
  if (!written.ok()) return usageError(args[1] + ": cannot be written: " + written.detail);
  return 0;
}

}  // namespace jadvalon::cli
