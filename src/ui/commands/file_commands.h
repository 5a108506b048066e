// The File menu: New, Open, Save, Save as, the recent files, Save and Read Accounts, the
// backup copies setting, Exit.
#pragma once

#include <string>

#include "platform/clock.h"
#include "platform/help.h"
#include "ui/shell/dialog_template.h"
#include "ui/shell/dispatcher.h"

namespace tarvel::ui {

// The new-scenario reset: clears the scenario, makes its working file (the scenario stays
// unnamed when it cannot be made) and shows the Accounts folder. The RMD tables start filled,
// at the age US rules give for the birth year of the plan that was open.
CommandOutcome StartNewScenario(CommandContext& context, const platform::Clock& clock);

// Opens a sample plan shipped with the program as a new, unnamed scenario (Save asks for a
// name); a file that cannot be read is told and changes nothing.
CommandOutcome OpenSamplePlan(CommandContext& context, const std::string& path);

class FileCommands : public CommandHandler {
 public:
  FileCommands(CommandContext& context, DialogRunner& dialogs, platform::Help& help,
               const platform::Clock& clock)
      : context_(context), dialogs_(dialogs), help_(help), clock_(clock) {}

  bool Handles(int id) const override;
  CommandOutcome Execute(int id) override;

 private:
  CommandOutcome New();
  CommandOutcome NewByHand();
  CommandOutcome Open();
  CommandOutcome OpenRecent(int index);
  // Reads the named scenario in place of the current one; success puts it first in the
  // recent-file list.
  CommandOutcome OpenNamed(std::string name);
  void Save();
  void SaveAs();
  void SaveAccounts();
  void ReadAccounts();
  // Turns the backup copies of saved scenarios on or off and writes the choice to the
  // planner options file; a failed write is reported and changes nothing.
  void ToggleBackupCopies();

  CommandContext& context_;
  DialogRunner& dialogs_;
  platform::Help& help_;
  const platform::Clock& clock_;
};

}  // namespace tarvel::ui
