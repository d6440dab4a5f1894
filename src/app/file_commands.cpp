// The file commands. Reading and writing is the storage's; this file decides what to ask, in
// which order, and what the window shows afterwards.
#include "app/file_commands.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>

#include "app/app_context.h"
#include "app/tf_maylimi.h"
#include "app/tf_misollar.h"
#include "app/tf_shart_saqlash.h"
#include "app/tf_xabar.h"
#include "i18n/lines.h"

namespace jadvalon {
namespace {

QString quoted(const QString& text) { return QLatin1Char('"') + text + QLatin1Char('"'); }

std::filesystem::path toPath(const QString& path) {
  return std::filesystem::path(path.toStdString());
}

bool isFile(const QString& path) { return !path.isEmpty() && QFileInfo(path).isFile(); }
bool existsAtAll(const QString& path) { return !path.isEmpty() && QFileInfo::exists(path); }

}  // namespace

FileCommands::FileCommands(AppContext& app, QWidget* window)
    : QObject(window), app_(app), window_(window) {
  reminder_.setInterval(1000);
  connect(&reminder_, &QTimer::timeout, this, &FileCommands::reminderTick);
}

QString FileCommands::extension() const { return app_.texts.text(lines::kProjectFileExtension); }

QString FileCommands::suggestedFolder() const {
  const QString path = QString::fromStdString(app_.project.path());
  if (!path.isEmpty()) return QFileInfo(path).absolutePath();
  if (const auto last = app_.folder.lastProject()) {
    const QFileInfo info(QString::fromStdString(*last));
    if (info.absoluteDir().exists()) return info.absolutePath();
  }
  return QDir::homePath();
}

void FileCommands::tell(const QString& text) { TFxabar::showMessage(window_, app_.texts, text); }

QString FileCommands::unsavedChangesQuestion() const {
  return quoted(QString::fromStdString(app_.project.displayName())) + QLatin1Char(' ') +
         app_.texts.text(lines::kUnsavedChangesQuestion);
}

bool FileCommands::settleUnsavedChanges() {
  if (!app_.project.isModified() || app_.project.displayName().empty()) return true;
  switch (TFshart_saqlash::ask(window_, app_.texts, unsavedChangesQuestion())) {
    case TFshart_saqlash::Answer::Yes:
      // Going on after a save that did not happen (cancelled, or the disk refused it) would
      // throw away exactly what the user asked to keep.
      return save();
    case TFshart_saqlash::Answer::No:
      return true;
    case TFshart_saqlash::Answer::Cancel:
      return false;
  }
  return false;
}

void FileCommands::newProject() {
  if (!settleUnsavedChanges()) return;
  if (!app_.storage.newFromTemplate()) return;  // the storage has said why
  emit captionChanged();
  emit projectShown(kSchoolTab);
  app_.undo.clear();
}

void FileCommands::scheduleRequests() {
  QMetaObject::invokeMethod(this, &FileCommands::serveRequests, Qt::QueuedConnection);
}

void FileCommands::serveRequests() {
  if (saveRequested_) {
    saveRequested_ = false;
    save();
  }
  if (saveAsRequested_) {
    saveAsRequested_ = false;
    saveAs();
  }
  if (openRequested_) {
    openRequested_ = false;
    runOpenDialog();
  }
}

void FileCommands::requestOpen(bool askFirst) {
  if (askFirst && !settleUnsavedChanges()) return;
  openRequested_ = true;
  scheduleRequests();
}

void FileCommands::requestSave() {
  saveRequested_ = true;
  scheduleRequests();
}

void FileCommands::requestSaveAs() {
  saveAsRequested_ = true;
  scheduleRequests();
}

bool FileCommands::save() {
  const std::string path = app_.project.path();
  if (path.empty()) return saveAs();
  const bool saved = app_.storage.save(path);
  emit captionChanged();
  return saved;
}

bool FileCommands::saveAs() {
  const QString name = app_.files->fileToSave(window_, suggestedFolder());
  if (name.isEmpty()) return false;
  // A name typed with the extension already is taken as it stands: "maktab.jdn" must not become
  // "maktab.jdn.jdn".
  const QString withExtension =
      name.endsWith(extension(), Qt::CaseInsensitive) ? name : name + extension();
  QString target;
  if (!existsAtAll(withExtension) && !existsAtAll(name)) {
    target = withExtension;
  } else {
    target = existsAtAll(withExtension) ? withExtension : name;
    const QString question =
        quoted(QFileInfo(target).fileName()) + app_.texts.text(lines::kOverwriteQuestion);
    if (!TFmaylimi::ask(window_, app_.texts, question)) return false;
  }
  const bool saved = app_.storage.save(toPath(target));
  emit captionChanged();
  if (saved) app_.undo.clear();
  return saved;
}

void FileCommands::runOpenDialog() {
  const QString chosen = app_.files->fileToOpen(window_, suggestedFolder());
  if (chosen.isEmpty()) return;
  if (openChosen(chosen)) app_.undo.clear();
}

bool FileCommands::openChosen(const QString& chosen) {
  const QString withExtension = chosen + extension();
  QString path;
  if (isFile(withExtension)) {
    path = withExtension;
  } else if (isFile(chosen)) {
    path = chosen;
  } else {
    tell(app_.texts.text(lines::kFileNotFoundHead) + QLatin1Char('\n') +
         quoted(QFileInfo(chosen).fileName()) + app_.texts.text(lines::kFileNotFoundTail));
    return false;
  }
  if (!app_.storage.open(toPath(path))) return false;  // the storage has said why
  emit captionChanged();
  emit projectShown(kSchoolTab);
  return true;
}

void FileCommands::openLastProject(const QString& path) {
  if (!isFile(path)) {
    tell(app_.texts.text(lines::kFileNotFoundHead) + QLatin1Char('\n') +
         quoted(QFileInfo(path).fileName()) + app_.texts.text(lines::kFileNotFoundTail));
    return;
  }
  if (!settleUnsavedChanges()) return;
  if (!app_.storage.open(toPath(path), /*resetBranchNumbers=*/false)) return;
  emit captionChanged();
  emit projectShown(kSchoolTab);
}

void FileCommands::showExamples() {
  if (!settleUnsavedChanges()) return;
  QStringList names;
  for (const std::string& name : app_.folder.exampleNames()) names << QString::fromStdString(name);
  TFmisollar dialog(window_, app_.texts, names);
  if (dialog.exec() != QDialog::Accepted) return;
  openExample(dialog.chosen());
}

bool FileCommands::openExample(const QString& fileName) {
  app_.undo.clear();
  if (!app_.storage.openExample(fileName.toStdString())) return false;
  emit captionChanged();
  emit projectShown(kTimetableTab);
  return true;
}

void FileCommands::reminderTick() {
  if (reminderAsking_) return;
  Project& project = app_.project;
  int seconds = project.saveReminderSeconds() + 1;
  // Another dialog is open (a file dialog, a question): the reminder waits until it is closed.
  if (seconds == kReminderSeconds && QApplication::activeModalWidget() != nullptr) return;
  if (seconds >= kReminderWrap) seconds = 0;
  project.setSaveReminderSeconds(seconds);
  if (seconds != kReminderSeconds || project.displayName().empty()) return;
  reminderAsking_ = true;
  const QString question = quoted(QString::fromStdString(project.displayName())) +
                           QLatin1Char(' ') + app_.texts.text(lines::kSaveReminderQuestion);
  if (TFmaylimi::ask(window_, app_.texts, question)) save();
  project.setSaveReminderSeconds(0);
  reminderAsking_ = false;
}

}  // namespace jadvalon
