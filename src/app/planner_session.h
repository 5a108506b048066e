// Everything the desktop planner owns for one session: the scenario, the program state, the
// shell state, the last run, and the Qt side of the platform layer; the start-up reading of
// the data files and the writing of them at exit.
#pragma once

#include <memory>
#include <string>

#include "app/help_window.h"
#include "app/qt_dialog_renderer.h"
#include "app/qt_launcher.h"
#include "app/qt_prompter.h"
#include "engine/random_source.h"
#include "engine/run.h"
#include "model/program.h"
#include "model/records.h"
#include "model/system_clock.h"
#include "results/schedule_run.h"
#include "ui/shell/editor_guard.h"
#include "ui/shell/shell_view.h"

namespace tarvel::app {

class PlannerSession {
 public:
  // The working directory must be current already; keywords come from the command line.
  PlannerSession(const std::string& working_directory, const ui::Keywords& keywords);

  model::Program& program() { return program_; }
  model::Scenario& scenario() { return *scenario_; }
  ui::ShellState& state() { return state_; }
  ui::EditorGuard& editors() { return editors_; }
  // Where messages and file dialogs go: the desktop's dialogs unless another prompter is used.
  platform::Prompter& prompter() { return *prompter_in_use_; }
  // Tests answer with scripted dialogs; set before the main window is made.
  void UsePrompter(platform::Prompter& prompter) { prompter_in_use_ = &prompter; }
  QtDialogRenderer& dialogs() { return dialogs_; }
  QtHelp& help() { return help_; }
  QtLauncher& launcher() { return launcher_; }
  const platform::Clock& clock() const { return clock_; }
  // Where the planner's windows put their dialogs.
  void SetParentWindow(QWidget* window);

  // Start-up: "prefinf.dat" into the program's window geometry and preferences.
  void ReadPreferences();
  // Start-up: a working folder the planner cannot write to is told once, with the system's
  // reason and what to do; the runs then stop reporting the run files they cannot write.
  void CheckWorkingFolder();
  bool working_folder_read_only() const { return working_folder_read_only_; }
  // Start-up: "finance.dat" and the scenario it names. False on a first start (no file).
  bool ReadStartupFile();
  // Reads the scenario named by the open name; true when it was read.
  bool ReadLastScenario();

  // At start-up: offers back the scenario copy a crash left; true when it was taken back.
  bool OfferRecovery();
  // While the scenario has unsaved edits, keeps a copy of it for crash recovery.
  void KeepRecoveryCopy();

  // One run with these options (a mode-0 run keeps its results list); suppressed runs keep
  // the last run. Problems the run reports are shown when show_messages is set. Random rates
  // come from the session's one random source, seeded from the clock when the session
  // starts and carried on from run to run.
  const results::ScheduleRun& Run(const engine::RunOptions& options, bool show_messages = true);
  // The next random run seeds a fresh generator from its options' seed (a Monte Carlo run
  // opened in the Results folder), instead of going on from the last random run.
  void ResetRandomState() { random_state_ = {}; }
  const results::ScheduleRun& last_run() const { return *run_; }

  // Exit: the save prompt; on Cancel false and nothing else. Otherwise the window geometry,
  // "prefinf.dat", "finance.dat", and the working files deleted.
  bool CloseDown(const model::WindowGeometry& window);

 private:
  model::Program program_;
  std::unique_ptr<model::Scenario> scenario_;
  ui::ShellState state_;
  ui::EditorGuard editors_;
  std::unique_ptr<results::ScheduleRun> run_;       // the last run to the results list
  std::unique_ptr<results::ScheduleRun> file_run_;  // the last run to a results or print file
  QtPrompter prompter_;
  platform::Prompter* prompter_in_use_ = &prompter_;
  QtDialogRenderer dialogs_;
  QtHelp help_;
  QtLauncher launcher_;
  model::SystemClock clock_;
  engine::RandomState random_state_;  // carried from run to run
  bool working_folder_read_only_ = false;
};

}  // namespace tarvel::app
