// Report commands over the report windows.
#include "ui/reports/report_commands.h"

#include "model/scenario_ops.h"

namespace tarvel::ui {

bool ReportCommands::Handles(int id) const { return results::ReportOfCommand(id).has_value(); }

CommandOutcome ReportCommands::Execute(int id) {
  const auto kind = results::ReportOfCommand(id);
  if (!kind || !context_.state.scenario_loaded) return {};
  if (context_.state.results_stale) {
    model::RecomputeInitialTotals(context_.scenario);
    context_.view.RunScenario();
  }
  windows_.OpenReportWindow(*kind);
  return {};
}

}  // namespace tarvel::ui
