// The program's answer to the core's messages and questions: the message and confirmation
// dialogs, shown over the main window.
#pragma once

#include <QPointer>
#include <QWidget>

#include "app/ui_texts.h"
#include "model/prompter.h"

namespace jadvalon {

class DialogPrompter : public Prompter {
 public:
  explicit DialogPrompter(const UiTexts& texts) : texts_(texts) {}

  // The window the dialogs are centred on (none before the main window exists).
  void setParentWindow(QWidget* window) { parent_ = window; }

  void message(const std::string& text) override;
  bool confirm(const std::string& text) override;

 private:
  const UiTexts& texts_;
  QPointer<QWidget> parent_;
};

}  // namespace jadvalon
