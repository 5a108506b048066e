// What command handlers ask of the main window, and the shell state they share with it. The
// desktop program's main window implements ShellView; tests use a recording fake.
#pragma once

#include <string>

#include "ui/shell/keywords.h"

namespace tarvel::ui {

struct ShellState {
  Keywords keywords;
  bool results_stale = false;
  bool printing = false;
  int current_folder = 0;
  bool start_page_pending = true;
  bool results_folder_open = false;
  bool scenario_loaded = false;  // the scenario-dependent commands are enabled
  int report_page_count = 0;     // page files of the last report, deleted at exit
  // The event slot the next editor command opens on (set by the Scenario folder before it
  // posts the editor's command); -1 adds a new event. For the account dialog (command 200)
  // it is the account's position, set by the Accounts folder; -1 adds an account.
  int edit_target = -1;
  // Whether the last editor command wrote its change (false when it was cancelled).
  bool last_edit_committed = false;
};

class ShellView {
 public:
  virtual ~ShellView() = default;
  virtual void SetTitle(const std::string& title) = 0;
  // Runs the scenario to the results list (mode 0) and keeps the run for the folders.
  virtual void RunScenario() = 0;
  virtual void SelectFolder(int folder) = 0;
  // Rebuilds the tab strip (captions follow the account count and group folder name).
  virtual void RefreshFolders() = 0;
  virtual void CloseFolderWindows() = 0;
  virtual void RebuildRecentMenu() = 0;
  virtual void RebuildBudgetMenu() = 0;
  virtual void RefreshEventList() = 0;
  // "Run Again" in the results folder, then back to its position (Bottom, Top or Go To).
  virtual void RunAgainInResultsFolder() = 0;
  virtual void Repaint() = 0;
  virtual void EnableScenarioCommands(bool enabled) = 0;
  virtual void ShowStatus(const std::string& text) = 0;
  virtual void ShowAbout() = 0;
  // Asks the window to close; closing goes through the save prompt.
  virtual void RequestClose() = 0;
};

}  // namespace tarvel::ui
