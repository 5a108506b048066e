// The File menu's commands over the scenario and accounts files.
#include "ui/commands/file_commands.h"

#include <algorithm>
#include <memory>

#include "model/accounts_file.h"
#include "model/scenario_ops.h"
#include "model/startup_file.h"
#include "ui/commands/new_accounts_chooser.h"
#include "ui/shell/folders.h"

namespace tarvel::ui {
namespace {

int RecentIndexOf(int id) {
  const auto& ids = model::kRecentMenuIds;
  const auto found = std::find(ids.begin(), ids.end(), id);
  return found == ids.end() ? -1 : static_cast<int>(found - ids.begin());
}

platform::FileDialog AccountsDialog(const model::Program& program, const char* title) {
  platform::FileDialog dialog;
  dialog.title = title;
  dialog.filters = {{"Account Files (*.ACC)", "*.acc;*.ACC"}};
  dialog.default_extension = "acc";
  dialog.start_folder = program.working_directory;
  return dialog;
}

platform::FileDialog ScenarioFileDialog(const model::Program& program, const char* title) {
  platform::FileDialog dialog;
  dialog.title = title;
  dialog.filters = {{"Scenario Files (*.RET)", "*.ret;*.RET"}};
  dialog.default_extension = "ret";
  dialog.start_folder = program.working_directory;
  return dialog;
}

}  // namespace

bool FileCommands::Handles(int id) const {
  switch (id) {
    case 1:
    case 2:
    case 3:
    case 4:
    case 5:
    case 8:
    case 9:
    case kNewAccountsByHand:
      return true;
    default:
      return RecentIndexOf(id) >= 0;
  }
}

CommandOutcome FileCommands::Execute(int id) {
  switch (id) {
    case 1:
      return New();
    case kNewAccountsByHand:
      return NewByHand();
    case 2:
      return Open();
    case 3:
      Apply(model::SaveCommand(context_.program, context_.scenario, context_.prompter));
      return {};
    case 4:
      return SaveAs();
    case 5:
      context_.view.RequestClose();
      return {};
    case 8:
      return SaveAccounts();
    case 9:
      return ReadAccounts();
    default:
      return OpenRecent(RecentIndexOf(id));
  }
}

bool FileCommands::Apply(const model::FileCommandOutcome& outcome) {
  ShellView& view = context_.view;
  if (outcome.title) view.SetTitle(*outcome.title);
  if (outcome.close_folder_windows) view.CloseFolderWindows();
  if (outcome.rebuild_recent_menu) view.RebuildRecentMenu();
  if (outcome.rebuild_budget_menu) view.RebuildBudgetMenu();
  if (outcome.completed && !context_.state.scenario_loaded) {
    context_.state.scenario_loaded = true;
    view.EnableScenarioCommands(true);
  }
  if (outcome.refresh_folders) view.RefreshFolders();
  if (outcome.folder) view.SelectFolder(*outcome.folder);
  // A file that was read, well or badly, replaced the scenario.
  return outcome.completed || outcome.folder.has_value();
}

CommandOutcome FileCommands::New() {
  // The allocation categories get their usual names before any way of making accounts.
  model::FillAllocationCategoryDefaults(context_.scenario);
  NewAccountsChooser chooser(help_);
  const int choice = dialogs_.RunModal(NewAccountsChooserTemplate(), chooser);
  if (choice == kNewAccountsByHand) return NewByHand();
  if (choice == kNewAccountsFromTabFile || choice == kNewAccountsFromCommaFile) {
    context_.view.ShowStatus(kNotAvailableStatus);
  }
  return {};
}

CommandOutcome FileCommands::NewByHand() {
  const auto outcome =
      model::NewScenarioByHand(context_.program, context_.scenario, context_.prompter);
  CommandOutcome result;
  result.replaced_scenario = Apply(outcome);
  if (outcome.completed) context_.view.SelectFolder(kAccountsFolder);
  return result;
}

CommandOutcome FileCommands::Open() {
  const auto choice =
      context_.prompter.ChooseFileToOpen(ScenarioFileDialog(context_.program, "Open a Scenario"));
  if (!choice) return {};
  return OpenNamed(*choice);
}

CommandOutcome FileCommands::OpenRecent(int index) {
  if (index < 0 || context_.program.recent_files[index].empty()) return {};
  return OpenNamed(context_.program.recent_files[index]);
}

CommandOutcome FileCommands::OpenNamed(std::string name) {
  // The file is read beside the open scenario: one that cannot be read (its message says why)
  // leaves the open scenario, its file names and its unsaved changes as they were.
  model::Program read_program = context_.program;
  auto read_scenario = std::make_unique<model::Scenario>();
  const auto outcome =
      model::OpenNamedScenario(read_program, *read_scenario, context_.prompter, name);
  if (!outcome.completed) {
    context_.view.ShowStatus(name + " was not opened; the open scenario is unchanged.");
    return {};
  }
  context_.program = std::move(read_program);
  context_.scenario = *read_scenario;
  CommandOutcome result;
  result.replaced_scenario = Apply(outcome);
  // Reading put the previous file first; the file just opened goes above it.
  if (outcome.completed) {
    model::AddRecentFile(context_.program, name);
    context_.view.RebuildRecentMenu();
  }
  return result;
}

CommandOutcome FileCommands::SaveAs() {
  const auto outcome = model::SaveAsCommand(context_.program, context_.scenario, context_.prompter);
  Apply(outcome);
  if (outcome.completed) {
    model::AddRecentFile(context_.program, context_.program.open_name);
    context_.view.RebuildRecentMenu();
    context_.view.RunScenario();
    context_.view.RefreshEventList();
  }
  return {};
}

CommandOutcome FileCommands::SaveAccounts() {
  const auto choice =
      context_.prompter.ChooseFileToSave(AccountsDialog(context_.program, "Write Accounts"));
  if (choice) model::WriteAccountsFile(*choice, context_.scenario, context_.prompter);
  return {};
}

CommandOutcome FileCommands::ReadAccounts() {
  const auto choice =
      context_.prompter.ChooseFileToOpen(AccountsDialog(context_.program, "Read Accounts"));
  if (!choice || !model::ReadAccountsFile(*choice, context_.scenario, context_.prompter)) {
    return {};
  }
  context_.state.results_stale = true;
  context_.state.results_folder_open = false;
  context_.view.CloseFolderWindows();
  context_.view.RefreshFolders();
  context_.view.SelectFolder(kAccountsFolder);
  return {};
}

}  // namespace tarvel::ui
