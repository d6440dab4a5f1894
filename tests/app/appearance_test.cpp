// Styles, icon sets and languages: what a switch changes, what it writes, and what it leaves.
#include <QAction>
#include <QListWidget>
#include <QRadioButton>
#include <QTabWidget>
#include <QToolButton>
#include <QtTest>

#include "app/appearance_dialog.h"
#include "i18n/lines.h"
#include "model/text_codec.h"
#include "shell_fixture.h"
#include "storage/atomic_file.h"
#include "storage/file_bytes.h"

using namespace jadvalon;
using namespace jadvalon::testing;

namespace {

std::string fileText(const std::filesystem::path& file) {
  return readFileBytes(file).bytes.value_or("<missing>");
}

}  // namespace

class AppearanceTest : public QObject {
  Q_OBJECT

 private slots:
  void catalogueHasTheListedStylesWithTheFixedPalettes() {
    QCOMPARE(StyleCatalogue::count(), 35);
    QCOMPARE(StyleCatalogue::at(0).name, QStringLiteral("Windows"));
    QCOMPARE(StyleCatalogue::at(34).name, QStringLiteral("Metropolis UI Blue"));
    struct Fixed {
      const char* name;
      BoardColours board;
      int iconSet;
    };
    const Fixed fixed[] = {
        {"Windows", {16757865, 14211288, 13158600, 16777215, 11775403}, 0},
        {"Luna", {5823231, 16378847, 15643526, 16777215, 14988432}, 0},
        {"Sky", {15456429, 16053492, 12829635, 16777215, 13158600}, 1},
        {"Windows10 SlateGray", {10856567, 9076326, 4340783, 6445643, 3682854}, 2},
    };
    for (const Fixed& f : fixed) {
      const int position = StyleCatalogue::find(QString::fromLatin1(f.name));
      QVERIFY2(position >= 0, f.name);
      QVERIFY2(StyleCatalogue::at(position).board == f.board, f.name);
      QCOMPARE(StyleCatalogue::at(position).iconSet.value_or(-1), f.iconSet);
    }
    int withIconSet = 0;
    for (int i = 0; i < StyleCatalogue::count(); ++i)
      withIconSet += StyleCatalogue::at(i).iconSet.has_value() ? 1 : 0;
    QCOMPARE(withIconSet, 4);
  }

  void everyStyleHasReadableText() {
    for (int i = 0; i < StyleCatalogue::count(); ++i) {
      const StyleDefinition& style = StyleCatalogue::at(i);
      const QPalette& p = style.palette;
      const int contrast = std::abs(p.color(QPalette::Window).lightness() -
                                    p.color(QPalette::WindowText).lightness());
      QVERIFY2(contrast > 120, qPrintable(style.name));
      const int baseContrast =
          std::abs(p.color(QPalette::Base).lightness() - p.color(QPalette::Text).lightness());
      QVERIFY2(baseContrast > 120, qPrintable(style.name));
    }
  }

  void styleSwitchWritesTheIndexAndChangesTheBoardColours_data() {
    QTest::addColumn<QString>("style");
    QTest::addColumn<int>("iconSet");
    QTest::newRow("Sky picks icon set 1") << "Sky" << 1;
    QTest::newRow("SlateGray picks icon set 2") << "Windows10 SlateGray" << 2;
    QTest::newRow("Carbon keeps the icon set") << "Carbon" << 3;
  }
  void styleSwitchWritesTheIndexAndChangesTheBoardColours() {
    QFETCH(QString, style);
    QFETCH(int, iconSet);
    Shell shell;
    shell.app->icons.select(3);
    const BoardColours before = shell.app->styles.boardColours();
    QSignalSpy colours(&shell.app->styles, &StyleManager::boardColoursChanged);
    AppearanceDialog dialog(*shell.app, shell.window.get());
    const int position = StyleCatalogue::find(style);
    dialog.styleList()->setCurrentRow(position);
    QCOMPARE(QApplication::style()->name().toLower(),
             StyleCatalogue::at(position).qtStyle.toLower());
    QCOMPARE(fileText(shell.home.root() / "sozlash" / "dizayn_index.txt"),
             std::to_string(position));
    QVERIFY(!(shell.app->styles.boardColours() == before));
    QCOMPARE(colours.count(), 1);
    QVERIFY(shell.app->styles.boardColours() == StyleCatalogue::at(position).board);
    QCOMPARE(shell.app->icons.current(), iconSet);
    QCOMPARE(QApplication::palette().color(QPalette::Window),
             StyleCatalogue::at(position).palette.color(QPalette::Window));
  }

  void iconSetChosenByHandStaysWithSky() {
    Shell shell;
    AppearanceDialog dialog(*shell.app, shell.window.get());
    dialog.styleList()->setCurrentRow(StyleCatalogue::find(QStringLiteral("Sky")));
    QCOMPARE(shell.app->icons.current(), 1);
    dialog.findChild<QToolButton*>(QStringLiteral("iconSetPicture3"))->click();
    QCOMPARE(shell.app->icons.current(), 3);
    QVERIFY(dialog.findChild<QRadioButton*>(QStringLiteral("iconSetRadio3"))->isChecked());
    QVERIFY(dialog.findChild<QToolButton*>(QStringLiteral("iconSetPicture3"))->isChecked());
    QVERIFY(!dialog.findChild<QToolButton*>(QStringLiteral("iconSetPicture1"))->isChecked());
    QCOMPARE(shell.app->styles.current(), StyleCatalogue::find(QStringLiteral("Sky")));
  }

  void rememberedStyleIsAppliedAtStartUp_data() {
    QTest::addColumn<QString>("index");
    QTest::addColumn<int>("position");
    QTest::newRow("missing file starts with Windows") << "" << 0;
    QTest::newRow("a position") << "15" << 15;
    QTest::newRow("beyond the list") << "99" << 0;
    QTest::newRow("not a number") << "Sky" << 0;
  }
  void rememberedStyleIsAppliedAtStartUp() {
    QFETCH(QString, index);
    QFETCH(int, position);
    ProgramHome home;
    if (!index.isEmpty()) {
      std::filesystem::create_directories(home.root() / "sozlash");
      writeTextAtomically(home.root() / "sozlash" / "dizayn_index.txt", index.toStdString());
    }
    AppContext app{ProgramFolder(home.root())};
    app.styles.applyStartStyle();
    QCOMPARE(app.styles.current(), StyleCatalogue::find(QStringLiteral("Luna")));
    TFbosh window(app);
    window.show();
    QCOMPARE(app.styles.current(), position);
  }

  void missingPicturesLeaveTextOnlyButtons() {
    Shell shell;  // the test home has no rasm folder at all
    auto* button = shell.window->findChild<QToolButton*>(QStringLiteral("spyaratish"));
    QVERIFY(button != nullptr);
    QVERIFY(button->icon().isNull());
    QVERIFY(!button->text().isEmpty());
    shell.app->icons.select(2);
    QVERIFY(button->icon().isNull());
  }

  void picturesAreFoundWithoutRegardToCase() {
    Shell shell;
    const auto folder = shell.home.root() / "rasm" / "0" / "32x32";
    std::filesystem::create_directories(folder);
    QImage image(32, 32, QImage::Format_ARGB32);
    image.fill(Qt::red);
    QVERIFY(image.save(QString::fromStdString((folder / "sinf.bmp").string()), "PNG"));
    QCOMPARE(shell.app->icons.pictureOf(0, QStringLiteral("32x32/Sinf.bmp")).size(), QSize(32, 32));
    QVERIFY(shell.app->icons.pictureOf(1, QStringLiteral("32x32/Sinf.bmp")).isNull());
  }

  void languageSwitchRelabelsAtOnceAndWritesTheIndex() {
    Shell shell(true, 1);
    shell.window->fileCommands().newProject();
    QAction* russian = shell.window->languageItem(3);
    QVERIFY(!russian->isChecked());
    QVERIFY(shell.window->languageItem(1)->isChecked());
    russian->trigger();
    QCOMPARE(fileText(shell.home.root() / "sozlash" / "til" / "til_index.txt"), std::string("3"));
    LanguageTable russianTexts;
    QVERIFY(shell.app->languages.load(3, russianTexts).ok);
    QCOMPARE(shell.window->fileMenu()->title(),
             QString::fromStdString(russianTexts.line(lines::kMenuFile)));
    QCOMPARE(shell.window->mainTabs().tabText(0),
             QString::fromStdString(russianTexts.line(lines::kTabSchool)));
    QCOMPARE(shell.window->findChild<QToolButton*>(QStringLiteral("sp1"))->text(),
             QString::fromStdString(russianTexts.line(lines::kSchoolPageDetails)));
    QVERIFY(russian->isChecked());
    QVERIFY(!shell.window->languageItem(1)->isChecked());
    // The day names of the language go into the open project.
    const std::string monday = russianTexts.line(lines::kFullDayNameFirst);
    QVERIFY(!monday.empty());
    QCOMPARE(loadText(shell.app->project.image().header.dayNames[0].fullName),
             cp1251ToUtf8(utf8ToCp1251(monday)));
    QVERIFY(shell.app->project.isModified());
  }

  void missingLanguageFileIsSaidAndTheTextsStay() {
    Shell shell(true, 1);
    std::filesystem::remove(shell.home.root() / "sozlash" / "til" / "2.til");
    const QString before = shell.window->fileMenu()->title();
    shell.dialogs.clickNext("Btok");
    shell.window->languageItem(2)->trigger();
    QCOMPARE(static_cast<int>(shell.dialogs.seen.size()), 1);
    QCOMPARE(shell.window->fileMenu()->title(), before);
  }
};

QTEST_MAIN(AppearanceTest)
#include "appearance_test.moc"
