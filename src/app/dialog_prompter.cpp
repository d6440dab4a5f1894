// Messages and questions of the core in the program's dialogs.
#include "app/dialog_prompter.h"

#include "app/tf_maylimi.h"
#include "app/tf_xabar.h"

namespace jadvalon {

void DialogPrompter::message(const std::string& text) {
  TFxabar::showMessage(parent_, texts_, QString::fromStdString(text));
}

bool DialogPrompter::confirm(const std::string& text) {
  return TFmaylimi::ask(parent_, texts_, QString::fromStdString(text));
}

}  // namespace jadvalon
