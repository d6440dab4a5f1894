// A desktop program on a fresh program folder for one test: the four language files, a
// template, one example school, a file chooser that answers from the test, and a driver that
// answers the modal dialogs the program shows.
#pragma once

#include <QApplication>
#include <QDialog>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <deque>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/app_context.h"
#include "app/common_dialog.h"
#include "app/tf_bosh.h"
#include "storage/stored_image.h"

namespace jadvalon::testing {

// Answers the modal dialogs as they appear, in order, and records what each one said. A dialog
// nobody expected is recorded and rejected, so that a test never hangs on it.
class DialogDriver : public QObject {
 public:
  struct Seen {
    QString objectName;
    QString text;
  };
  using Answer = std::function<void(QDialog&)>;

  DialogDriver() {
    timer_.setInterval(5);
    connect(&timer_, &QTimer::timeout, this, &DialogDriver::look);
    timer_.start();
  }

  // The next dialog gets the button of that object name clicked.
  void clickNext(const QString& buttonName) {
    answers_.push_back([buttonName](QDialog& dialog) {
      auto* button = dialog.findChild<QAbstractButton*>(buttonName);
      if (button != nullptr)
        button->click();
      else
        dialog.reject();
    });
  }
  void answerNext(Answer answer) { answers_.push_back(std::move(answer)); }

  std::vector<Seen> seen;
  int unexpected = 0;
  bool allAnswered() const { return answers_.empty(); }

 private:
  void look() {
    auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
    if (dialog == nullptr || dialog == last_) return;
    last_ = dialog;
    QString text;
    if (auto* common = qobject_cast<CommonDialog*>(dialog)) text = common->text();
    seen.push_back({dialog->objectName(), text});
    if (answers_.empty()) {
      ++unexpected;
      dialog->reject();
      return;
    }
    Answer answer = std::move(answers_.front());
    answers_.pop_front();
    // Answered from an event of its own: an answer may open the next dialog, and Qt does not
    // fire this driver's timer again while one of its timeouts is still running.
    QTimer::singleShot(0, dialog, [answer = std::move(answer), dialog] { answer(*dialog); });
  }

  QTimer timer_;
  QPointer<QDialog> last_;
  std::deque<Answer> answers_;
};

class FakeFileChooser : public FileChooser {
 public:
  QString fileToOpen(QWidget*, const QString&) override {
    ++openCalls;
    return openAnswer;
  }
  QString fileToSave(QWidget*, const QString&) override {
    ++saveCalls;
    return saveAnswer;
  }
  QString openAnswer;
  QString saveAnswer;
  int openCalls = 0;
  int saveCalls = 0;
};

// A fresh program folder, removed afterwards.
class ProgramHome {
 public:
  explicit ProgramHome(bool withLanguages = true);
  ~ProgramHome();
  ProgramHome(const ProgramHome&) = delete;
  ProgramHome& operator=(const ProgramHome&) = delete;

  const std::filesystem::path& root() const { return root_; }
  QString path(const std::string& relative) const {
    return QString::fromStdString((root_ / relative).string());
  }

  static constexpr const char* kExampleName = "Namuna_maktab.nol";

 private:
  std::filesystem::path root_;
};

// The program on its home, shown, with its timers stopped so that only the test ticks them.
struct Shell {
  explicit Shell(bool withLanguages = true, int language = 1);
  ~Shell();

  // Runs the requests the menu commands queued.
  static void serveQueued();
  // Marks the project modified through an edit, as typing would.
  void touch();
  std::string line(int n) const { return app->table.line(n); }

  ProgramHome home;
  std::unique_ptr<AppContext> app;
  FakeFileChooser* files = nullptr;
  std::unique_ptr<TFbosh> window;
  DialogDriver dialogs;
  std::vector<QUrl> openedDocuments;
};

}  // namespace jadvalon::testing
