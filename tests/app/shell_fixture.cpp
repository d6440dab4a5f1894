// The program folder and program of a desktop test.
#include "shell_fixture.h"

#include <unistd.h>

#include <QCoreApplication>
#include <fstream>
#include <random>

#include "model/project.h"
#include "model/text_codec.h"
#include "storage/atomic_file.h"

namespace jadvalon::testing {
namespace {

// A small school as the template and the example hold one: six days, three shifts.
std::vector<std::uint8_t> schoolImage(const std::string& institution, StoredForm form) {
  LanguageTable texts;
  SilentPrompter prompter;
  Project project(texts, prompter);
  TLoyihaHeader& header = project.edit().header;
  storeText(header.institution, institution);
  header.workingDays = 6;
  header.shifts[0].firstPeriod = 1;
  header.shifts[0].lessonsPerDay = 6;
  header.shifts[1].firstPeriod = 7;
  header.shifts[1].lessonsPerDay = 6;
  header.shifts[2].firstPeriod = 1;
  header.shifts[2].lessonsPerDay = 5;
  for (int p = 0; p < kPeriods; ++p)
    storeText(header.periodTimes[p],
              std::to_string(8 + p) + ":00-" + std::to_string(8 + p) + ":45");
  project.deriveShiftGrids();
  return encodeImage(project.image(), form);
}

void write(const std::filesystem::path& file, const std::vector<std::uint8_t>& bytes) {
  std::filesystem::create_directories(file.parent_path());
  std::ofstream(file, std::ios::binary)
      .write(reinterpret_cast<const char*>(bytes.data()),
             static_cast<std::streamsize>(bytes.size()));
}

}  // namespace

ProgramHome::ProgramHome(bool withLanguages) {
  std::random_device seed;
  root_ = std::filesystem::temp_directory_path() /
          ("jadvalon-gui-" + std::to_string(getpid()) + "-" + std::to_string(seed()));
  std::filesystem::create_directories(root_ / "temp");
  if (withLanguages) {
    std::filesystem::create_directories(root_ / "sozlash" / "til");
    for (int n = 1; n <= 4; ++n) {
      const std::string name = std::to_string(n) + ".til";
      std::filesystem::copy_file(
          std::filesystem::path(JADVALON_SOURCE_DATA_DIR) / "sozlash" / "til" / name,
          root_ / "sozlash" / "til" / name);
    }
  }
  write(root_ / "andaza" / "normal.nol", schoolImage("", StoredForm::Plain));
  write(root_ / "misollar" / kExampleName, schoolImage("Namuna maktabi", StoredForm::Plain));
}

ProgramHome::~ProgramHome() {
  std::error_code ec;
  std::filesystem::remove_all(root_, ec);
}

Shell::Shell(bool withLanguages, int language) : home(withLanguages) {
  if (withLanguages)
    writeTextAtomically(home.root() / "sozlash" / "til" / "til_index.txt",
                        std::to_string(language));
  app = std::make_unique<AppContext>(ProgramFolder(home.root()));
  auto chooser = std::make_unique<FakeFileChooser>();
  files = chooser.get();
  app->files = std::move(chooser);
  app->openDocument = [this](const QUrl& url) {
    openedDocuments.push_back(url);
    return true;
  };
  window = std::make_unique<TFbosh>(*app);
  window->show();
  window->fileCommands().reminderTimer().stop();
}

Shell::~Shell() {
  // Nothing may be asked while the test tears the window down.
  app->project.setModified(false);
  window.reset();
}

void Shell::serveQueued() {
  for (int i = 0; i < 3; ++i) QCoreApplication::processEvents();
}

void Shell::touch() { storeText(app->project.edit().header.town, "Changed"); }

}  // namespace jadvalon::testing
