// The command dispatcher of the main window.
#include "ui/shell/dispatcher.h"

#include "model/scenario_file.h"
#include "ui/commands/scenario_file_steps.h"
#include "ui/shell/folders.h"

namespace tarvel::ui {

RefreshPlan PlanRefreshAfterEditor(const ShellState& state, Refresh scope) {
  RefreshPlan plan;
  plan.run_again_in_results = state.results_folder_open && state.current_folder == kResultsFolder;
  if (scope == Refresh::AfterEditor) {
    plan.reselect_scenario_folder = state.current_folder == kScenarioFolder;
    plan.reselect_graph_folder = IsGraphFolder(state.current_folder);
  }
  return plan;
}

CommandHandler* Dispatcher::HandlerOf(int id) const {
  for (CommandHandler* handler : handlers_) {
    if (handler->Handles(id)) return handler;
  }
  return nullptr;
}

DispatchResult Dispatcher::DispatchCommand(int id) {
  const Command* command = FindCommand(id);
  if (command == nullptr) return DispatchResult::Unknown;
  if (command->guarded && context_.editors.EditorIsOpen(context_.state.printing)) {
    return DispatchResult::Refused;
  }
  CommandHandler* handler = HandlerOf(id);
  if (handler == nullptr) {
    context_.view.ShowStatus(kNotAvailableStatus);
    return DispatchResult::NotAvailable;
  }
  if (command->save_prompt && PromptSaveScenario(context_.program, context_.scenario,
                                                 context_.prompter) == platform::Answer::Cancel) {
    return DispatchResult::Cancelled;
  }
  const CommandOutcome outcome = handler->Execute(id);
  if (outcome.replaced_scenario) EndReplacingScenario();
  if (outcome.editor_changed) RefreshAfterEditor(command->refresh);
  if (outcome.posted != 0) return DispatchCommand(outcome.posted);
  return DispatchResult::Done;
}

void Dispatcher::EndReplacingScenario() {
  context_.editors.CloseAll();
  context_.view.RunScenario();
  context_.view.RefreshEventList();
}

void Dispatcher::RefreshAfterEditor(Refresh scope) {
  context_.state.results_stale = true;
  const RefreshPlan plan = PlanRefreshAfterEditor(context_.state, scope);
  if (plan.run_again_in_results) context_.view.RunAgainInResultsFolder();
  if (plan.reselect_scenario_folder || plan.reselect_graph_folder) {
    context_.view.SelectFolder(context_.state.current_folder);
  }
  if (plan.repaint) context_.view.Repaint();
}

}  // namespace tarvel::ui
