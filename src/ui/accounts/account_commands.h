// The account commands of the main window: Add Account (200, also the folder's Add and Edit),
// Group Names (102) and Re-Index Accounts (14). Each runs its entry of the editor table and,
// after a change, shows the folder the command leads to.
#pragma once

#include "platform/clock.h"
#include "ui/shell/command_handlers.h"
#include "ui/shell/command_ids.h"
#include "ui/shell/dispatcher.h"

namespace tarvel::ui {

class AccountCommands : public CommandHandler {
 public:
  AccountCommands(CommandContext& context, const HandlerServices& services);
  bool Handles(int id) const override;
  // Command 200 opens on the account whose position ShellState::edit_target holds (-1 adds).
  CommandOutcome Execute(int id) override;

 private:
  CommandContext& context_;
  DialogRunner& dialogs_;
  platform::Help& help_;
  platform::Launcher& launcher_;
  const platform::Clock& clock_;
};

}  // namespace tarvel::ui
