// The school settings tab: typing stores cut text and marks the project, the working days and
// the shift numbers derive the shift grids, and Enter walks through the tab.
#include <QLineEdit>
#include <QSignalSpy>
#include <QTabWidget>
#include <QtTest>
#include <cstring>

#include "app/school_settings_tab.h"
#include "app/up_down_edit.h"
#include "model/text_codec.h"
#include "shell_fixture.h"

using namespace jadvalon;
using namespace jadvalon::testing;

namespace {

// The shell with a new project open on the school tab, unmodified.
struct SchoolShell : Shell {
  SchoolShell() {
    window->fileCommands().newProject();
    tab = &window->schoolTab();
  }
  template <typename T>
  T* find(const char* name) {
    return window->findChild<T*>(QString::fromLatin1(name));
  }
  UpDownEdit* upDown(const char* name) { return find<UpDownEdit>(name); }
  const TLoyihaHeader& header() const { return app->project.image().header; }
  // Sets an up-down as a click on its arrows would, ending on `value`.
  void step(const char* name, int value) {
    UpDownEdit* control = upDown(name);
    QVERIFY(control != nullptr);
    while (control->value() < value) control->stepUp();
    while (control->value() > value) control->stepDown();
  }
  int cellsOfDay(int shift, int day) const {
    int count = 0;
    for (int p = 0; p < kPeriods; ++p) count += header().shifts[shift].grid[day - 1][p] != 0;
    return count;
  }
  SchoolSettingsTab* tab = nullptr;
};

}  // namespace

class SchoolTabTest : public QObject {
  Q_OBJECT

 private slots:
  void typingStoresTheCutTextAndMarksTheProject_data() {
    QTest::addColumn<QString>("edit");
    QTest::addColumn<int>("capacity");
    QTest::newRow("institution") << "Emuassasa" << 100;
    QTest::newRow("director") << "Edirektor" << 50;
    QTest::newRow("town") << "Eshahar" << 50;
    QTest::newRow("academic year") << "Euquv_yil" << 20;
    QTest::newRow("deputy director") << "EUIBDU" << 47;
    QTest::newRow("psychologist") << "EPsixolog" << 47;
    QTest::newRow("period time 1") << "dv1" << 15;
    QTest::newRow("period time 14") << "dv14" << 15;
  }
  void typingStoresTheCutTextAndMarksTheProject() {
    QFETCH(QString, edit);
    QFETCH(int, capacity);
    SchoolShell shell;
    if (edit.startsWith(QLatin1String("dv")))
      shell.tab->showPage(SchoolSettingsTab::kPeriodTimesPage);
    auto* field = shell.window->findChild<QLineEdit*>(edit);
    QVERIFY(field != nullptr);
    field->clear();
    QVERIFY(!shell.app->project.isModified());
    const QString typed = QStringLiteral("Qo'qon ").repeated(20);  // 140 characters
    QTest::keyClicks(field, typed);
    QVERIFY(shell.app->project.isModified());
    const TLoyiha& image = shell.app->project.image();
    std::string stored;
    if (edit == QLatin1String("Emuassasa")) stored = loadText(image.header.institution);
    if (edit == QLatin1String("Edirektor")) stored = loadText(image.header.director);
    if (edit == QLatin1String("Eshahar")) stored = loadText(image.header.town);
    if (edit == QLatin1String("Euquv_yil")) stored = loadText(image.header.academicYear);
    if (edit == QLatin1String("EUIBDU"))
      stored = loadText(image.teachers[kDeputyDirectorSlot].name);
    if (edit == QLatin1String("EPsixolog"))
      stored = loadText(image.teachers[kPsychologistSlot].name);
    if (edit == QLatin1String("dv1")) stored = loadText(image.header.periodTimes[0]);
    if (edit == QLatin1String("dv14")) stored = loadText(image.header.periodTimes[13]);
    QCOMPARE(QString::fromStdString(stored), typed.left(capacity));
  }

  void cyrillicTextIsStoredInTheCodePage() {
    SchoolShell shell;
    auto* field = shell.find<QLineEdit>("Emuassasa");
    field->clear();
    // keyClicks knows Latin-1 only: the Cyrillic letters are typed one key event each.
    for (const QChar letter : QStringLiteral("Қўқон мактаби"))
      QTest::sendKeyEvent(QTest::Click, field, Qt::Key_unknown, QString(letter), Qt::NoModifier);
    // Қ is not in the code page: it is kept as its nearest letter.
    QCOMPARE(QString::fromStdString(loadText(shell.header().institution)),
             QStringLiteral("Кўкон мактаби"));
  }

  void namesLandInTeacherSlots398And399() {
    SchoolShell shell;
    auto* psychologist = shell.find<QLineEdit>("EPsixolog");
    psychologist->clear();
    QTest::keyClicks(psychologist, QStringLiteral("Karimova Dilnoza"));
    auto* deputy = shell.find<QLineEdit>("EUIBDU");
    deputy->clear();
    QTest::keyClicks(deputy, QStringLiteral("Aliyev Bobur"));
    const TLoyiha& image = shell.app->project.image();
    QCOMPARE(loadText(image.teachers[kPsychologistSlot].name), std::string("Karimova Dilnoza"));
    QCOMPARE(loadText(image.teachers[kDeputyDirectorSlot].name), std::string("Aliyev Bobur"));
    QCOMPARE(static_cast<int>(image.teacherCount), 0);  // no teacher was added by it
  }

  void fiveWorkingDaysClearDaySixOfEveryShiftAndSixSetItBack() {
    SchoolShell shell;
    shell.tab->showPage(SchoolSettingsTab::kWorkingDaysPage);
    for (int s = 0; s < 3; ++s) QVERIFY(shell.cellsOfDay(s, 6) > 0);
    auto* note = shell.find<QLabel>("L22");
    QVERIFY(!note->isVisible());

    shell.step("Upish_kuni", 5);
    QCOMPARE(static_cast<int>(shell.header().workingDays), 5);
    QVERIFY(shell.app->project.isModified());
    QVERIFY(note->isVisible());
    for (int s = 0; s < 3; ++s) {
      QCOMPARE(shell.cellsOfDay(s, 6), 0);
      QVERIFY(shell.cellsOfDay(s, 5) > 0);
      QVERIFY(!shell.tab->shiftGrid(s + 1)->isAvailable(6, shell.header().shifts[s].firstPeriod));
    }
    shell.step("Upish_kuni", 6);
    QVERIFY(!note->isVisible());
    for (int s = 0; s < 3; ++s) {
      QCOMPARE(shell.cellsOfDay(s, 6), shell.header().shifts[s].lessonsPerDay);
      QVERIFY(shell.tab->shiftGrid(s + 1)->isAvailable(6, shell.header().shifts[s].firstPeriod));
      QVERIFY(!shell.tab->shiftGrid(s + 1)->isAvailable(7, shell.header().shifts[s].firstPeriod));
    }
  }

  void firstPeriodTenWithSevenLessonsGivesFiveCellsADay() {
    SchoolShell shell;
    shell.tab->showPage(SchoolSettingsTab::kShiftsPage);
    shell.step("Udarslar1", 7);
    shell.step("Uboshi1", 10);
    const TSmena& shift = shell.header().shifts[0];
    QCOMPARE(static_cast<int>(shift.firstPeriod), 10);
    QCOMPARE(static_cast<int>(shift.lessonsPerDay), 7);
    for (int d = 1; d <= 6; ++d) {
      QCOMPARE(shell.cellsOfDay(0, d), 5);
      QVERIFY(shift.grid[d - 1][9] != 0 && shift.grid[d - 1][13] != 0 && shift.grid[d - 1][8] == 0);
    }
    QCOMPARE(shell.tab->shiftGrid(1)->availableCount(), 30);
  }

  void lookingAtTheShiftPagesChangesNothing() {
    SchoolShell shell;
    shell.tab->showPage(SchoolSettingsTab::kShiftsPage);
    auto* shifts = shell.find<QTabWidget>("Sahifa3");
    shifts->setCurrentIndex(1);
    shifts->setCurrentIndex(2);
    shifts->setCurrentIndex(0);
    QVERIFY(!shell.app->project.isModified());
  }

  void shiftPagesFollowEveryRead() {
    SchoolShell shell;
    shell.step("Uboshi2", 3);
    QCOMPARE(static_cast<int>(shell.header().shifts[1].firstPeriod), 3);
    shell.app->project.setModified(false);
    shell.window->fileCommands().newProject();  // the template has shift 2 from period 7
    QCOMPARE(shell.upDown("Uboshi2")->value(), 7);
    shell.step("Udarslar2", shell.upDown("Udarslar2")->value() - 1);
    QCOMPARE(static_cast<int>(shell.header().shifts[1].firstPeriod), 7);
  }

  void enterWalksThroughTheTab_data() {
    QTest::addColumn<QString>("from");
    QTest::addColumn<QString>("to");
    QTest::addColumn<int>("page");
    QTest::addColumn<int>("shiftPage");
    QTest::newRow("institution") << "Emuassasa"
                                 << "Edirektor" << 0 << -1;
    QTest::newRow("director") << "Edirektor"
                              << "Eshahar" << 0 << -1;
    QTest::newRow("town") << "Eshahar"
                          << "Euquv_yil" << 0 << -1;
    QTest::newRow("year") << "Euquv_yil"
                          << "EUIBDU" << 0 << -1;
    QTest::newRow("deputy") << "EUIBDU"
                            << "EPsixolog" << 0 << -1;
    QTest::newRow("psychologist") << "EPsixolog"
                                  << "Eish_kun" << 1 << -1;
    QTest::newRow("working days") << "Eish_kun"
                                  << "Edit6" << 2 << 0;
    QTest::newRow("shift 1 first") << "Edit6"
                                   << "Edit7" << 2 << 0;
    QTest::newRow("shift 1 lessons") << "Edit7"
                                     << "Edit8" << 2 << 1;
    QTest::newRow("shift 2 first") << "Edit8"
                                   << "Edit9" << 2 << 1;
    QTest::newRow("shift 2 lessons") << "Edit9"
                                     << "Edit10" << 2 << 2;
    QTest::newRow("shift 3 first") << "Edit10"
                                   << "Edit11" << 2 << 2;
    QTest::newRow("shift 3 lessons") << "Edit11"
                                     << "dv1" << 3 << 0;
    QTest::newRow("period 1") << "dv1"
                              << "dv2" << 3 << -1;
    QTest::newRow("period 13") << "dv13"
                               << "dv14" << 3 << -1;
  }
  void enterWalksThroughTheTab() {
    QFETCH(QString, from);
    QFETCH(QString, to);
    QFETCH(int, page);
    QFETCH(int, shiftPage);
    SchoolShell shell;
    shell.window->activateWindow();
    QWidget* source = shell.window->findChild<QLineEdit*>(from);
    QVERIFY(source != nullptr);
    if (auto* upDown = qobject_cast<UpDownEdit*>(source->parentWidget())) source = upDown;
    // Show the page of the source as the user would have reached it.
    const int sourcePage = from.startsWith(QLatin1String("dv"))     ? 3
                           : from.startsWith(QLatin1String("Edit")) ? 2
                           : from == QLatin1String("Eish_kun")      ? 1
                                                                    : 0;
    shell.tab->showPage(sourcePage);
    if (sourcePage == 2)
      shell.find<QTabWidget>("Sahifa3")->setCurrentIndex((from.mid(4).toInt() - 6) / 2);
    source->setFocus();
    QTest::keyClick(source, Qt::Key_Return);
    QCOMPARE(shell.tab->currentPage(), page);
    if (shiftPage >= 0) QCOMPARE(shell.find<QTabWidget>("Sahifa3")->currentIndex(), shiftPage);
    QWidget* focused = shell.window->focusWidget();
    QVERIFY(focused != nullptr);
    // An up-down and its edit are one control: either may hold the focus.
    if (auto* upDown = qobject_cast<UpDownEdit*>(focused)) focused = upDown->edit();
    QCOMPARE(focused->objectName(), to);
    auto* target = qobject_cast<QLineEdit*>(focused);
    QVERIFY(target != nullptr);
    if (!target->text().isEmpty()) QCOMPARE(target->selectedText(), target->text());
  }

  void enterInTheLastPeriodTimeGoesToTheLists() {
    SchoolShell shell;
    QSignalSpy lists(shell.window.get(), &TFbosh::classesListRequested);
    shell.tab->showPage(SchoolSettingsTab::kPeriodTimesPage);
    auto* last = shell.find<QLineEdit>("dv14");
    last->setFocus();
    QTest::keyClick(last, Qt::Key_Return);
    QCOMPARE(shell.window->mainTabs().currentIndex(), TFbosh::kListsTab);
    QCOMPARE(lists.count(), 1);
  }

  void periodTimesPageIsFilledWhenOpened() {
    SchoolShell shell;
    shell.tab->showPage(SchoolSettingsTab::kPeriodTimesPage);
    QCOMPARE(shell.find<QLineEdit>("dv3")->text(), QStringLiteral("10:00-10:45"));
    QCOMPARE(shell.window->focusWidget(), shell.find<QLineEdit>("dv1"));
  }

  void pageButtonOfTheShownPageIsPressed() {
    SchoolShell shell;
    const char* const names[] = {"sp1", "sp2", "sp0", "sp3"};
    for (int page = 0; page < 4; ++page) {
      shell.find<QToolButton>(names[page])->click();
      QCOMPARE(shell.tab->currentPage(), page);
      for (int other = 0; other < 4; ++other) {
        auto* button = shell.find<QToolButton>(names[other]);
        QCOMPARE(button->autoRaise(), other != page);
      }
    }
  }
};

QTEST_MAIN(SchoolTabTest)
#include "school_tab_test.moc"
