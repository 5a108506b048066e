// The factory of the main window's command handlers: one handler per command family, made
// here and handed to the dispatcher, so a new family is added in one place and the main
// window stays as it is.
#pragma once

#include <functional>
#include <memory>
#include <vector>

#include "platform/clock.h"
#include "platform/help.h"
#include "platform/launcher.h"
#include "ui/commands/graph_commands.h"
#include "ui/commands/link_commands.h"
#include "ui/printing/print_commands.h"
#include "ui/reports/report_window_host.h"
#include "ui/shell/dialog_template.h"
#include "ui/shell/dispatcher.h"

namespace tarvel::ui {

// What the handlers reach besides the command context.
struct HandlerServices {
  DialogRunner& dialogs;
  platform::Help& help;
  platform::Launcher& launcher;
  GraphPrinter& graph_printer;
  LinkAddresses addresses;
  const platform::Clock& clock;
  // Shows the modeless "Add Event" chooser (command 10).
  std::function<void()> show_event_chooser;
  // The report and mortgage schedule windows; without them the report commands are missing.
  ReportWindowHost* report_windows = nullptr;
  // The desktop's printers, for the calculators' printed schedules.
  const platform::Printer* printer = nullptr;
};

class CommandHandlers {
 public:
  CommandHandlers(CommandContext& context, HandlerServices services);
  // The print commands, for a window that prints; before AddTo.
  PrintCommands& AddPrintCommands(CommandContext& context, PrintCommandServices services);
  // Adds every handler to the dispatcher, file commands first.
  void AddTo(Dispatcher& dispatcher);

 private:
  std::vector<std::unique_ptr<CommandHandler>> handlers_;
};

}  // namespace tarvel::ui
