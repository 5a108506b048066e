// DispatchCommand: every menu item, accelerator, toolbar button and posted command arrives
// here; the dispatcher applies the open-editor guard and the save prompt, hands the command
// to the handler of its family, and refreshes the folders afterwards.
#pragma once

#include <vector>

#include "model/program.h"
#include "model/records.h"
#include "platform/prompter.h"
#include "ui/shell/command_table.h"
#include "ui/shell/editor_guard.h"
#include "ui/shell/shell_view.h"

namespace tarvel::ui {

// What every handler works on.
struct CommandContext {
  model::Program& program;
  model::Scenario& scenario;
  ShellState& state;
  ShellView& view;
  EditorGuard& editors;
  platform::Prompter& prompter;
};

// What a handler reports back.
struct CommandOutcome {
  bool editor_changed = false;     // an editor changed the scenario and was not cancelled
  bool replaced_scenario = false;  // New, Open or a recent file brought in another scenario
  int posted = 0;                  // a command the handler's chooser posts, dispatched next
};

class CommandHandler {
 public:
  virtual ~CommandHandler() = default;
  virtual bool Handles(int id) const = 0;
  virtual CommandOutcome Execute(int id) = 0;
};

enum class DispatchResult {
  Unknown,       // no such command
  Refused,       // an editor is open or a print job runs
  Cancelled,     // the save prompt was cancelled
  NotAvailable,  // registered, but its dialog is not part of this program yet
  Done,
};

inline constexpr char kNotAvailableStatus[] = "This command is not available yet.";

// After an editor's change: which folders are refreshed.
struct RefreshPlan {
  bool run_again_in_results = false;
  bool reselect_scenario_folder = false;
  bool reselect_graph_folder = false;
  bool repaint = true;
};
RefreshPlan PlanRefreshAfterEditor(const ShellState& state, Refresh scope);

class Dispatcher {
 public:
  explicit Dispatcher(CommandContext& context) : context_(context) {}

  // Handlers are asked in the order they were added; the first that handles an id wins.
  void AddHandler(CommandHandler& handler) { handlers_.push_back(&handler); }
  DispatchResult DispatchCommand(int id);
  // The ending of every command that brought in another scenario: editors closed, a run, the
  // event list rebuilt.
  void EndReplacingScenario();

 private:
  CommandHandler* HandlerOf(int id) const;
  void RefreshAfterEditor(Refresh scope);

  CommandContext& context_;
  std::vector<CommandHandler*> handlers_;
};

}  // namespace tarvel::ui
