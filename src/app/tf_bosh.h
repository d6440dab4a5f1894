// TFbosh — the main window: the menus, the welcome panel, the four main tabs, the timers that
// keep the caption and the save reminder going, and what happens when the window closes.
#pragma once

#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTimer>
#include <array>

#include "app/file_commands.h"

namespace jadvalon {

struct AppContext;
class PlaceholderPage;
class SchoolSettingsTab;
class WelcomePanel;

class TFbosh : public QMainWindow {
  Q_OBJECT

 public:
  static constexpr int kSchoolTab = 0;
  static constexpr int kListsTab = 1;
  static constexpr int kTimetableTab = 2;
  static constexpr int kJournalTab = 3;

  explicit TFbosh(AppContext& app, QWidget* parent = nullptr);
  ~TFbosh() override;

  // What the window does when it is first shown: language, data folders, the last-project link,
  // the remembered style and its pictures. Runs once.
  void startUp();

  // Loads language 1..4 (writing the index file) and relabels every window at once.
  void switchLanguage(int number);
  // Relabels everything from the current language table.
  void retranslate();
  void reloadPictures();
  void updateCaption();
  void showSettingsDialog();
  void openManual();

  FileCommands& fileCommands() { return *commands_; }
  SchoolSettingsTab& schoolTab() { return *schoolTab_; }
  WelcomePanel& welcomePanel() { return *welcome_; }
  QTabWidget& mainTabs() { return *Sahifa; }
  bool isWelcomeShown() const;
  QAction* languageItem(int number) const {
    return languageItems_[static_cast<std::size_t>(number - 1)];
  }
  QMenu* fileMenu() const { return M11; }

 signals:
  // Enter in the last field of the school tab: the lists tab is to show its classes list.
  void classesListRequested();

 protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void buildMenus();
  void showProject(int tab);
  void loadStartLanguage();
  void afterLanguageLoad();
  void tickLanguageMenu();
  void clearTimetable();
  void paintBackground();

  AppContext& app_;
  FileCommands* commands_ = nullptr;
  bool started_ = false;

  QMenu* M11 = nullptr;    // M11 — the File menu
  QAction* N11 = nullptr;  // N11 — new project
  QAction* N21 = nullptr;  // N21 — open
  QAction* N31 = nullptr;  // N31 — save
  QAction* N41 = nullptr;  // N41 — save as
  QAction* N51 = nullptr;  // N51 — clear the timetable
  QAction* N61 = nullptr;  // N61 — examples
  QAction* N71 = nullptr;  // N71 — exit
  QMenu* settingsMenu_ = nullptr;
  QMenu* languageMenu_ = nullptr;
  std::array<QAction*, 4> languageItems_{};
  QAction* translationEditorItem_ = nullptr;
  QAction* appearanceItem_ = nullptr;
  QMenu* helpMenu_ = nullptr;
  QAction* manualItem_ = nullptr;
  QAction* updateItem_ = nullptr;

  QStackedWidget* central_ = nullptr;
  QWidget* welcomeBackground_ = nullptr;
  WelcomePanel* welcome_ = nullptr;
  QTabWidget* Sahifa = nullptr;  // Sahifa — the main page control with the four tabs
  SchoolSettingsTab* schoolTab_ = nullptr;
  std::array<PlaceholderPage*, 3> laterTabs_{};  // lists, timetable, substitution journal

  QTimer Timer1;  // Timer1 — keeps the caption up to date
};

}  // namespace jadvalon
