// The main window.
#include "app/tf_bosh.h"

#include <QCloseEvent>
#include <QFileInfo>
#include <QGridLayout>
#include <QMenuBar>
#include <QUrl>

#include "app/app_context.h"
#include "app/appearance_dialog.h"
#include "app/background_panel.h"
#include "app/placeholder_page.h"
#include "app/school_settings_tab.h"
#include "app/tf_xabar.h"
#include "app/welcome_panel.h"
#include "i18n/lines.h"

namespace jadvalon {

TFbosh::TFbosh(AppContext& app, QWidget* parent) : QMainWindow(parent), app_(app) {
  setObjectName(QStringLiteral("TFbosh"));
  app_.prompter.setParentWindow(this);
  commands_ = new FileCommands(app_, this);

  welcome_ = new WelcomePanel(app_, this);
  auto* background = new BackgroundPanel(this);
  background->setObjectName(QStringLiteral("backgroundShape"));
  auto* centre = new QGridLayout(background);
  centre->addWidget(welcome_, 1, 1);
  centre->setRowStretch(0, 1);
  centre->setRowStretch(2, 2);
  centre->setColumnStretch(0, 1);
  centre->setColumnStretch(2, 1);
  welcomeBackground_ = background;

  Sahifa = new QTabWidget(this);
  Sahifa->setObjectName(QStringLiteral("Sahifa"));
  schoolTab_ = new SchoolSettingsTab(app_, Sahifa);
  Sahifa->addTab(schoolTab_, QString());
  const char* const laterNames[] = {"TabSheet2", "TabSheet3", "TabSheet4"};
  for (std::size_t i = 0; i < laterTabs_.size(); ++i) {
    laterTabs_[i] = new PlaceholderPage(QString::fromLatin1(laterNames[i]), app_.texts, Sahifa);
    Sahifa->addTab(laterTabs_[i], QString());
  }

  central_ = new QStackedWidget(this);
  central_->addWidget(welcomeBackground_);
  central_->addWidget(Sahifa);
  setCentralWidget(central_);
  buildMenus();

  connect(welcome_, &WelcomePanel::newRequested, commands_, &FileCommands::newProject);
  connect(welcome_, &WelcomePanel::openRequested, commands_,
          [this] { commands_->requestOpen(false); });
  connect(welcome_, &WelcomePanel::examplesRequested, commands_, &FileCommands::showExamples);
  connect(welcome_, &WelcomePanel::lastProjectRequested, commands_, &FileCommands::openLastProject);
  connect(commands_, &FileCommands::projectShown, this, &TFbosh::showProject);
  connect(commands_, &FileCommands::captionChanged, this, &TFbosh::updateCaption);
  connect(schoolTab_, &SchoolSettingsTab::finished, this, [this] {
    Sahifa->setCurrentIndex(kListsTab);
    emit classesListRequested();
  });
  // The undo history belongs to the timetable tab: leaving it for any other tab ends it.
  connect(Sahifa, &QTabWidget::currentChanged, this, [this](int index) {
    if (index != kTimetableTab) app_.undo.clear();
  });
  connect(&app_.icons, &IconSet::changed, this, &TFbosh::reloadPictures);
  connect(&app_.styles, &StyleManager::styleApplied, this, &TFbosh::paintBackground);

  Timer1.setInterval(200);
  connect(&Timer1, &QTimer::timeout, this, &TFbosh::updateCaption);

  resize(1100, 720);
  setMinimumSize(800, 560);
  retranslate();
  paintBackground();
}

TFbosh::~TFbosh() { app_.prompter.setParentWindow(nullptr); }

void TFbosh::buildMenus() {
  M11 = menuBar()->addMenu(QString());
  M11->setObjectName(QStringLiteral("M11"));
  auto item = [this](QMenu* menu, const char* name, const QKeySequence& shortcut) {
    QAction* action = menu->addAction(QString());
    action->setObjectName(QString::fromLatin1(name));
    if (!shortcut.isEmpty()) action->setShortcut(shortcut);
    return action;
  };
  N11 = item(M11, "N11", QKeySequence(Qt::CTRL | Qt::Key_N));
  N21 = item(M11, "N21", QKeySequence(Qt::CTRL | Qt::Key_O));
  N31 = item(M11, "N31", QKeySequence(Qt::CTRL | Qt::Key_S));
  N41 = item(M11, "N41", {});
  M11->addSeparator();
  N51 = item(M11, "N51", QKeySequence(Qt::CTRL | Qt::Key_T));
  N61 = item(M11, "N61", QKeySequence(Qt::CTRL | Qt::Key_M));
  M11->addSeparator();
  N71 = item(M11, "N71", QKeySequence(Qt::ALT | Qt::Key_F4));
  connect(N11, &QAction::triggered, commands_, &FileCommands::newProject);
  connect(N21, &QAction::triggered, commands_, [this] { commands_->requestOpen(true); });
  connect(N31, &QAction::triggered, commands_, &FileCommands::requestSave);
  connect(N41, &QAction::triggered, commands_, &FileCommands::requestSaveAs);
  connect(N51, &QAction::triggered, this, &TFbosh::clearTimetable);
  connect(N61, &QAction::triggered, commands_, &FileCommands::showExamples);
  // Exit closes the window like its title-bar button, with the same question first.
  connect(N71, &QAction::triggered, this, &QWidget::close);

  settingsMenu_ = menuBar()->addMenu(QString());
  settingsMenu_->setObjectName(QStringLiteral("settingsMenu"));
  languageMenu_ = settingsMenu_->addMenu(QString());
  languageMenu_->setObjectName(QStringLiteral("languageMenu"));
  for (int n = 1; n <= lines::kLanguageCount; ++n) {
    QAction* action = item(languageMenu_, "", {});
    action->setObjectName(QStringLiteral("languageItem%1").arg(n));
    action->setCheckable(true);
    connect(action, &QAction::triggered, this, [this, n] { switchLanguage(n); });
    languageItems_[static_cast<std::size_t>(n - 1)] = action;
  }
  translationEditorItem_ = item(settingsMenu_, "translationEditorItem", {});
  translationEditorItem_->setEnabled(false);  // the translation editor is not part of this build
  appearanceItem_ = item(settingsMenu_, "appearanceItem", {});
  connect(appearanceItem_, &QAction::triggered, this, &TFbosh::showSettingsDialog);

  helpMenu_ = menuBar()->addMenu(QString());
  helpMenu_->setObjectName(QStringLiteral("helpMenu"));
  manualItem_ = item(helpMenu_, "manualItem", QKeySequence(Qt::Key_F1));
  connect(manualItem_, &QAction::triggered, this, &TFbosh::openManual);
  updateItem_ = item(helpMenu_, "updateItem", {});
  updateItem_->setEnabled(false);  // the update check is not part of this build
}

void TFbosh::retranslate() {
  const UiTexts& t = app_.texts;
  M11->setTitle(t.text(lines::kMenuFile));
  N11->setText(t.text(lines::kMenuNewProject));
  N21->setText(t.text(lines::kMenuOpen));
  N31->setText(t.text(lines::kMenuSave));
  N41->setText(t.text(lines::kMenuSaveAs));
  N51->setText(t.text(lines::kMenuClearTimetable));
  N61->setText(t.text(lines::kMenuExamples));
  N71->setText(t.text(lines::kMenuExit));
  settingsMenu_->setTitle(t.text(lines::kMenuSettings));
  languageMenu_->setTitle(t.text(lines::kMenuLanguage));
  for (int n = 1; n <= lines::kLanguageCount; ++n)
    languageItems_[static_cast<std::size_t>(n - 1)]->setText(
        t.text(lines::kLanguageNameFirst + n - 1));
  translationEditorItem_->setText(t.text(lines::kMenuTranslationEditor));
  appearanceItem_->setText(t.text(lines::kMenuAppearance));
  helpMenu_->setTitle(t.text(lines::kMenuHelp));
  manualItem_->setText(t.text(lines::kMenuUserManual));
  updateItem_->setText(t.text(lines::kMenuCheckForUpdates));

  const int tabLines[] = {lines::kTabSchool, lines::kTabLists, lines::kTabTimetable,
                          lines::kTabSubstitutions};
  for (int i = 0; i < 4; ++i) Sahifa->setTabText(i, t.text(tabLines[i]));
  welcome_->retranslate();
  schoolTab_->retranslate();
  for (PlaceholderPage* page : laterTabs_) page->retranslate();
  if (app_.project.displayName().empty()) setWindowTitle(t.text(lines::kMainWindowTitle));
  updateCaption();
}

void TFbosh::reloadPictures() {
  welcome_->reloadPictures();
  schoolTab_->reloadPictures();
}

void TFbosh::paintBackground() {
  static_cast<BackgroundPanel*>(welcomeBackground_)->setColour(app_.styles.highlightColour());
}

void TFbosh::updateCaption() {
  const std::string& name = app_.project.displayName();
  if (name.empty()) return;
  const QString caption = QString::fromStdString(name) + QStringLiteral(" - ") +
                          app_.texts.text(lines::kMainWindowTitle);
  if (windowTitle() != caption) setWindowTitle(caption);
}

bool TFbosh::isWelcomeShown() const { return central_->currentWidget() == welcomeBackground_; }

void TFbosh::showProject(int tab) {
  central_->setCurrentWidget(Sahifa);
  Sahifa->setCurrentIndex(tab);
}

void TFbosh::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  startUp();
}

void TFbosh::startUp() {
  if (started_) return;
  started_ = true;
  const bool hasLanguages = std::filesystem::is_directory(app_.folder.languages());
  // Missing data folders are made rather than refusing to start; what cannot be made is said.
  if (!app_.folder.ensureDataFolders()) {
    for (const auto& folder :
         {app_.folder.temp(), app_.folder.archive(), app_.folder.templateFile().parent_path(),
          app_.folder.examples(), app_.folder.languages()}) {
      if (std::filesystem::is_directory(folder)) continue;
      TFxabar::showMessage(this, app_.texts,
                           app_.texts.text(lines::kFolderNotCreated) + QLatin1Char('\n') +
                               QString::fromStdString(folder.string()));
      break;
    }
  }
  // The remembered look first: it may bring its own icon set, whose pictures load last.
  app_.styles.apply(app_.styles.rememberedPosition());
  if (hasLanguages) loadStartLanguage();
  // The lesson edit buffer starts with every slot available.
  app_.project.prepareNewLesson();
  app_.folder.removeReportFiles();
  app_.undo.clear();
  QString last;
  if (const auto note = app_.folder.lastProject()) {
    const QString path = QString::fromStdString(*note);
    if (QFileInfo(path).isFile()) last = path;
  }
  welcome_->setLastProject(last);
  reloadPictures();
  Timer1.start();
  commands_->reminderTimer().start();
}

void TFbosh::loadStartLanguage() {
  LanguageLoad loaded;
  // A fresh installation has no index file yet: it starts in language 1 without complaint.
  if (!std::filesystem::exists(app_.languages.indexFile()))
    loaded = app_.languages.load(1, app_.table);
  else
    loaded = app_.languages.loadCurrent(app_.table);
  if (!loaded.ok) {
    TFxabar::showMessage(this, app_.texts, QString::fromStdString(loaded.error));
    return;
  }
  afterLanguageLoad();
}

void TFbosh::switchLanguage(int number) {
  const LanguageLoad loaded = app_.languages.switchTo(number, app_.table);
  if (!loaded.ok) {
    TFxabar::showMessage(this, app_.texts, QString::fromStdString(loaded.error));
    tickLanguageMenu();
    return;
  }
  afterLanguageLoad();
}

void TFbosh::afterLanguageLoad() {
  app_.texts.setLoaded(true);
  applyDayNames(app_.table, app_.project);
  retranslate();
  tickLanguageMenu();
}

void TFbosh::tickLanguageMenu() {
  const std::optional<int> current =
      std::filesystem::exists(app_.languages.indexFile()) ? app_.languages.currentLanguage() : 1;
  // A number outside 1..4 leaves the ticks as they were.
  if (!current || *current < 1 || *current > lines::kLanguageCount) return;
  for (int n = 1; n <= lines::kLanguageCount; ++n)
    languageItems_[static_cast<std::size_t>(n - 1)]->setChecked(n == *current);
}

void TFbosh::clearTimetable() {
  if (app_.project.image().placementCount == 0) return;
  if (!app_.prompter.confirm(app_.table.line(lines::kClearTimetableQuestion))) return;
  app_.project.clearUnlockedPlacements();
}

void TFbosh::showSettingsDialog() {
  AppearanceDialog dialog(app_, this);
  dialog.exec();
}

void TFbosh::openManual() {
  std::optional<int> language = app_.languages.currentLanguage();
  auto manualFile = [this](int n) { return app_.folder.manual() / (std::to_string(n) + ".html"); };
  std::filesystem::path file = manualFile(language.value_or(1));
  if (!std::filesystem::is_regular_file(file)) file = manualFile(1);
  const QString path = QString::fromStdString(file.string());
  if (!std::filesystem::is_regular_file(file) || !app_.openDocument(QUrl::fromLocalFile(path))) {
    TFxabar::showMessage(this, app_.texts,
                         app_.texts.text(lines::kManualNotOpened) + QLatin1Char('\n') + path);
  }
}

void TFbosh::closeEvent(QCloseEvent* event) {
  if (commands_->settleUnsavedChanges()) {
    event->accept();
  } else {
    event->ignore();
  }
}

}  // namespace jadvalon
