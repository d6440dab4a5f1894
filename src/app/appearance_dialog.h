// The settings dialog: the visual style list and the four icon sets, each applied at once.
#pragma once

#include <QDialog>
#include <QLabel>
#include <QListWidget>
#include <QRadioButton>
#include <QToolButton>
#include <array>

namespace jadvalon {

struct AppContext;

class AppearanceDialog : public QDialog {
  Q_OBJECT

 public:
  AppearanceDialog(AppContext& app, QWidget* parent = nullptr);

  QListWidget* styleList() const { return styles_; }

 private:
  void showIconSet(int set);
  void applyStyle(int position);

  AppContext& app_;
  QListWidget* styles_ = nullptr;
  std::array<QToolButton*, 4> pictures_{};
  std::array<QRadioButton*, 4> radios_{};
};

}  // namespace jadvalon
