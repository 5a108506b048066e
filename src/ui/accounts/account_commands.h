// The account commands of the main window: Add Account (200, also the folder's Add and Edit),
// Group Names (102) and Re-Index Accounts (14). Each runs its entry of the editor table and,
// after a change, shows the folder the command leads to.
#pragma once

#include "model/system_clock.h"
#include "ui/shell/command_handlers.h"
#include "ui/shell/dispatcher.h"

namespace tarvel::ui {

inline constexpr int kReindexAccountsCommand = 14;
inline constexpr int kGroupNamesCommand = 102;
inline constexpr int kAddAccountCommand = 200;

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
  model::SystemClock clock_;
};

}  // namespace tarvel::ui
