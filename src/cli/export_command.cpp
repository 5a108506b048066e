// `tarvel export`: opens the scenario as the planner does, runs it for its balances (even
// when runs are suppressed) and writes the export file.
#include "cli/export_command.h"

#include <memory>

#include "cli/opened_scenario.h"
#include "cli/private_folder.h"
#include "exchange/balance_export.h"
#include "model/atomic_file.h"
#include "model/program.h"

namespace tarvel::cli {

int RunExportCommand(const ExportCommandOptions& options) {
  if (options.comma == options.tab) return Usage("Give one of --csv and --tab.");
  const auto clock = ClockForToday(options.today);
  if (!clock) return 2;
  auto scenario = OpenScenarioFile(options.input);
  if (!scenario) return 1;
  PrivateFolder scratch;
  if (!RunOpenedFile(*scenario, {options.input, {}, clock.get()}, scratch, nullptr)) return 1;
  model::Program program;
  const exchange::BalanceTable table = exchange::RunForExport(*scenario, program, *clock);
  const std::string text = exchange::ExportText(table, options.comma ? ',' : '\t');
  std::error_code error;
  if (!model::WriteFileAtomically(options.output, text, error)) {
    return Fail(model::CannotWriteMessage(options.output, error));
  }
  return 0;
}

void AddExportCommand(CLI::App& app, int& status) {
  auto options = std::make_shared<ExportCommandOptions>();
  CLI::App* command =
      app.add_subcommand("export", "Write the yearly account balances of a run to a file");
  command->add_option("file", options->input, "Scenario file (.ret)")->required();
  command->add_option("out", options->output, "Export file to write")->required();
  CLI::Option* comma = command->add_flag("--csv", options->comma, "Comma-delimited file");
  CLI::Option* tab = command->add_flag("--tab", options->tab, "Tab-delimited file");
  comma->excludes(tab);
  command->add_option("--today", options->today, "Today's date, YYYY-MM-DD");
  command->callback([options, &status] { status = RunExportCommand(*options); });
}

}  // namespace tarvel::cli
