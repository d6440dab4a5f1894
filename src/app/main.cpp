// The desktop program. `--home DIR` (or JADVALON_HOME) names the program folder; otherwise it
// is the folder of the executable.
#include <QApplication>
#include <optional>
#include <string>

#include "app/app_context.h"
#include "app/tf_bosh.h"

namespace {

std::optional<std::string> homeOption(int argc, char** argv) {
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "--home" && i + 1 < argc) return std::string(argv[i + 1]);
    if (arg.starts_with("--home=")) return arg.substr(7);
  }
  return std::nullopt;
}

}  // namespace

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Jadvalon"));
  QApplication::setApplicationVersion(jadvalon::AppContext::version());

  jadvalon::AppContext app(jadvalon::ProgramFolder::resolve(homeOption(argc, argv)));
  app.styles.applyStartStyle();
  jadvalon::TFbosh window(app);
  window.show();
  return QApplication::exec();
}
