// Messages and questions around the scenario and accounts files.
#include "ui/commands/scenario_file_steps.h"

#include <filesystem>
#include <utility>

#include "model/accounts_file.h"
#include "model/money_format.h"
#include "model/scenario_file.h"
#include "model/startup_file.h"
#include "model/working_file_names.h"
#include "ui/shell/folder_access.h"

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

// A file dialog of one file type that starts in the open plan's folder, or in the working
// directory while the plan has no name of the user's.
platform::FileDialog WorkingFolderDialog(const model::Program& program, const char* title,
                                         platform::FileFilter filter, const char* extension) {
  platform::FileDialog dialog;
  dialog.title = title;
  dialog.filters = {std::move(filter)};
  dialog.default_extension = extension;
  const std::filesystem::path plan(program.save_name);
  dialog.start_folder = !IsWorkingScenarioName(program.save_name) && plan.has_parent_path()
                            ? plan.parent_path().string()
                            : program.working_directory;
  return dialog;
}

}  // namespace

bool IsWorkingScenarioName(const std::string& name) {
  if (name.empty() || name == model::kFallbackScenarioName) return true;
  // The start-up counter that names a new scenario's working file stays below 10.
  for (int counter = 0; counter < 10; ++counter) {
    if (name == model::Format(model::kWorkingScenarioFormat, counter, 1)) return true;
  }
  return false;
}

bool IsUnnamedScenario(const model::Program& program) {
  return IsWorkingScenarioName(program.save_name);
}

std::string ShownScenarioName(const model::Program& program) {
  return IsUnnamedScenario(program) ? kUntitledName : program.save_name;
}

std::string WindowTitle(const std::string& name) {
  return "Retirement Planner - " + (IsWorkingScenarioName(name) ? kUntitledName : name);
}

platform::FileDialog ScenarioFileDialog(const model::Program& program, const char* title) {
  return WorkingFolderDialog(program, title, {"Scenario Files (*.RET)", "*.ret;*.RET"}, "ret");
}

platform::FileDialog AccountsFileDialog(const model::Program& program, const char* title) {
  return WorkingFolderDialog(program, title, {"Account Files (*.ACC)", "*.acc;*.ACC"}, "acc");
}

std::optional<Message> ScenarioFileMessage(const model::FileResult& result, ScenarioFileRole role,
                                           const std::string& reason) {
  switch (result.problem) {
    case FileProblem::None: {
      if (result.note.empty()) return std::nullopt;
      Message message = ErrorMessage(result.note, kFileWarning);
      message.icon = Icon::Warning;
      return message;
    }
    case FileProblem::Exists:
      return std::nullopt;
    case FileProblem::NotAPlan:
      return ErrorMessage(result.file + " cannot be opened:\n\n" + result.note, kFileWarning);
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
      if (role == ScenarioFileRole::Working) {
        return ErrorMessage("Cannot open temporary file!", kFileError);
      }
      return ErrorMessage("Cannot save the plan to " + result.file +
                              (reason.empty() ? "" : " (" + reason + ")") +
                              ".\n\nUse Save As to save it in a folder you can write to.",
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

// A failed save is told with the system's reason for the file it meant to write.
void TellSaveResult(const model::Program& program, platform::Prompter& prompter,
                    const model::FileResult& result) {
  const bool not_written =
      result.problem == FileProblem::CannotWrite || result.problem == FileProblem::CannotCreate;
  const std::string reason =
      not_written ? FileWriteProblem(model::ScenarioPath(program, result.file)) : "";
  Tell(prompter, ScenarioFileMessage(result, ScenarioFileRole::Named, reason));
}

bool WriteScenarioOrSay(model::Program& program, model::Scenario& scenario,
                        platform::Prompter& prompter) {
  const model::FileResult result = model::WriteScenario(program, scenario);
  TellSaveResult(program, prompter, result);
  return result.ok();
}

bool SaveScenarioAsAsking(model::Program& program, model::Scenario& scenario,
                          platform::Prompter& prompter, const std::string& name) {
  model::FileResult result = model::SaveScenarioAs(program, scenario, name, model::Overwrite::Ask);
  if (result.problem == FileProblem::Exists) {
    if (!AgreesToOverwrite(prompter, name + " exits - Overwrite anyway?")) return false;
    result = model::SaveScenarioAs(program, scenario, name, model::Overwrite::Agreed);
  }
  TellSaveResult(program, prompter, result);
  return result.ok();
}

bool SaveScenarioUnderNewName(model::Program& program, model::Scenario& scenario,
                              platform::Prompter& prompter) {
  const auto choice =
      prompter.ChooseFileToSave(ScenarioFileDialog(program, "Save Scenario With a New Name"));
  if (!choice) return false;
  const std::string old_open_name = program.open_name;
  const std::string old_save_name = program.save_name;
  program.open_name = *choice;
  if (!SaveScenarioAsAsking(program, scenario, prompter, *choice)) {
    // The scenario keeps the names of the file it still belongs to.
    program.open_name = old_open_name;
    program.save_name = old_save_name;
    return false;
  }
  scenario.modified = false;
  model::AddRecentFile(program, program.open_name);
  return true;
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
  question.text = "Do you wish to save the file " + ShownScenarioName(program) + "?";
  question.caption = "Tarvel Retirement Planner";
  question.buttons = Buttons::YesNoCancel;
  question.icon = Icon::Question;
  question.system_modal = true;
  const Answer answer = prompter.Ask(question);
  if (answer != Answer::Yes) return answer;
  const bool saved = IsUnnamedScenario(program)
                         ? SaveScenarioUnderNewName(program, scenario, prompter)
                         : WriteScenarioOrSay(program, scenario, prompter);
  return saved ? answer : Answer::Cancel;
}

}  // namespace tarvel::ui
