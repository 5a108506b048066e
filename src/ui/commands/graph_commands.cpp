// Graph commands of the main window over the plot file and the graph folders.
#include "ui/commands/graph_commands.h"

#include <filesystem>

#include "graphs/graph_program.h"
#include "graphs/save_graphs.h"
#include "model/scenario_ops.h"
#include "model/working_file_names.h"
#include "ui/shell/command_ids.h"
#include "ui/shell/folders.h"
#include "ui/shell/printing_flag.h"

namespace tarvel::ui {

std::optional<graphs::ChartStyle> PrintAllGraphsStyle(int id) {
  switch (id) {
    case kPrintLineGraphsCommand:
      return graphs::ChartStyle::Line;
    case kPrintBarGraphsCommand:
      return graphs::ChartStyle::Bar;
    case kPrint3DBarGraphsCommand:
      return graphs::ChartStyle::Bar3D;
    default:
      return std::nullopt;
  }
}

bool GraphCommands::Handles(int id) const {
  return id == kSaveGraphsCommand || id == kPrintCurrentGraphCommand ||
         id == kPrintCurrentGraphKeyCommand || id == kGraphWindowCommand ||
         PrintAllGraphsStyle(id).has_value();
}

CommandOutcome GraphCommands::Execute(int id) {
  if (!context_.state.scenario_loaded) return {};
  RunIfStale();
  switch (id) {
    case kSaveGraphsCommand:
      SaveGraphs();
      break;
    case kGraphWindowCommand:
      // A graph program that cannot be started passes silently, as the other siblings do.
      graphs::StartGraphProgram(launcher_, model::kPlotFileName,
                                context_.state.keywords.currency.word);
      break;
    case kPrintCurrentGraphCommand:
    case kPrintCurrentGraphKeyCommand:
      PrintCurrentGraph();
      break;
    default:
      if (const auto style = PrintAllGraphsStyle(id)) PrintAllGraphs(*style);
      break;
  }
  return {};
}

// The plot file and the graph pages must show the scenario as it is now.
void GraphCommands::RunIfStale() {
  if (!context_.state.results_stale) return;
  model::RecomputeInitialTotals(context_.scenario);
  context_.view.RunScenario();
}

void GraphCommands::SaveGraphs() {
  const std::filesystem::path folder = context_.program.working_directory;
  graphs::SaveGraphs(context_.prompter, folder / model::kPlotFileName, folder.string());
}

void GraphCommands::PrintCurrentGraph() {
  const int folder = context_.state.current_folder;
  if (!IsGraphFolder(folder)) return;
  PrintingFlag printing(context_.state);
  printer_.PrintCurrentGraph(folder);
}

void GraphCommands::PrintAllGraphs(graphs::ChartStyle style) {
  PrintingFlag printing(context_.state);
  printer_.PrintAllGraphs(context_.state.current_folder, style);
}

}  // namespace tarvel::ui
