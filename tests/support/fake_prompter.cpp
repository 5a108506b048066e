// Scripted answers and a record of every question asked.

#include "support/fake_prompter.h"

namespace tarvel::test_support {

platform::Answer FakePrompter::Ask(const platform::Message& message) {
  messages.push_back(message);
  if (answers.empty()) return default_answer;
  const platform::Answer answer = answers.front();
  answers.pop_front();
  return answer;
}

std::optional<std::string> FakePrompter::ChooseFileToOpen(const platform::FileDialog& dialog) {
  open_dialogs.push_back(dialog);
  if (open_choices.empty()) return std::nullopt;
  std::string path = open_choices.front();
  open_choices.pop_front();
  return path;
}

std::optional<std::string> FakePrompter::ChooseFileToSave(const platform::FileDialog& dialog) {
  save_dialogs.push_back(dialog);
  if (save_choices.empty()) return std::nullopt;
  std::string path = save_choices.front();
  save_choices.pop_front();
  return path;
}

}  // namespace tarvel::test_support
