// A prompter for tests: records every message and file dialog and plays scripted answers.
#pragma once

#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "platform/prompter.h"

namespace tarvel::test_support {

class FakePrompter : public platform::Prompter {
 public:
  platform::Answer Ask(const platform::Message& message) override;
  std::optional<std::string> ChooseFileToOpen(const platform::FileDialog& dialog) override;
  std::optional<std::string> ChooseFileToSave(const platform::FileDialog& dialog) override;

  // Answers given in order; when they run out, default_answer.
  std::deque<platform::Answer> answers;
  platform::Answer default_answer = platform::Answer::Ok;
  // Paths chosen in order; when they run out, the dialog is cancelled.
  std::deque<std::string> open_choices;
  std::deque<std::string> save_choices;

  std::vector<platform::Message> messages;
  std::vector<platform::FileDialog> open_dialogs;
  std::vector<platform::FileDialog> save_dialogs;
};

}  // namespace tarvel::test_support
