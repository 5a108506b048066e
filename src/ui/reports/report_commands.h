// The Reports menu's report commands: each shows its report window over the last run, run
// again first when the scenario changed since.
#pragma once

#include "ui/reports/report_window_host.h"
#include "ui/shell/dispatcher.h"

namespace tarvel::ui {

class ReportCommands : public CommandHandler {
 public:
  ReportCommands(CommandContext& context, ReportWindowHost& windows)
      : context_(context), windows_(windows) {}

  bool Handles(int id) const override;
  CommandOutcome Execute(int id) override;

 private:
  CommandContext& context_;
  ReportWindowHost& windows_;
};

}  // namespace tarvel::ui
