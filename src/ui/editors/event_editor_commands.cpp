// Opening an editor dialog for a command and what follows a change.
#include "ui/editors/event_editor_commands.h"

#include <string>

#include "model/record_counts.h"
#include "ui/editors/editor_table.h"

namespace tarvel::ui {
namespace {

std::string GuardName(int command) { return "editor " + std::to_string(command); }

}  // namespace

bool EventEditorCommands::Handles(int id) const { return FindEditor(id) != nullptr; }

EditRequest EventEditorCommands::TakeRequest(const EditorEntry& entry) {
  const int target = context_.state.edit_target;
  context_.state.edit_target = -1;
  // A calculator writes no event; a slot beyond the events adds instead of editing.
  const bool edits =
      !entry.calculator && target >= 0 && target < model::EventCount(context_.scenario);
  return RequestFor(entry, edits ? target : -1);
}

CommandOutcome EventEditorCommands::Execute(int id) {
  context_.state.last_edit_committed = false;
  const EditorEntry* entry = FindEditor(id);
  if (entry == nullptr) return {};
  const EditRequest request = TakeRequest(*entry);
  EditorServices services{context_.scenario, context_.program, context_.prompter, dialogs_, help_,
                          launcher_,         clock_,           report_windows_,   printer_};
  const std::string guard = GuardName(id);
  context_.editors.Open(guard);
  const bool changed = entry->edit(services, request);
  context_.editors.Close(guard);
  if (!changed) return {};
  context_.state.last_edit_committed = true;
  AfterChange(id);
  CommandOutcome outcome;
  outcome.editor_changed = true;
  return outcome;
}

// The scenario is saved-worthy and run at once, so the folders show the new results; the
// results folder, when it is showing, runs again by itself after the dispatcher's refresh.
void EventEditorCommands::AfterChange(int id) {
  context_.scenario.modified = true;
  const Command* command = FindCommand(id);
  const Refresh scope = command == nullptr ? Refresh::AfterEditor : command->refresh;
  if (!PlanRefreshAfterEditor(context_.state, scope).run_again_in_results) {
    context_.view.RunScenario();
  }
  context_.view.RefreshEventList();
  // A budget's OK adds, changes or removes its withdrawal and may rename its menu item.
  context_.view.RebuildBudgetMenu();
}

}  // namespace tarvel::ui
