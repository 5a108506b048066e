// The account commands.
#include "ui/accounts/account_commands.h"

#include "ui/editors/editor_table.h"
#include "ui/shell/folders.h"

namespace tarvel::ui {

AccountCommands::AccountCommands(CommandContext& context, const HandlerServices& services)
    : context_(context),
      dialogs_(services.dialogs),
      help_(services.help),
      launcher_(services.launcher) {}

bool AccountCommands::Handles(int id) const {
  return (id == kAddAccountCommand || id == kGroupNamesCommand || id == kReindexAccountsCommand) &&
         FindEditor(id) != nullptr;
}

CommandOutcome AccountCommands::Execute(int id) {
  EditRequest request;
  if (id == kAddAccountCommand) request.index = context_.state.edit_target;
  context_.state.edit_target = -1;
  EditorServices editor{
      context_.scenario, context_.program, context_.prompter, dialogs_, help_, launcher_, clock_};
  CommandOutcome outcome;
  outcome.editor_changed = FindEditor(id)->edit(editor, request);
  if (outcome.editor_changed) {
    context_.view.SelectFolder(id == kReindexAccountsCommand ? kScenarioFolder : kAccountsFolder);
  }
  return outcome;
}

}  // namespace tarvel::ui
