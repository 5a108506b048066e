// The editor commands of the main window: each opens its editor on the event the Scenario
// folder or the results folder chose (or adds a new one), keeps the editor marked open while
// its dialog shows, and reports a change so the shell re-runs and refreshes its folders.
#pragma once

#include "platform/clock.h"
#include "platform/help.h"
#include "platform/launcher.h"
#include "ui/editors/editor_services.h"
#include "ui/editors/editor_table.h"
#include "ui/shell/dialog_template.h"
#include "ui/shell/dispatcher.h"

namespace tarvel::ui {

class EventEditorCommands : public CommandHandler {
 public:
  EventEditorCommands(CommandContext& context, DialogRunner& dialogs, platform::Help& help,
                      platform::Launcher& launcher, const platform::Clock& clock,
                      ReportWindowHost* report_windows = nullptr,
                      const platform::Printer* printer = nullptr)
      : context_(context),
        dialogs_(dialogs),
        help_(help),
        launcher_(launcher),
        clock_(clock),
        report_windows_(report_windows),
        printer_(printer) {}

  // Every command of the editor table.
  bool Handles(int id) const override;
  CommandOutcome Execute(int id) override;

 private:
  // The request of the editor command: ShellState::edit_target, used once.
  EditRequest TakeRequest(const EditorEntry& entry);
  void AfterChange(int id);

  CommandContext& context_;
  DialogRunner& dialogs_;
  platform::Help& help_;
  platform::Launcher& launcher_;
  const platform::Clock& clock_;
  ReportWindowHost* report_windows_;
  const platform::Printer* printer_;
};

}  // namespace tarvel::ui
