// Saving and opening projects, the archive copy, the template and the examples, and the undo
// snapshots, all in a program folder of the test's own.
#include "storage/project_storage.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstring>

#include "i18n/lines.h"
#include "model/test_support.h"
#include "storage/temp_folder.h"
#include "storage/undo_history.h"

namespace jadvalon {
namespace {

using testing::TempFolder;
using testing::TestProject;

std::string line(int n) { return "line " + std::to_string(n); }

struct StorageFixture : ::testing::Test {
  StorageFixture() {
    folder.ensureDataFolders();
    school.addClass("5-A");
    school.addTeacher("Karimova");
  }
  TempFolder dir;
  ProgramFolder folder{dir.path()};
  TestProject school;
  ProjectStorage storage{school.project, folder};

  // A second project open in the same program, used to check that a failed read leaves it alone.
  void expectUntouched(const TLoyiha& before, const std::string& path, const std::string& name) {
    EXPECT_EQ(std::memcmp(&before, &school.project.image(), kImageSize), 0);
    EXPECT_EQ(school.project.path(), path);
    EXPECT_EQ(school.project.displayName(), name);
  }
};

TEST_F(StorageFixture, SavedProjectReadsBackIdentical) {
  const auto saved = std::make_unique<TLoyiha>(school.project.image());
  ASSERT_TRUE(storage.save(dir / "maktab.jdn"));
  EXPECT_FALSE(school.project.isModified());
  EXPECT_EQ(school.project.displayName(), "maktab.jdn");
  EXPECT_EQ(folder.lastProject(), (dir / "maktab.jdn").string());

  TestProject other;
  ProjectStorage reader(other.project, folder);
  ASSERT_TRUE(reader.open(dir / "maktab.jdn"));
  EXPECT_EQ(std::memcmp(saved.get(), &other.project.image(), kImageSize), 0);
  EXPECT_EQ(other.project.path(), (dir / "maktab.jdn").string());
  EXPECT_FALSE(other.project.isModified());
  EXPECT_EQ(other.project.ids().classSlot(1), 1);  // id maps rebuilt
  // The archive copy holds the same bytes as the saved file.
  std::vector<std::filesystem::path> archived;
  for (const auto& e : std::filesystem::directory_iterator(folder.archive()))
    archived.push_back(e.path());
  ASSERT_EQ(archived.size(), 1u);
  EXPECT_EQ(testing::readBytes(archived[0]), testing::readBytes(dir / "maktab.jdn"));
}

TEST_F(StorageFixture, ArchiveNamesAndTwoSavesInOneSecond) {
  std::tm t{};
  t.tm_year = 2026 - 1900;
  t.tm_mon = 0;
  t.tm_mday = 5;
  t.tm_hour = 7;
  t.tm_min = 3;
  t.tm_sec = 9;
  EXPECT_EQ(ProjectStorage::archiveFileName(t), "20260105_070309.jdn");

  storage.setClock([] { return std::time_t{1800000000}; });
  ASSERT_TRUE(storage.save(dir / "a.jdn"));
  school.addClass("5-B");
  ASSERT_TRUE(storage.save(dir / "a.jdn"));
  std::vector<std::filesystem::path> archived;
  for (const auto& e : std::filesystem::directory_iterator(folder.archive()))
    archived.push_back(e.path());
  ASSERT_EQ(archived.size(), 1u);
  EXPECT_EQ(testing::readBytes(archived[0]), testing::readBytes(dir / "a.jdn"));
}

TEST_F(StorageFixture, FailedWriteKeepsThePreviousFileAndTheModifiedFlag) {
  ASSERT_TRUE(storage.save(dir / "a.jdn"));
  const auto before = testing::readBytes(dir / "a.jdn");
  school.addClass("5-B");
  storage.setFaultBeforeRename([] { return false; });
  EXPECT_FALSE(storage.save(dir / "a.jdn"));
  EXPECT_TRUE(school.project.isModified());
  EXPECT_EQ(testing::readBytes(dir / "a.jdn"), before);
  ASSERT_EQ(school.prompter.messages.size(), 1u);
  EXPECT_EQ(school.prompter.messages[0].rfind(line(lines::kSaveFailed), 0), 0u);
  // No temporary file is left beside it.
  int files = 0;
  for ([[maybe_unused]] const auto& e : std::filesystem::directory_iterator(dir.path()))
    files += e.is_regular_file();
  EXPECT_EQ(files, 1);
}

TEST_F(StorageFixture, SaveFailuresSayWhy) {
  ASSERT_TRUE(storage.save(dir / "locked.jdn"));
  school.addClass("5-B");
  chmod((dir / "locked.jdn").c_str(), 0444);
  struct Case {
    std::filesystem::path target;
    int reason;
  } cases[] = {
      {dir / "no-such-folder" / "a.jdn", lines::kFolderMissing},
      {dir / "locked.jdn", lines::kWriteProtected},
  };
  for (const auto& c : cases) {
    school.prompter.messages.clear();
    EXPECT_FALSE(storage.save(c.target));
    ASSERT_EQ(school.prompter.messages.size(), 1u);
    EXPECT_EQ(school.prompter.messages[0],
              line(lines::kSaveFailed) + ": " + line(c.reason) + "\n" + c.target.string());
    EXPECT_TRUE(school.project.isModified());
  }
}

TEST_F(StorageFixture, DamagedOrForeignFileLeavesTheOpenProjectAsItWas) {
  ASSERT_TRUE(storage.save(dir / "good.jdn"));
  const auto bytes = testing::readBytes(dir / "good.jdn");
  auto cut = bytes;
  cut.resize(bytes.size() - 10);
  testing::writeBytes(dir / "cut.jdn", cut);
  testing::writeBytes(dir / "foreign.jdn", std::string("%PDF-1.4 not a project"));
  testing::writeBytes(dir / "plain.jdn", encodeImage(school.project.image(), StoredForm::Plain));
  school.addClass("5-B");  // unsaved work that must survive
  const auto before = std::make_unique<TLoyiha>(school.project.image());
  const std::string path = school.project.path();
  const std::string name = school.project.displayName();

  struct Case {
    const char* file;
    int line;
  } cases[] = {{"cut.jdn", lines::kFileDamaged},
               {"foreign.jdn", lines::kFileNotProjectFile},
               {"plain.jdn", lines::kFileNotProjectFile},
               {"missing.jdn", lines::kFileUnreadable}};
  for (const auto& c : cases) {
    school.prompter.messages.clear();
    EXPECT_FALSE(storage.open(dir / c.file)) << c.file;
    ASSERT_EQ(school.prompter.messages.size(), 1u);
    EXPECT_EQ(school.prompter.messages[0].rfind(line(c.line), 0), 0u)
        << school.prompter.messages[0];
    expectUntouched(*before, path, name);
    EXPECT_TRUE(school.project.isModified());
  }
}

TEST_F(StorageFixture, OpeningResetsBranchesThatNoListShows) {
  school.project.edit().classes[1].branch = 3;
  school.project.edit().classBuffer.branch = 2;
  ASSERT_TRUE(storage.save(dir / "b.jdn"));
  ASSERT_TRUE(storage.open(dir / "b.jdn", /*resetBranchNumbers=*/false));
  EXPECT_EQ(school.project.image().classes[1].branch, 3);
  ASSERT_TRUE(storage.open(dir / "b.jdn"));
  EXPECT_EQ(school.project.image().classes[1].branch, 0);
  EXPECT_EQ(school.project.image().classBuffer.branch, 0);
}

TEST_F(StorageFixture, TemplateAndExamplesOpenUntitled) {
  TestProject source;
  source.project.edit().header.workingDays = 6;
  source.addTeacher("A", 5);
  source.addTeacher("B", 0);
  source.project.edit().classBuffer.branch = 1;
  source.addClass("7-A");
  source.project.edit().classes[1].branch = 3;
  testing::writeBytes(folder.templateFile(),
                      encodeImage(source.project.image(), StoredForm::Plain));
  testing::writeBytes(folder.examples() / "Qishloq maktabi.nol",
                      encodeImage(source.project.image(), StoredForm::Plain));
  testing::writeBytes(folder.examples() / "Saved.jdn",
                      encodeImage(source.project.image(), StoredForm::ProjectFile));

  ASSERT_TRUE(storage.newFromTemplate());
  EXPECT_EQ(school.project.path(), "");
  EXPECT_EQ(school.project.displayName(),
            line(lines::kUntitledProjectName) + line(lines::kProjectFileExtension));
  EXPECT_EQ(school.project.image().teacherBuffer.dailyMaximum, 8);
  EXPECT_EQ(school.project.image().teachers[1].dailyMaximum, 5);
  EXPECT_FALSE(school.project.isModified());

  EXPECT_EQ(folder.exampleNames(), (std::vector<std::string>{"Qishloq maktabi.nol", "Saved.jdn"}));
  ASSERT_TRUE(storage.openExample("Qishloq maktabi.nol"));
  EXPECT_EQ(school.project.path(), "");
  EXPECT_EQ(school.project.displayName(), "Qishloq maktabi.nol");
  EXPECT_EQ(school.project.image().teachers[1].dailyMaximum, 8);
  EXPECT_EQ(school.project.image().teachers[2].dailyMaximum, 8);
  EXPECT_EQ(school.project.image().classes[1].branch, 0);
  EXPECT_FALSE(school.project.isModified());

  // Examples are read in the plain form only.
  school.prompter.messages.clear();
  EXPECT_FALSE(storage.openExample("Saved.jdn"));
  ASSERT_EQ(school.prompter.messages.size(), 1u);
  EXPECT_EQ(school.prompter.messages[0].rfind(line(lines::kExampleNotReadable), 0), 0u);
  EXPECT_EQ(school.project.displayName(), "Qishloq maktabi.nol");

  std::filesystem::remove(folder.templateFile());
  school.prompter.messages.clear();
  EXPECT_FALSE(storage.newFromTemplate());
  EXPECT_EQ(school.prompter.messages.size(), 1u);
  EXPECT_EQ(school.project.displayName(), "Qishloq maktabi.nol");
}

TEST(ProgramFolder, HomeOptionThenEnvironmentThenExecutableFolder) {
  setenv("JADVALON_HOME", "/from/env", 1);
  EXPECT_EQ(ProgramFolder::resolve(std::string("/from/option")).root(), "/from/option");
  EXPECT_EQ(ProgramFolder::resolve(std::nullopt).root(), "/from/env");
  unsetenv("JADVALON_HOME");
  EXPECT_EQ(ProgramFolder::resolve(std::nullopt).root(), executableFolder());
}

TEST(ProgramFolder, MissingFoldersAreCreatedAndReportFilesRemoved) {
  TempFolder dir;
  ProgramFolder folder(dir.path());
  ASSERT_TRUE(folder.ensureDataFolders());
  for (const char* sub : {"temp", "arxiv", "andaza", "misollar", "sozlash/til"})
    EXPECT_TRUE(std::filesystem::is_directory(dir / sub)) << sub;
  for (const char* name : {"html0.html", "html7.doc", "html99.xlsx", "html12.docx", "html3.xls",
                           "html100.html", "keep.html", "0101.txt"})
    testing::writeBytes(folder.temp() / name, std::string("x"));
  folder.removeReportFiles();
  std::vector<std::string> left;
  for (const auto& e : std::filesystem::directory_iterator(folder.temp()))
    left.push_back(e.path().filename().string());
  std::sort(left.begin(), left.end());
  EXPECT_EQ(left, (std::vector<std::string>{"0101.txt", "html100.html", "keep.html"}));
}

TEST(UndoHistory, SnapshotNamesKeepFiveDigits) {
  EXPECT_EQ(UndoHistory::snapshotFileName(7), "00007.tmp");
  EXPECT_EQ(UndoHistory::snapshotFileName(123), "00123.tmp");
  EXPECT_EQ(UndoHistory::snapshotFileName(99999), "99999.tmp");
  EXPECT_EQ(UndoHistory::snapshotFileName(100000), "00000.tmp");
  EXPECT_EQ(UndoHistory::snapshotFileName(123456), "23456.tmp");
}

TEST(UndoHistory, PositionsAndRestores) {
  TempFolder dir;
  TestProject t;
  UndoHistory history(dir.path());
  history.take(t.project);  // no placements: nothing is taken
  EXPECT_EQ(history.counter(), 0);
  EXPECT_FALSE(history.canUndo());

  for (int period = 1; period <= 3; ++period) {
    t.project.appendPlacement(1, period, 3, 1, 0, 0);
    history.take(t.project);
  }
  EXPECT_EQ(history.position(), 3);
  EXPECT_TRUE(history.canUndo());
  EXPECT_FALSE(history.canRedo());
  t.project.setModified(false);
  ASSERT_TRUE(history.undo(t.project));
  EXPECT_EQ(t.project.image().placementCount, 2);
  EXPECT_EQ(t.project.image().placements[3].period, 0);
  EXPECT_FALSE(t.project.isModified());  // restoring is not an edit
  EXPECT_TRUE(history.canRedo());

  // A change after an undo becomes the next snapshot; the history is never cut.
  t.project.appendPlacement(2, 1, 1, 1, 0, 0);
  history.take(t.project);
  EXPECT_EQ(history.counter(), 4);
  EXPECT_EQ(history.position(), 4);
  ASSERT_TRUE(history.undo(t.project));
  EXPECT_EQ(t.project.image().placementCount, 3);
  ASSERT_TRUE(history.redo(t.project));
  EXPECT_EQ(t.project.image().placementCount, 3);
  EXPECT_EQ(t.project.image().placements[3].day, 2);

  std::filesystem::remove(dir / "00003.tmp");
  EXPECT_FALSE(history.undo(t.project));  // a missing file only moves the position
  EXPECT_EQ(history.position(), 3);
  EXPECT_EQ(t.project.image().placementCount, 3);
}

TEST(UndoHistory, ClearingUsesTheCounterFileOr3000) {
  TempFolder dir;
  TestProject t;
  t.project.appendPlacement(1, 1, 3, 1, 0, 0);
  {
    UndoHistory history(dir.path());
    for (int i = 0; i < 5; ++i) history.take(t.project);
    EXPECT_EQ(testing::readBytes(dir / "tems.tmp"), (std::vector<std::uint8_t>{'5'}));
    EXPECT_EQ(testing::readBytes(dir / "00005.tmp").size(), sizeof(TJoy));
    testing::writeBytes(dir / "00006.tmp", std::string("x"));  // beyond the counter: kept
    history.clear();
    EXPECT_EQ(history.counter(), 0);
    EXPECT_FALSE(std::filesystem::exists(dir / "00001.tmp"));
    EXPECT_FALSE(std::filesystem::exists(dir / "00005.tmp"));
    EXPECT_TRUE(std::filesystem::exists(dir / "00006.tmp"));
    EXPECT_TRUE(std::filesystem::exists(dir / "tems.tmp"));
  }
  std::filesystem::remove(dir / "tems.tmp");
  testing::writeBytes(dir / "02999.tmp", std::string("x"));
  testing::writeBytes(dir / "03001.tmp", std::string("x"));
  UndoHistory fresh(dir.path());
  fresh.clear();
  EXPECT_FALSE(std::filesystem::exists(dir / "00006.tmp"));
  EXPECT_FALSE(std::filesystem::exists(dir / "02999.tmp"));
  EXPECT_TRUE(std::filesystem::exists(dir / "03001.tmp"));
}

}  // namespace
}  // namespace jadvalon
