// Messages and questions around the scenario and accounts files.
#include "ui/commands/scenario_file_steps.h"

#include <utility>

#include "model/accounts_file.h"
#include "model/money_format.h"
#include "model/scenario_file.h"

namespace tarvel::ui {
namespace {

using model::FileProblem;
using platform::Answer;
using platform::Buttons;
using platform::Icon;
using platform::Message;

constexpr char kFileError[] = "FILE ERROR";
constexpr char kFileWarning[] = "FILE WARNING";

Message ErrorMessage(std::string text, std::string caption) {
  Message message;
  message.text = std::move(text);
  message.caption = std::move(caption);
  message.icon = Icon::Error;
  return message;
}

// The question before a file is overwritten; yes when the user agrees.
bool AgreesToOverwrite(platform::Prompter& prompter, std::string text) {
  Message question;
  question.text = std::move(text);
  question.caption = kFileWarning;
  question.buttons = Buttons::YesNo;
  question.icon = Icon::Question;
  return prompter.Ask(question) == Answer::Yes;
}

void Tell(platform::Prompter& prompter, const std::optional<Message>& message) {
  if (message) prompter.Ask(*message);
}

// A file dialog of one file type that starts in the working directory.
platform::FileDialog WorkingFolderDialog(const model::Program& program, const char* title,
                                         platform::FileFilter filter, const char* extension) {
  platform::FileDialog dialog;
  dialog.title = title;
  dialog.filters = {std::move(filter)};
  dialog.default_extension = extension;
  dialog.start_folder = program.working_directory;
  return dialog;
}

}  // namespace

std::string WindowTitle(const std::string& name) { return "Retirement Planner - " + name; }

platform::FileDialog ScenarioFileDialog(const model::Program& program, const char* title) {
  return WorkingFolderDialog(program, title, {"Scenario Files (*.RET)", "*.ret;*.RET"}, "ret");
}

platform::FileDialog AccountsFileDialog(const model::Program& program, const char* title) {
  return WorkingFolderDialog(program, title, {"Account Files (*.ACC)", "*.acc;*.ACC"}, "acc");
}

std::optional<Message> ScenarioFileMessage(const model::FileResult& result, ScenarioFileRole role) {
  switch (result.problem) {
    case FileProblem::None:
    case FileProblem::Exists:
      return std::nullopt;
    case FileProblem::Invalid: {
      Message message = ErrorMessage(
          result.file + " doesn't seem to be a valid Tarvel Financial Planner file.", kFileWarning);
      message.system_modal = true;
      return message;
    }
    case FileProblem::CannotOpen:
      return ErrorMessage("Cannot open " + result.file, kFileError);
    case FileProblem::CannotCreate:
    case FileProblem::CannotWrite:
      return ErrorMessage(
          role == ScenarioFileRole::Working ? "Cannot open temporary file!" : "Cannot open file!",
          kFileError);
  }
  return std::nullopt;
}

std::optional<Message> AccountsFileMessage(const model::FileResult& result, bool writing) {
  if (result.ok() || result.problem == FileProblem::Exists) return std::nullopt;
  if (writing) {
    return ErrorMessage(model::Format("Cannot write %s accounts file!", result.file.c_str()),
                        "Write Error");
  }
  return ErrorMessage(model::Format("Cannot read %s accounts file!", result.file.c_str()),
                      "Read Error");
}

bool ReadScenarioQuietlyIfMissing(model::Program& program, model::Scenario& scenario,
                                  platform::Prompter& prompter) {
  const model::FileResult result = model::ReadScenario(program, scenario);
  if (result.problem != FileProblem::CannotOpen) Tell(prompter, ScenarioFileMessage(result));
  return result.ok();
}

bool WriteScenarioOrSay(model::Program& program, model::Scenario& scenario,
                        platform::Prompter& prompter) {
  const model::FileResult result = model::WriteScenario(program, scenario);
  Tell(prompter, ScenarioFileMessage(result));
  return result.ok();
}

bool SaveScenarioAsAsking(model::Program& program, model::Scenario& scenario,
                          platform::Prompter& prompter, const std::string& name) {
  model::FileResult result = model::SaveScenarioAs(program, scenario, name, model::Overwrite::Ask);
  if (result.problem == FileProblem::Exists) {
    if (!AgreesToOverwrite(prompter, name + " exits - Overwrite anyway?")) return false;
    result = model::SaveScenarioAs(program, scenario, name, model::Overwrite::Agreed);
  }
  Tell(prompter, ScenarioFileMessage(result));
  return result.ok();
}

bool WriteAccountsFileAsking(const std::string& path, const model::Scenario& scenario,
                             platform::Prompter& prompter) {
  model::FileResult result = model::WriteAccountsFile(path, scenario, model::Overwrite::Ask);
  if (result.problem == FileProblem::Exists) {
    if (!AgreesToOverwrite(prompter, path + " exists - Overwrite anyway?")) return false;
    result = model::WriteAccountsFile(path, scenario, model::Overwrite::Agreed);
  }
  Tell(prompter, AccountsFileMessage(result, /*writing=*/true));
  return result.ok();
}

std::optional<Answer> PromptSaveScenario(model::Program& program, model::Scenario& scenario,
                                         platform::Prompter& prompter) {
  if (!scenario.modified) return std::nullopt;
  Message question;
  question.text = "Do you wish to save the file " + program.save_name + "?";
  question.caption = "Tarvel Retirement Planner";
  question.buttons = Buttons::YesNoCancel;
  question.icon = Icon::Question;
  question.system_modal = true;
  const Answer answer = prompter.Ask(question);
  if (answer == Answer::Yes && !WriteScenarioOrSay(program, scenario, prompter)) {
    return Answer::Cancel;
  }
  return answer;
}

}  // namespace tarvel::ui
