// Pkirish — the welcome panel shown until a project is open: new project, open, examples, and
// the link to the project saved last.
#pragma once

#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QToolButton>

namespace jadvalon {

struct AppContext;

class WelcomePanel : public QFrame {
  Q_OBJECT

 public:
  explicit WelcomePanel(AppContext& app, QWidget* parent = nullptr);

  void retranslate();
  void reloadPictures();
  // Shows `Lof` and `lfnomi` with the path, or hides both for an empty path.
  void setLastProject(const QString& path);
  QString lastProject() const { return lastPath_; }

 signals:
  void newRequested();
  void openRequested();
  void examplesRequested();
  void lastProjectRequested(const QString& path);

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  void updateLinkText();

  AppContext& app_;
  QLabel* title_ = nullptr;
  QToolButton* spyaratish = nullptr;  // spyaratish — new project
  QToolButton* Spochish = nullptr;    // Spochish — open a project
  QToolButton* Spmisollar = nullptr;  // Spmisollar — examples
  QLabel* Lof = nullptr;              // Lof — the caption before the last-project link
  QPushButton* lfnomi = nullptr;      // lfnomi — the last project's path, as a link
  QString lastPath_;
};

}  // namespace jadvalon
