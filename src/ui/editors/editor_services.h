// What every editor dialog reaches: the scenario it edits, the program settings, the desktop's
// message boxes, dialogs and help, and the clock. An editor is opened with an EditRequest and
// answers whether it changed the scenario.
#pragma once

#include "model/program.h"
#include "model/records.h"
#include "platform/clock.h"
#include "platform/help.h"
#include "platform/launcher.h"
#include "platform/printer.h"
#include "platform/prompter.h"
#include "ui/reports/report_window_host.h"
#include "ui/shell/dialog_template.h"

namespace tarvel::ui {

struct EditorServices {
  model::Scenario& scenario;
  model::Program& program;  // the calculators keep their last inputs here
  platform::Prompter& prompter;
  DialogRunner& dialogs;
  platform::Help& help;
  platform::Launcher& launcher;
  const platform::Clock& clock;
  // The Mortgage editor's schedule window; none where the desktop shows no windows.
  ReportWindowHost* report_windows = nullptr;
  // The desktop's printers (the calculators' printed schedules); none where nothing prints.
  const platform::Printer* printer = nullptr;
};

// Which event an editor opens on.
struct EditRequest {
  int index = -1;           // the event slot edited; -1 adds a new event
  bool calculator = false;  // the credit-card dialog used as a calculator: no event is written
  int which = 0;            // the budget (0..4) or table a command stands for
  bool adding() const { return index < 0; }
};

// An editor: shows its dialog and returns true when the scenario changed.
using EditorFunction = bool (*)(EditorServices& services, const EditRequest& request);

}  // namespace tarvel::ui
