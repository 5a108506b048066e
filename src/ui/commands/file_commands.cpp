// The File menu's commands over the scenario and accounts files.
#include "ui/commands/file_commands.h"

#include <memory>

#include "model/accounts_file.h"
#include "model/planner_options_file.h"
#include "model/scenario_file.h"
#include "model/scenario_ops.h"
#include "model/startup_file.h"
#include "ui/commands/new_accounts_chooser.h"
#include "ui/commands/scenario_claim_check.h"
#include "ui/commands/scenario_file_steps.h"
#include "ui/options/rmd_table_fill.h"
#include "ui/shell/command_ids.h"
#include "ui/shell/folders.h"
#include "ui/shell/recent_menu.h"

namespace tarvel::ui {

bool FileCommands::Handles(int id) const {
  switch (id) {
    case kNewCommand:
    case kOpenCommand:
    case kSaveCommand:
    case kSaveAsCommand:
    case kExitCommand:
    case kSaveAccountsCommand:
    case kReadAccountsCommand:
    case kNewAccountsByHand:
    case kKeepBackupsCommand:
      return true;
    default:
      return RecentFileIndexOf(id) >= 0;
  }
}

CommandOutcome FileCommands::Execute(int id) {
  switch (id) {
    case kNewCommand:
      return New();
    case kNewAccountsByHand:
      return NewByHand();
    case kOpenCommand:
      return Open();
    case kSaveCommand:
      Save();
      return {};
    case kSaveAsCommand:
      SaveAs();
      return {};
    case kExitCommand:
      context_.view.RequestClose();
      return {};
    case kSaveAccountsCommand:
      SaveAccounts();
      return {};
    case kReadAccountsCommand:
      ReadAccounts();
      return {};
    case kKeepBackupsCommand:
      ToggleBackupCopies();
      return {};
    default:
      return OpenRecent(RecentFileIndexOf(id));
  }
}

void FileCommands::MarkScenarioLoaded() {
  if (context_.state.scenario_loaded) return;
  context_.state.scenario_loaded = true;
  context_.view.EnableScenarioCommands(true);
}

CommandOutcome FileCommands::New() {
  // The allocation categories get their usual names before any way of making accounts.
  model::FillAllocationCategoryDefaults(context_.scenario);
  NewAccountsChooser chooser(help_);
  const int choice = dialogs_.RunModal(NewAccountsChooserTemplate(), chooser);
  if (choice == kNewAccountsByHand) return NewByHand();
  CommandOutcome outcome;
  if (choice == kNewAccountsFromTabFile || choice == kNewAccountsFromCommaFile) {
    outcome.posted = choice;
  }
  return outcome;
}

CommandOutcome FileCommands::NewByHand() { return StartNewScenario(context_, clock_); }

CommandOutcome StartNewScenario(CommandContext& context, const platform::Clock& clock) {
  model::Program& program = context.program;
  model::Scenario& scenario = context.scenario;
  // New keeps the planner's birth date but not the start age, so the birth year comes from
  // the plan that was open.
  const int rmd_start_age = engine::NewPlanRmdStartAge(scenario.initial, clock.Today());
  model::FillAllocationCategoryDefaults(scenario);
  scenario.initial.event_count = 0;
  scenario.modified = false;
  model::ClearScenario(scenario);
  const model::FileResult created = model::CreateWorkingFile(program, scenario);
  if (!created.ok()) {
    if (auto message = ScenarioFileMessage(created, ScenarioFileRole::Working)) {
      context.prompter.Ask(*message);
    }
    context.view.RebuildBudgetMenu();
    return {};
  }
  model::ApplyNewScenarioDefaults(scenario);
  FillNewPlanRmdTables(scenario, program, rmd_start_age);
  context.view.SetTitle(WindowTitle(program.open_name));
  context.view.RebuildBudgetMenu();
  if (!context.state.scenario_loaded) {
    context.state.scenario_loaded = true;
    context.view.EnableScenarioCommands(true);
  }
  context.view.RefreshFolders();
  context.view.SelectFolder(kAccountsFolder);
  CommandOutcome result;
  result.replaced_scenario = true;
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
  if (!MayOpenScenario(context_.program, name, context_.prompter)) return {};
  model::Program read_program = context_.program;
  auto read_scenario = std::make_unique<model::Scenario>();
  read_program.open_name = name;
  const model::FileResult read = model::ReadScenario(read_program, *read_scenario);
  if (!read.ok()) {
    if (auto message = ScenarioFileMessage(read)) context_.prompter.Ask(*message);
    context_.view.ShowStatus(name + " was not opened; the open scenario is unchanged.");
    return {};
  }
  const std::string previous = context_.program.open_name;
  context_.program = std::move(read_program);
  context_.scenario = *read_scenario;
  context_.scenario.modified = false;
  // The file that was open goes first in the recent files, and the file just opened above it.
  model::AddRecentFile(context_.program, previous);
  model::AddRecentFile(context_.program, name);
  ShellView& view = context_.view;
  view.SetTitle(WindowTitle(name));
  view.CloseFolderWindows();
  view.RebuildRecentMenu();
  view.RebuildBudgetMenu();
  MarkScenarioLoaded();
  view.RefreshFolders();
  view.SelectFolder(context_.scenario.initial.event_count == 0 ? kSummaryFolder : kScenarioFolder);
  CommandOutcome result;
  result.replaced_scenario = true;
  return result;
}

void FileCommands::Save() {
  if (!WriteScenarioOrSay(context_.program, context_.scenario, context_.prompter)) return;
  context_.view.SetTitle(WindowTitle(context_.program.open_name));
  MarkScenarioLoaded();
}

void FileCommands::SaveAs() {
  model::Program& program = context_.program;
  const auto choice = context_.prompter.ChooseFileToSave(
      ScenarioFileDialog(program, "Save Scenario With a New Name"));
  if (!choice) return;
  const std::string old_open_name = program.open_name;
  const std::string old_save_name = program.save_name;
  program.open_name = *choice;
  if (!SaveScenarioAsAsking(program, context_.scenario, context_.prompter, *choice)) {
    // The scenario keeps the names of the file it still belongs to.
    program.open_name = old_open_name;
    program.save_name = old_save_name;
    return;
  }
  context_.scenario.modified = false;
  context_.view.SetTitle(WindowTitle(program.open_name));
  MarkScenarioLoaded();
  model::AddRecentFile(program, program.open_name);
  context_.view.RebuildRecentMenu();
  context_.view.RunScenario();
  context_.view.RefreshEventList();
}

void FileCommands::SaveAccounts() {
  const auto choice =
      context_.prompter.ChooseFileToSave(AccountsFileDialog(context_.program, "Write Accounts"));
  if (choice) WriteAccountsFileAsking(*choice, context_.scenario, context_.prompter);
}

void FileCommands::ReadAccounts() {
  const auto choice =
      context_.prompter.ChooseFileToOpen(AccountsFileDialog(context_.program, "Read Accounts"));
  if (!choice) return;
  const model::FileResult read = model::ReadAccountsFile(*choice, context_.scenario);
  if (!read.ok()) {
    if (auto message = AccountsFileMessage(read, /*writing=*/false)) {
      context_.prompter.Ask(*message);
    }
    return;
  }
  context_.state.results_stale = true;
  context_.state.results_folder_open = false;
  context_.view.CloseFolderWindows();
  context_.view.RefreshFolders();
  context_.view.SelectFolder(kAccountsFolder);
}

void FileCommands::ToggleBackupCopies() {
  model::Program& program = context_.program;
  const bool keep = !program.keep_backups;
  const model::FileResult written = model::WriteBackupsOption(program.working_directory, keep);
  if (!written.ok()) {
    const std::string now = program.keep_backups ? "still kept" : "still not kept";
    context_.prompter.Ask({"Cannot write " + written.file + ". Backup copies are " + now +
                               " when a scenario is saved.",
                           "FILE ERROR", platform::Buttons::Ok, platform::Icon::Error});
    return;
  }
  program.keep_backups = keep;
}

}  // namespace tarvel::ui
