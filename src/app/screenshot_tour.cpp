// The screenshot tour: starts the desktop program on the largest example school and writes one
// PNG of the welcome panel, of every tab and school-tab page and of the settings dialog, in two
// styles and two languages. tools/screenshot-tour runs it under a virtual display.
//
//   jadvalon-screenshot-tour OUTDIR --home PROGRAM_FOLDER
//
// The language and style index files of the program folder are put back as they were.
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QTabWidget>
#include <QThread>
#include <cstdio>
#include <optional>

#include "app/app_context.h"
#include "app/appearance_dialog.h"
#include "app/school_settings_tab.h"
#include "app/tf_bosh.h"
#include "app/tf_misollar.h"
#include "app/tf_shart_saqlash.h"
#include "storage/atomic_file.h"
#include "storage/file_bytes.h"

namespace jadvalon {
namespace {

// Lets the window settle (layouts, repaints) before it is grabbed.
void settle() {
  QElapsedTimer clock;
  clock.start();
  while (clock.elapsed() < 150) {
    QApplication::processEvents(QEventLoop::AllEvents, 20);
    QThread::msleep(10);
  }
}

class Tour {
 public:
  Tour(AppContext& app, TFbosh& window, QString out)
      : app_(app), window_(window), out_(std::move(out)) {}

  void shoot(QWidget& widget, const QString& name) {
    settle();
    const QString file = QDir(out_).filePath(
        QStringLiteral("%1-%2.png").arg(++count_, 2, 10, QLatin1Char('0')).arg(name));
    if (!widget.grab().save(file)) std::fprintf(stderr, "cannot write %s\n", qPrintable(file));
    std::printf("%s\n", qPrintable(file));
  }

  void pass(const QString& style, int language, const QString& tag, bool withProject) {
    app_.styles.apply(StyleCatalogue::find(style));
    window_.switchLanguage(language);
    if (!withProject) {
      shoot(window_, QStringLiteral("welcome-") + tag);
      return;
    }
    QTabWidget& tabs = window_.mainTabs();
    SchoolSettingsTab& school = window_.schoolTab();
    tabs.setCurrentIndex(TFbosh::kSchoolTab);
    const char* const pages[] = {"school-details", "school-working-days", "school-shifts",
                                 "school-period-times"};
    for (int page = 0; page < 4; ++page) {
      school.showPage(page);
      shoot(window_, QString::fromLatin1(pages[page]) + QLatin1Char('-') + tag);
    }
    school.showPage(0);
    const char* const later[] = {"lists", "timetable", "journal"};
    for (int tab = 1; tab <= 3; ++tab) {
      tabs.setCurrentIndex(tab);
      shoot(window_, QString::fromLatin1(later[tab - 1]) + QLatin1Char('-') + tag);
    }
    tabs.setCurrentIndex(TFbosh::kSchoolTab);
    AppearanceDialog dialog(app_, &window_);
    dialog.show();
    shoot(dialog, QStringLiteral("settings-") + tag);
    dialog.hide();
    // The question before changes are lost, and the examples list.
    TFshart_saqlash question(&window_, app_.texts, window_.fileCommands().unsavedChangesQuestion());
    question.show();
    shoot(question, QStringLiteral("unsaved-question-") + tag);
    question.hide();
    QStringList names;
    for (const std::string& name : app_.folder.exampleNames())
      names << QString::fromStdString(name);
    TFmisollar examples(&window_, app_.texts, names);
    examples.show();
    shoot(examples, QStringLiteral("examples-") + tag);
    examples.hide();
  }

 private:
  AppContext& app_;
  TFbosh& window_;
  QString out_;
  int count_ = 0;
};

std::optional<std::string> readIfThere(const std::filesystem::path& file) {
  return readFileBytes(file).bytes;
}

void putBack(const std::filesystem::path& file, const std::optional<std::string>& content) {
  std::error_code ec;
  if (content)
    writeTextAtomically(file, *content);
  else
    std::filesystem::remove(file, ec);
}

// The example with the most bytes, which is the one with the most school in it.
QString largestExample(const ProgramFolder& folder) {
  QString best;
  qint64 size = -1;
  for (const std::string& name : folder.exampleNames()) {
    const QFileInfo info(QString::fromStdString((folder.examples() / name).string()));
    if (info.size() > size) {
      size = info.size();
      best = info.fileName();
    }
  }
  return best;
}

}  // namespace
}  // namespace jadvalon

int main(int argc, char** argv) {
  using namespace jadvalon;
  QApplication application(argc, argv);
  QString out;
  std::optional<std::string> home;
  for (int i = 1; i < argc; ++i) {
    const QString arg = QString::fromLocal8Bit(argv[i]);
    if (arg == QLatin1String("--home") && i + 1 < argc)
      home = argv[++i];
    else
      out = arg;
  }
  if (out.isEmpty()) {
    std::fprintf(stderr, "usage: jadvalon-screenshot-tour OUTDIR --home PROGRAM_FOLDER\n");
    return 2;
  }
  QDir().mkpath(out);

  AppContext app(ProgramFolder::resolve(home));
  const auto languageIndex = readIfThere(app.languages.indexFile());
  const auto styleIndex = readIfThere(app.folder.styleIndex());

  app.styles.applyStartStyle();
  TFbosh window(app);
  window.resize(1100, 720);
  window.show();
  settle();

  Tour tour(app, window, out);
  tour.pass(QStringLiteral("Sky"), 1, QStringLiteral("sky-uz"), false);
  tour.pass(QStringLiteral("Windows10 SlateGray"), 3, QStringLiteral("slategray-ru"), false);

  const QString example = largestExample(app.folder);
  bool opened = false;
  if (!example.isEmpty()) {
    opened = window.fileCommands().openExample(example);
  } else if (std::filesystem::exists(app.folder.templateFile())) {
    std::fprintf(stderr, "no example schools: the tour shows a new project instead\n");
    window.fileCommands().newProject();
    opened = !window.isWelcomeShown();
  } else {
    std::fprintf(stderr, "neither examples nor the template: only the welcome panel is shown\n");
  }
  if (opened) {
    tour.pass(QStringLiteral("Sky"), 1, QStringLiteral("sky-uz"), true);
    tour.pass(QStringLiteral("Windows10 SlateGray"), 3, QStringLiteral("slategray-ru"), true);
  }

  putBack(app.languages.indexFile(), languageIndex);
  putBack(app.folder.styleIndex(), styleIndex);
  // The tour changed the project (day names); it is not the user's, nothing is asked.
  app.project.setModified(false);
  window.close();
  return 0;
}
