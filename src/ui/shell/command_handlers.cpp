// One handler for each command family of the main window.
#include "ui/shell/command_handlers.h"

#include "ui/accounts/account_commands.h"
#include "ui/commands/file_commands.h"
#include "ui/commands/help_commands.h"
#include "ui/commands/keyword_commands.h"
#include "ui/editors/add_event_chooser.h"
#include "ui/editors/event_editor_commands.h"
#include "ui/exchange/exchange_commands.h"
#include "ui/reports/report_commands.h"

namespace tarvel::ui {

CommandHandlers::CommandHandlers(CommandContext& context, HandlerServices services) {
  handlers_.push_back(
      std::make_unique<FileCommands>(context, services.dialogs, services.help, services.clock));
  handlers_.push_back(std::make_unique<HelpCommands>(context.view, context.state, services.help));
  handlers_.push_back(
      std::make_unique<LinkCommands>(context, services.launcher, std::move(services.addresses)));
  handlers_.push_back(std::make_unique<KeywordCommands>(context));
  handlers_.push_back(std::make_unique<AccountCommands>(context, services));
  handlers_.push_back(std::make_unique<ExchangeCommands>(context, services));
  handlers_.push_back(
      std::make_unique<GraphCommands>(context, services.launcher, services.graph_printer));
  handlers_.push_back(std::make_unique<EventEditorCommands>(
      context, services.dialogs, services.help, services.launcher, services.clock,
      services.report_windows, services.printer));
  handlers_.push_back(
      std::make_unique<AddEventChooserCommand>(std::move(services.show_event_chooser)));
  if (services.report_windows != nullptr) {
    handlers_.push_back(std::make_unique<ReportCommands>(context, *services.report_windows));
  }
}

PrintCommands& CommandHandlers::AddPrintCommands(CommandContext& context,
                                                 PrintCommandServices services) {
  auto commands = std::make_unique<PrintCommands>(context, std::move(services));
  PrintCommands& added = *commands;
  handlers_.push_back(std::move(commands));
  return added;
}

void CommandHandlers::AddTo(Dispatcher& dispatcher) {
  for (const auto& handler : handlers_) dispatcher.AddHandler(*handler);
}

}  // namespace tarvel::ui
