// The import and export commands of the main window: Export Account Results (12) and Import
// Account Data (13) with their choosers, the new scenario's accounts from a tab or comma file
// (441, 442), the account updates (444, 445) and the exports (446, 447).
#pragma once

#include "ui/editors/editor_services.h"
#include "ui/shell/command_handlers.h"
#include "ui/shell/dispatcher.h"

namespace tarvel::ui {

class ExchangeCommands : public CommandHandler {
 public:
  ExchangeCommands(CommandContext& context, const HandlerServices& services);
  bool Handles(int id) const override;
  CommandOutcome Execute(int id) override;

 private:
  EditorServices Services();
  CommandOutcome Choose(int id);
  CommandOutcome NewFromFile(bool comma);
  CommandOutcome Update(bool comma);

  CommandContext& context_;
  DialogRunner& dialogs_;
  platform::Help& help_;
  platform::Launcher& launcher_;
  const platform::Clock& clock_;
};

}  // namespace tarvel::ui
