// The file commands of the main window: new, open, save, save as, examples, the last project,
// the question before unsaved changes are lost, and the half-hourly save reminder.
#pragma once

#include <QObject>
#include <QString>
#include <QTimer>

namespace jadvalon {

struct AppContext;

class FileCommands : public QObject {
  Q_OBJECT

 public:
  // Main tabs a command ends on.
  static constexpr int kSchoolTab = 0;
  static constexpr int kTimetableTab = 2;
  static constexpr int kReminderSeconds = 1800;
  static constexpr int kReminderWrap = 100000;

  FileCommands(AppContext& app, QWidget* window);

  // The unsaved-changes question, asked only when the project is modified and has a name.
  // True to go on (saved, or the changes given up), false to stop the command.
  bool settleUnsavedChanges();
  QString unsavedChangesQuestion() const;

  void newProject();
  // Open: `askFirst` is false on the welcome panel, where nothing is open yet. The open dialog
  // comes after the menu command has returned.
  void requestOpen(bool askFirst = true);
  void requestSave();
  void requestSaveAs();
  void showExamples();
  void openLastProject(const QString& path);

  // Served requests and the reminder's work; true when the project was written.
  bool save();
  bool saveAs();
  void runOpenDialog();
  // Opens what the open dialog gave: N + extension, else N, else the missing-file message.
  bool openChosen(const QString& chosen);
  bool openExample(const QString& fileName);

  // One second of the save reminder.
  void reminderTick();
  QTimer& reminderTimer() { return reminder_; }

 signals:
  // A project is open now: the main page control is to be shown at that tab.
  void projectShown(int tab);
  // Path or display name changed.
  void captionChanged();

 private:
  void serveRequests();
  void scheduleRequests();
  QString extension() const;
  QString suggestedFolder() const;
  void tell(const QString& text);

  AppContext& app_;
  QWidget* window_;
  bool openRequested_ = false;
  bool saveRequested_ = false;
  bool saveAsRequested_ = false;
  bool reminderAsking_ = false;
  QTimer reminder_;
};

}  // namespace jadvalon
