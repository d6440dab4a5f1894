// The file commands of the main window as a user meets them: the unsaved-changes question on
// new, open and close, the missing-file message, save as with its overwrite and extension
// rules, the examples, the last-project link and the save reminder.
#include <QAction>
#include <QListWidget>
#include <QPushButton>
#include <QtTest>
#include <fstream>

#include "app/welcome_panel.h"
#include "i18n/lines.h"
#include "model/text_codec.h"
#include "shell_fixture.h"
#include "storage/atomic_file.h"
#include "storage/stored_image.h"

using namespace jadvalon;
using namespace jadvalon::testing;

namespace {

QString q(const std::string& text) { return QString::fromStdString(text); }

// A saved project "maktab.jdn" in the home folder, open and then modified.
void openModifiedProject(Shell& shell) {
  shell.window->fileCommands().newProject();
  QVERIFY(shell.app->storage.save(shell.home.root() / "maktab.jdn"));
  shell.touch();
  QVERIFY(shell.app->project.isModified());
}

void writeGarbage(const std::filesystem::path& file) {
  std::ofstream(file, std::ios::binary) << "this is not a project";
}

}  // namespace

class FileCommandsTest : public QObject {
  Q_OBJECT

 private slots:
  void startsOnTheWelcomePanelWithThePlaceholderFreeCaption() {
    Shell shell;
    QVERIFY(shell.window->isWelcomeShown());
    QCOMPARE(shell.window->windowTitle(), q(shell.line(lines::kMainWindowTitle)));
    QCOMPARE(shell.window->fileMenu()->title(), q(shell.line(lines::kMenuFile)));
  }

  void withoutLanguageFolderControlsKeepPlaceholders() {
    Shell shell(false);
    QCOMPARE(shell.window->fileMenu()->title(), QStringLiteral("#11"));
    QCOMPARE(shell.dialogs.unexpected, 0);
  }

  void newProjectShowsTheSchoolTabUntitled() {
    Shell shell;
    shell.window->fileCommands().newProject();
    QVERIFY(!shell.window->isWelcomeShown());
    QCOMPARE(shell.window->mainTabs().currentIndex(), 0);
    const std::string untitled =
        shell.line(lines::kUntitledProjectName) + shell.line(lines::kProjectFileExtension);
    QCOMPARE(shell.app->project.displayName(), untitled);
    QVERIFY(!shell.app->project.isModified());
    shell.window->updateCaption();
    QCOMPARE(shell.window->windowTitle(),
             q(untitled + " - " + shell.line(lines::kMainWindowTitle)));
  }

  void missingTemplateIsSaidAndTheWelcomePanelStays() {
    Shell shell;
    std::filesystem::remove(shell.home.root() / "andaza" / "normal.nol");
    shell.dialogs.clickNext("Btok");
    shell.window->fileCommands().newProject();
    QCOMPARE(static_cast<int>(shell.dialogs.seen.size()), 1);
    QVERIFY(shell.dialogs.seen[0].text.contains(q(shell.line(lines::kTemplateMissing))));
    QVERIFY(shell.window->isWelcomeShown());
  }

  void unsavedQuestionOnNew_data() {
    QTest::addColumn<QString>("button");
    QTest::addColumn<bool>("replaced");
    QTest::addColumn<bool>("savedFirst");
    QTest::newRow("yes saves, then starts anew") << "Btha" << true << true;
    QTest::newRow("no starts anew without saving") << "Btyuq" << true << false;
    QTest::newRow("cancel keeps the project") << "Btno" << false << false;
  }
  void unsavedQuestionOnNew() {
    QFETCH(QString, button);
    QFETCH(bool, replaced);
    QFETCH(bool, savedFirst);
    Shell shell;
    openModifiedProject(shell);
    shell.dialogs.clickNext(button);
    shell.window->fileCommands().newProject();

    QCOMPARE(static_cast<int>(shell.dialogs.seen.size()), 1);
    QCOMPARE(shell.dialogs.seen[0].objectName, QStringLiteral("TFshart_saqlash"));
    QCOMPARE(shell.dialogs.seen[0].text,
             q("\"maktab.jdn\" " + shell.line(lines::kUnsavedChangesQuestion)));
    QCOMPARE(shell.app->project.displayName() != "maktab.jdn", replaced);
    QCOMPARE(shell.app->project.isModified(), !replaced);
    // The change touch() made reached the file only when Yes saved it.
    const ReadResult file =
        readImageFile(shell.home.root() / "maktab.jdn", StoredForm::ProjectFile);
    QVERIFY(file.ok());
    QCOMPARE(loadText(file.image->header.town) == "Changed", savedFirst);
  }

  void unsavedQuestionOnOpen_data() {
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("openDialogs");
    QTest::newRow("yes") << "Btha" << 1;
    QTest::newRow("no") << "Btyuq" << 1;
    QTest::newRow("cancel") << "Btno" << 0;
  }
  void unsavedQuestionOnOpen() {
    QFETCH(QString, button);
    QFETCH(int, openDialogs);
    Shell shell;
    openModifiedProject(shell);
    shell.dialogs.clickNext(button);
    shell.files->openAnswer = shell.home.path("maktab.jdn");
    shell.window->findChild<QAction*>(QStringLiteral("N21"))->trigger();
    Shell::serveQueued();
    QCOMPARE(static_cast<int>(shell.dialogs.seen.size()), 1);
    QCOMPARE(shell.files->openCalls, openDialogs);
    QCOMPARE(shell.app->project.isModified(), openDialogs == 0);
  }

  void unsavedQuestionOnClose_data() {
    QTest::addColumn<QString>("button");
    QTest::addColumn<bool>("closed");
    QTest::addColumn<bool>("modifiedAfter");
    QTest::newRow("yes saves and closes") << "Btha" << true << false;
    QTest::newRow("no closes without saving") << "Btyuq" << true << true;
    QTest::newRow("cancel keeps the window open") << "Btno" << false << true;
  }
  void unsavedQuestionOnClose() {
    QFETCH(QString, button);
    QFETCH(bool, closed);
    QFETCH(bool, modifiedAfter);
    Shell shell;
    openModifiedProject(shell);
    shell.dialogs.clickNext(button);
    QCOMPARE(shell.window->close(), closed);
    QCOMPARE(shell.window->isVisible(), !closed);
    QCOMPARE(shell.app->project.isModified(), modifiedAfter);
  }

  void yesOnCloseOfAnUntitledProjectThenCancelledSaveKeepsTheWindow() {
    Shell shell;
    shell.window->fileCommands().newProject();
    shell.touch();
    shell.dialogs.clickNext("Btha");
    shell.files->saveAnswer.clear();  // the save dialog is cancelled
    QVERIFY(!shell.window->close());
    QCOMPARE(shell.files->saveCalls, 1);
    QVERIFY(shell.app->project.isModified());
  }

  void nothingIsAskedWithoutChanges() {
    Shell shell;
    shell.window->fileCommands().newProject();
    shell.window->fileCommands().newProject();
    shell.files->openAnswer.clear();
    shell.window->fileCommands().requestOpen(true);
    Shell::serveQueued();
    QVERIFY(shell.window->close());
    QCOMPARE(static_cast<int>(shell.dialogs.seen.size()), 0);
  }

  void untitledProjectIsNamedByLines8And19() {
    Shell shell;
    shell.window->fileCommands().newProject();
    shell.touch();
    QCOMPARE(shell.window->fileCommands().unsavedChangesQuestion(),
             q("\"" + shell.line(lines::kUntitledProjectName) +
               shell.line(lines::kProjectFileExtension) + "\" " +
               shell.line(lines::kUnsavedChangesQuestion)));
  }

  void missingFileIsSaidAndNothingChanges() {
    Shell shell;
    shell.window->fileCommands().newProject();
    const auto before = shell.app->project.displayName();
    shell.files->openAnswer = shell.home.path("nowhere/yoq");
    shell.dialogs.clickNext("Btok");
    shell.window->fileCommands().requestOpen(true);
    Shell::serveQueued();
    QCOMPARE(static_cast<int>(shell.dialogs.seen.size()), 1);
    QCOMPARE(shell.dialogs.seen[0].objectName, QStringLiteral("TFxabar"));
    QCOMPARE(shell.dialogs.seen[0].text, q(shell.line(lines::kFileNotFoundHead) + "\n\"yoq\"" +
                                           shell.line(lines::kFileNotFoundTail)));
    QCOMPARE(shell.app->project.displayName(), before);
  }

  void openAddsTheExtensionWhenThatFileExists() {
    Shell shell;
    shell.window->fileCommands().newProject();
    QVERIFY(shell.app->storage.save(shell.home.root() / "maktab.jdn"));
    shell.window->fileCommands().newProject();
    shell.files->openAnswer = shell.home.path("maktab");
    shell.window->fileCommands().requestOpen(false);
    Shell::serveQueued();
    QCOMPARE(shell.app->project.displayName(), std::string("maktab.jdn"));
    QCOMPARE(shell.window->mainTabs().currentIndex(), 0);
  }

  void damagedFileIsSaidAndTheOpenProjectStays() {
    Shell shell;
    shell.window->fileCommands().newProject();
    QVERIFY(shell.app->storage.save(shell.home.root() / "maktab.jdn"));
    writeGarbage(shell.home.root() / "buzuq.jdn");
    shell.files->openAnswer = shell.home.path("buzuq.jdn");
    shell.dialogs.clickNext("Btok");
    shell.window->fileCommands().requestOpen(true);
    Shell::serveQueued();
    QCOMPARE(static_cast<int>(shell.dialogs.seen.size()), 1);
    QCOMPARE(shell.app->project.displayName(), std::string("maktab.jdn"));
    QVERIFY(shell.app->project.path().ends_with("maktab.jdn"));
  }

  void saveAsOntoAnExistingFile_data() {
    QTest::addColumn<QString>("button");
    QTest::addColumn<bool>("saved");
    QTest::newRow("yes replaces it") << "Btha" << true;
    QTest::newRow("no changes nothing") << "Btyuq" << false;
  }
  void saveAsOntoAnExistingFile() {
    QFETCH(QString, button);
    QFETCH(bool, saved);
    Shell shell;
    shell.window->fileCommands().newProject();
    writeGarbage(shell.home.root() / "eski.jdn");
    shell.touch();
    shell.files->saveAnswer = shell.home.path("eski");
    shell.dialogs.clickNext(button);
    shell.window->findChild<QAction*>(QStringLiteral("N41"))->trigger();
    Shell::serveQueued();
    QCOMPARE(static_cast<int>(shell.dialogs.seen.size()), 1);
    QCOMPARE(shell.dialogs.seen[0].objectName, QStringLiteral("TFmaylimi"));
    QCOMPARE(shell.dialogs.seen[0].text, q("\"eski.jdn\"" + shell.line(lines::kOverwriteQuestion)));
    QCOMPARE(shell.app->project.displayName() == "eski.jdn", saved);
    QCOMPARE(shell.app->project.isModified(), !saved);
    QCOMPARE(std::filesystem::file_size(shell.home.root() / "eski.jdn") > 100, saved);
  }

  void saveAsExtensionRule_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("existing");
    QTest::addColumn<QString>("target");
    QTest::addColumn<bool>("asked");
    QTest::newRow("a bare name gets the extension") << "yangi"
                                                    << ""
                                                    << "yangi.jdn" << false;
    QTest::newRow("a typed extension of a new file is kept as typed") << "yangi.jdn"
                                                                      << ""
                                                                      << "yangi.jdn" << false;
    QTest::newRow("a typed extension of an existing file is that file") << "bor.jdn"
                                                                        << "bor.jdn"
                                                                        << "bor.jdn" << true;
    QTest::newRow("an existing file without extension is asked about") << "qayd"
                                                                       << "qayd"
                                                                       << "qayd" << true;
  }
  void saveAsExtensionRule() {
    QFETCH(QString, typed);
    QFETCH(QString, existing);
    QFETCH(QString, target);
    QFETCH(bool, asked);
    Shell shell;
    shell.window->fileCommands().newProject();
    if (!existing.isEmpty()) writeGarbage(shell.home.root() / existing.toStdString());
    shell.files->saveAnswer = shell.home.path(typed.toStdString());
    if (asked) shell.dialogs.clickNext("Btha");
    QVERIFY(shell.window->fileCommands().saveAs());
    QCOMPARE(static_cast<int>(shell.dialogs.seen.size()), asked ? 1 : 0);
    QCOMPARE(q(shell.app->project.displayName()), target);
    QVERIFY(std::filesystem::is_regular_file(shell.home.root() / target.toStdString()));
  }

  void saveWithoutPathAsksForAName() {
    Shell shell;
    shell.window->fileCommands().newProject();
    shell.files->saveAnswer = shell.home.path("birinchi");
    shell.window->findChild<QAction*>(QStringLiteral("N31"))->trigger();
    QCOMPARE(shell.files->saveCalls, 0);  // served after the menu command has returned
    Shell::serveQueued();
    QCOMPARE(shell.files->saveCalls, 1);
    QCOMPARE(shell.app->project.displayName(), std::string("birinchi.jdn"));
  }

  void exampleOpensUntitledOnTheTimetableTabAndSaveAsksForAName() {
    Shell shell;
    shell.dialogs.answerNext([](QDialog& dialog) {
      auto* list = dialog.findChild<QListWidget*>(QStringLiteral("exampleList"));
      list->setCurrentRow(0);
      dialog.findChild<QPushButton*>(QStringLiteral("Btochish"))->click();
    });
    shell.window->findChild<QAction*>(QStringLiteral("N61"))->trigger();
    QCOMPARE(shell.app->project.displayName(), std::string(ProgramHome::kExampleName));
    QVERIFY(shell.app->project.path().empty());
    QVERIFY(!shell.window->isWelcomeShown());
    QCOMPARE(shell.window->mainTabs().currentIndex(), 2);
    shell.files->saveAnswer.clear();
    shell.window->fileCommands().requestSave();
    Shell::serveQueued();
    QCOMPARE(shell.files->saveCalls, 1);
  }

  void doubleClickOnAnExampleOpensIt() {
    Shell shell;
    shell.dialogs.answerNext([](QDialog& dialog) {
      auto* list = dialog.findChild<QListWidget*>(QStringLiteral("exampleList"));
      const QRect row = list->visualItemRect(list->item(0));
      QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, row.center());
      QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, row.center());
    });
    shell.window->fileCommands().showExamples();
    QCOMPARE(shell.app->project.displayName(), std::string(ProgramHome::kExampleName));
    QVERIFY(!shell.window->isWelcomeShown());
  }

  void saveIntoAMissingFolderIsSaidAndKeepsTheChanges() {
    Shell shell;
    shell.window->fileCommands().newProject();
    shell.touch();
    const std::string name = shell.app->project.displayName();
    shell.files->saveAnswer = shell.home.path("yoq_papka/maktab");
    shell.dialogs.clickNext("Btok");
    QVERIFY(!shell.window->fileCommands().saveAs());
    QCOMPARE(static_cast<int>(shell.dialogs.seen.size()), 1);
    QVERIFY(shell.dialogs.seen[0].text.startsWith(q(shell.line(lines::kSaveFailed))));
    QVERIFY(shell.app->project.isModified());
    QVERIFY(shell.app->project.path().empty());
    QCOMPARE(shell.app->project.displayName(), name);
  }

  void lastProjectLinkOpensTheProject() {
    ProgramHome home;
    {
      Shell first;
      first.window->fileCommands().newProject();
      storeText(first.app->project.edit().header.town, "Termiz");
      QVERIFY(first.app->storage.save(home.root() / "oxirgi.jdn"));
      writeTextAtomically(home.root() / "temp" / "0101.txt", (home.root() / "oxirgi.jdn").string());
    }
    AppContext app{ProgramFolder(home.root())};
    TFbosh window(app);
    window.show();
    window.findChild<QPushButton*>(QStringLiteral("lfnomi"))->click();
    QVERIFY(!window.isWelcomeShown());
    QCOMPARE(loadText(app.project.image().header.town), std::string("Termiz"));
    QCOMPARE(app.project.displayName(), std::string("oxirgi.jdn"));
  }

  void examplesDialogWithNothingChosenSaysSoAndStays() {
    Shell shell;
    shell.dialogs.answerNext([](QDialog& dialog) {
      dialog.findChild<QPushButton*>(QStringLiteral("Btochish"))->click();
    });
    shell.dialogs.clickNext("Btok");  // line 695 over the examples dialog
    shell.dialogs.answerNext([](QDialog& dialog) { dialog.reject(); });
    shell.window->fileCommands().showExamples();
    // The examples dialog, the message over it, and the examples dialog again.
    QCOMPARE(static_cast<int>(shell.dialogs.seen.size()), 3);
    QCOMPARE(shell.dialogs.seen[1].objectName, QStringLiteral("TFxabar"));
    QCOMPARE(shell.dialogs.seen[1].text, q(shell.line(lines::kNoExampleChosen)));
    QCOMPARE(shell.dialogs.seen[2].objectName, QStringLiteral("TFmisollar"));
    QVERIFY(shell.window->isWelcomeShown());
  }

  void lastProjectLink_data() {
    QTest::addColumn<int>("note");  // 0 none, 1 an existing file, 2 a deleted file
    QTest::addColumn<bool>("shown");
    QTest::newRow("no note") << 0 << false;
    QTest::newRow("note names an existing file") << 1 << true;
    QTest::newRow("note names a deleted file") << 2 << false;
  }
  void lastProjectLink() {
    QFETCH(int, note);
    QFETCH(bool, shown);
    ProgramHome home;
    const auto project = home.root() / "oxirgi.jdn";
    if (note == 1) writeGarbage(project);
    if (note != 0) writeTextAtomically(home.root() / "temp" / "0101.txt", project.string());
    AppContext app{ProgramFolder(home.root())};
    TFbosh window(app);
    window.show();
    auto* link = window.findChild<QPushButton*>(QStringLiteral("lfnomi"));
    QVERIFY(link != nullptr);
    QCOMPARE(link->isVisible(), shown);
    if (shown) QCOMPARE(link->toolTip(), QString::fromStdString(project.string()));
  }

  void reminderAsksAtThirtyMinutesAndNoPostponesIt() {
    Shell shell;
    shell.window->fileCommands().newProject();  // not modified: it is asked all the same
    FileCommands& commands = shell.window->fileCommands();
    shell.app->project.setSaveReminderSeconds(FileCommands::kReminderSeconds - 2);
    commands.reminderTick();
    QCOMPARE(static_cast<int>(shell.dialogs.seen.size()), 0);
    shell.dialogs.clickNext("Btyuq");
    commands.reminderTick();
    QCOMPARE(static_cast<int>(shell.dialogs.seen.size()), 1);
    QCOMPARE(shell.dialogs.seen[0].objectName, QStringLiteral("TFmaylimi"));
    QCOMPARE(shell.dialogs.seen[0].text, q("\"" + shell.app->project.displayName() + "\" " +
                                           shell.line(lines::kSaveReminderQuestion)));
    QCOMPARE(shell.app->project.saveReminderSeconds(), 0);
    for (int i = 1; i < FileCommands::kReminderSeconds; ++i) commands.reminderTick();
    QCOMPARE(static_cast<int>(shell.dialogs.seen.size()), 1);
    shell.dialogs.clickNext("Btyuq");
    commands.reminderTick();
    QCOMPARE(static_cast<int>(shell.dialogs.seen.size()), 2);
  }

  void reminderYesSaves() {
    Shell shell;
    shell.window->fileCommands().newProject();
    QVERIFY(shell.app->storage.save(shell.home.root() / "maktab.jdn"));
    shell.touch();
    shell.app->project.setSaveReminderSeconds(FileCommands::kReminderSeconds - 1);
    shell.dialogs.clickNext("Btha");
    shell.window->fileCommands().reminderTick();
    QVERIFY(!shell.app->project.isModified());
    QCOMPARE(shell.app->project.saveReminderSeconds(), 0);
  }

  void reminderStaysSilentWithoutAProject() {
    Shell shell;
    shell.app->project.setSaveReminderSeconds(FileCommands::kReminderSeconds - 1);
    shell.window->fileCommands().reminderTick();
    QCOMPARE(static_cast<int>(shell.dialogs.seen.size()), 0);
    QCOMPARE(shell.app->project.saveReminderSeconds(), FileCommands::kReminderSeconds);
    shell.app->project.setSaveReminderSeconds(FileCommands::kReminderWrap - 1);
    shell.window->fileCommands().reminderTick();
    QCOMPARE(shell.app->project.saveReminderSeconds(), 0);
  }

  void manualOpensTheLanguagesFileOrSaysItIsMissing() {
    Shell shell;
    shell.dialogs.clickNext("Btok");
    shell.window->openManual();
    QCOMPARE(static_cast<int>(shell.dialogs.seen.size()), 1);
    QVERIFY(shell.dialogs.seen[0].text.contains(QStringLiteral("Yuriqnoma")));
    QVERIFY(shell.openedDocuments.empty());
    std::filesystem::create_directories(shell.home.root() / "Yuriqnoma");
    writeTextAtomically(shell.home.root() / "Yuriqnoma" / "1.html", "<html></html>");
    shell.window->openManual();
    QCOMPARE(static_cast<int>(shell.openedDocuments.size()), 1);
    QVERIFY(shell.openedDocuments[0].toLocalFile().endsWith(QStringLiteral("Yuriqnoma/1.html")));
  }
};

QTEST_MAIN(FileCommandsTest)
#include "file_commands_test.moc"
