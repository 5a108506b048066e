// The account commands.
#include "ui/accounts/account_commands.h"

#include "ui/editors/editor_table.h"
#include "ui/shell/folders.h"

namespace tarvel::ui {

AccountCommands::AccountCommands(CommandContext& context, const HandlerServices& services)
    : context_(context),
      dialogs_(services.dialogs),
      help_(services.help),
      launcher_(services.launcher),
      clock_(services.clock) {}

bool AccountCommands::Handles(int id) const {
  return (id == kAddAccountCommand || id == kGroupNamesCommand || id == kReindexAccountsCommand) &&
         FindEditor(id) != nullptr;
}

CommandOutcome AccountCommands::Execute(int id) {
  const EditorEntry& entry = *FindEditor(id);
  const EditRequest request =
      RequestFor(entry, id == kAddAccountCommand ? context_.state.edit_target : -1);
  context_.state.edit_target = -1;
  EditorServices editor{
      context_.scenario, context_.program, context_.prompter, dialogs_, help_, launcher_, clock_};
  CommandOutcome outcome;
  outcome.editor_changed = entry.edit(editor, request);
  if (outcome.editor_changed) {
    context_.view.SelectFolder(id == kReindexAccountsCommand ? kScenarioFolder : kAccountsFolder);
  }
  return outcome;
}

}  // namespace tarvel::ui
