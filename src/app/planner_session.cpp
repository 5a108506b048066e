// Start-up and exit of the planner around its data files, and the runs of the scenario.
#include "app/planner_session.h"

#include <chrono>
#include <filesystem>

#include "engine/data_folders.h"
#include "engine/run_scenario.h"
#include "engine/run_write_back.h"
#include "model/crash_recovery.h"
#include "model/planner_options_file.h"
#include "model/preferences_file.h"
#include "model/scenario_ops.h"
#include "model/startup_file.h"
#include "ui/commands/crash_recovery_offer.h"
#include "ui/commands/scenario_claim_check.h"
#include "ui/commands/scenario_file_steps.h"
#include "ui/shell/folder_access.h"
#include "ui/shell/run_problem_boxes.h"
#include "ui/shell/working_file_cleanup.h"

namespace tarvel::app {

PlannerSession::PlannerSession(const std::string& working_directory, const ui::Keywords& keywords)
    : scenario_(std::make_unique<model::Scenario>()),
      run_(std::make_unique<results::ScheduleRun>()) {
  program_.working_directory = working_directory;
  program_.currency = keywords.currency;
  state_.keywords = keywords;
  run_->clock = &clock_;
  random_state_.source.Seed(
      static_cast<std::uint64_t>(std::chrono::system_clock::now().time_since_epoch().count()));
}

void PlannerSession::SetParentWindow(QWidget* window) {
  prompter_.set_parent(window);
  dialogs_.set_parent(window);
  help_.set_parent(window);
}

void PlannerSession::ReadPreferences() {
  model::ReadPreferences(program_.working_directory, program_, *scenario_);
  model::ReadPlannerOptions(program_.working_directory, program_);
}

void PlannerSession::CheckWorkingFolder() {
  const std::optional<std::string> problem = ui::FolderWriteProblem(program_.working_directory);
  working_folder_read_only_ = problem.has_value();
  if (problem)
    prompter().Ask(ui::ReadOnlyWorkingFolderMessage(program_.working_directory, *problem));
}

bool PlannerSession::ReadStartupFile() { return model::ReadStartupFile(program_); }

bool PlannerSession::ReadLastScenario() {
  if (program_.open_name.empty()) return false;
  if (!ui::MayOpenScenario(program_, program_.open_name, prompter())) return false;
  if (!ui::ReadScenarioQuietlyIfMissing(program_, *scenario_, prompter())) return false;
  model::OrderEventsByAge(*scenario_);
  model::RecomputeInitialTotals(*scenario_);
  return true;
}

bool PlannerSession::OfferRecovery() { return ui::OfferRecovery(program_, *scenario_, prompter()); }

void PlannerSession::KeepRecoveryCopy() {
  if (scenario_->modified) model::WriteRecoveryFile(program_, *scenario_);
}

const results::ScheduleRun& PlannerSession::Run(const engine::RunOptions& options,
                                                bool show_messages) {
  KeepRecoveryCopy();
  if (state_.keywords.runs_suppressed) return *run_;
  auto run = std::make_unique<results::ScheduleRun>();
  run->clock = &clock_;
  run->options = options;
  run->options.workdir = program_.working_directory;
  run->options.currency = program_.currency;
  run->options.add_summary = options.add_summary && state_.keywords.summary_lines;
  run->options.scenario_file_name = std::filesystem::path(program_.open_name).filename().string();
  run->options.data_folders = engine::ProgramDataFolders(program_.working_directory);
  // The generator goes on where the last run left it, so no two random runs repeat.
  run->random = random_state_;
  engine::RunScenario(*scenario_, *run);
  // The user was told once at start-up that the working folder cannot be written.
  if (working_folder_read_only_) ui::DropWorkingFolderProblems(run->problems);
  // Balances, event order and the other run-time fields are shown and saved from the scenario.
  engine::WriteBackRunFields(*run, *scenario_);
  random_state_ = run->random;
  if (show_messages) ui::ShowRunProblems(*run, prompter());
  // Only a run to the results list replaces what the folders show.
  if (options.mode == engine::OutputMode::ResultsList) {
    run_ = std::move(run);
    state_.results_stale = false;
    return *run_;
  }
  file_run_ = std::move(run);
  return *file_run_;
}

bool PlannerSession::CloseDown(const model::WindowGeometry& window) {
  if (ui::PromptSaveScenario(program_, *scenario_, prompter()) == platform::Answer::Cancel) {
    return false;
  }
  program_.window = window;
  model::WritePreferences(program_.working_directory, program_, *scenario_);
  model::WriteStartupFile(program_);
  ui::DeleteTempFiles(program_.working_directory, state_.report_page_count);
  model::RemoveRecoveryFile(program_.working_directory);
  return true;
}

}  // namespace tarvel::app
