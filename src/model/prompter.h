// How core operations tell the user something or ask a question: the desktop program answers with
// its message and confirmation dialogs, the tests with a recorder.
#pragma once

#include <string>

namespace jadvalon {

class Prompter {
 public:
  virtual ~Prompter() = default;
  // Shows a message with one OK button.
  virtual void message(const std::string& text) = 0;
  // Asks a yes/no question; true means yes.
  virtual bool confirm(const std::string& text) = 0;
};

// Says nothing and answers every question with a fixed reply; for headless callers.
class SilentPrompter : public Prompter {
 public:
  explicit SilentPrompter(bool answer = true) : answer_(answer) {}
  void message(const std::string&) override {}
  bool confirm(const std::string&) override { return answer_; }

 private:
  bool answer_;
};

}  // namespace jadvalon
