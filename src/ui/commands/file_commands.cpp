// The File menu's commands over the scenario and accounts files.
#include "ui/commands/file_commands.h"

#include <memory>
#include <optional>

#include "model/accounts_file.h"
#include "model/planner_options_file.h"
#include "model/scenario_file.h"
#include "model/scenario_ops.h"
#include "model/startup_file.h"
#include "model/working_file_names.h"
#include "ui/commands/new_accounts_chooser.h"
#include "ui/commands/scenario_claim_check.h"
#include "ui/commands/scenario_file_steps.h"
#include "ui/options/rmd_table_fill.h"
#include "ui/shell/command_ids.h"
#include "ui/shell/folders.h"
#include "ui/shell/recent_menu.h"

namespace tarvel::ui {
namespace {

// The first scenario made or opened enables the commands that need one.
void MarkScenarioLoaded(CommandContext& context) {
  if (context.state.scenario_loaded) return;
  context.state.scenario_loaded = true;
  context.view.EnableScenarioCommands(true);
}

}  // namespace

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
  // Save asks for a name for a new scenario, so a working file that cannot be made (a
  // working folder the planner cannot write to) leaves it unnamed, not lost.
  if (!model::CreateWorkingFile(program, scenario).ok()) {
    program.open_name = model::kFallbackScenarioName;
    program.save_name = model::kFallbackScenarioName;
  }
  program.scenario_claim.reset();
  model::ApplyNewScenarioDefaults(scenario);
  FillNewPlanRmdTables(scenario, program, rmd_start_age);
  context.view.SetTitle(WindowTitle(program.open_name));
  context.view.RebuildBudgetMenu();
  MarkScenarioLoaded(context);
  context.view.RefreshFolders();
  context.view.SelectFolder(kAccountsFolder);
  CommandOutcome result;
  result.replaced_scenario = true;
  return result;
}

namespace {

// A scenario read from a file beside the open one.
struct ReadPlan {
  model::Program program;
  std::unique_ptr<model::Scenario> scenario;
};

// Reads the named file without touching the open scenario; a file that cannot be read is
// told and gives nothing.
std::optional<ReadPlan> ReadBesideOpenScenario(CommandContext& context, const std::string& name) {
  ReadPlan plan{context.program, std::make_unique<model::Scenario>()};
  plan.program.open_name = name;
  const model::FileResult read = model::ReadScenario(plan.program, *plan.scenario);
  if (!read.ok()) {
    if (auto message = ScenarioFileMessage(read)) context.prompter.Ask(*message);
    return std::nullopt;
  }
  return plan;
}

// The read scenario replaces the open one, unmodified, and the window shows it on the folder.
CommandOutcome ReplaceScenario(CommandContext& context, ReadPlan plan, int folder) {
  context.program = std::move(plan.program);
  context.scenario = *plan.scenario;
  context.scenario.modified = false;
  ShellView& view = context.view;
  view.SetTitle(WindowTitle(context.program.open_name));
  view.CloseFolderWindows();
  view.RebuildRecentMenu();
  view.RebuildBudgetMenu();
  MarkScenarioLoaded(context);
  view.RefreshFolders();
  view.SelectFolder(folder);
  CommandOutcome result;
  result.replaced_scenario = true;
  return result;
}

}  // namespace

CommandOutcome OpenSamplePlan(CommandContext& context, const std::string& path) {
  std::optional<ReadPlan> plan = ReadBesideOpenScenario(context, path);
  if (!plan) return {};
  // A sample is a starting point: the user's own copy is unnamed until it is saved.
  plan->program.open_name = model::kFallbackScenarioName;
  plan->program.save_name = model::kFallbackScenarioName;
  plan->program.scenario_claim.reset();
  return ReplaceScenario(context, std::move(*plan), kSummaryFolder);
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
  std::optional<ReadPlan> plan = ReadBesideOpenScenario(context_, name);
  if (!plan) {
    context_.view.ShowStatus(name + " was not opened; the open scenario is unchanged.");
    return {};
  }
  // The file that was open goes first in the recent files, and the file just opened above it;
  // an unnamed scenario has no file to go back to.
  const std::string& previous = context_.program.open_name;
  if (!IsWorkingScenarioName(previous)) model::AddRecentFile(plan->program, previous);
  model::AddRecentFile(plan->program, name);
  const int folder = plan->scenario->initial.event_count == 0 ? kSummaryFolder : kScenarioFolder;
  return ReplaceScenario(context_, std::move(*plan), folder);
}

void FileCommands::Save() {
  // A scenario the user has not named yet is saved under the name the user gives it.
  if (IsUnnamedScenario(context_.program)) {
    SaveAs();
    return;
  }
  if (!WriteScenarioOrSay(context_.program, context_.scenario, context_.prompter)) return;
  context_.view.SetTitle(WindowTitle(context_.program.open_name));
  MarkScenarioLoaded(context_);
}

void FileCommands::SaveAs() {
  if (!SaveScenarioUnderNewName(context_.program, context_.scenario, context_.prompter)) return;
  context_.view.SetTitle(WindowTitle(context_.program.open_name));
  MarkScenarioLoaded(context_);
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
