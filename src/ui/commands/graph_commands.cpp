// Graph commands of the main window over the plot file and the graph folders.
#include "ui/commands/graph_commands.h"

#include <filesystem>

#include "graphs/graph_program.h"
#include "graphs/save_graphs.h"
#include "model/scenario_ops.h"
#include "ui/shell/folders.h"

namespace tarvel::ui {
namespace {

constexpr int kSaveGraphs = 11;
constexpr int kPrintCurrentGraph = 403;
constexpr int kPrintCurrentGraphKey = 404;
constexpr int kGraphWindow = 501;

// The printing flag makes the open-editor guard refuse commands while a job runs.
class PrintingFlag {
 public:
  explicit PrintingFlag(ShellState& state) : state_(state) { state_.printing = true; }
  ~PrintingFlag() { state_.printing = false; }
  PrintingFlag(const PrintingFlag&) = delete;
  PrintingFlag& operator=(const PrintingFlag&) = delete;

 private:
  ShellState& state_;
};

}  // namespace

std::optional<graphs::ChartStyle> PrintAllGraphsStyle(int id) {
  switch (id) {
    case 912:
      return graphs::ChartStyle::Line;
    case 913:
      return graphs::ChartStyle::Bar;
    case 915:
      return graphs::ChartStyle::Bar3D;
    default:
      return std::nullopt;
  }
}

bool GraphCommands::Handles(int id) const {
  return id == kSaveGraphs || id == kPrintCurrentGraph || id == kPrintCurrentGraphKey ||
         id == kGraphWindow || PrintAllGraphsStyle(id).has_value();
}

CommandOutcome GraphCommands::Execute(int id) {
  if (!context_.state.scenario_loaded) return {};
  RunIfStale();
  switch (id) {
    case kSaveGraphs:
      SaveGraphs();
      break;
    case kGraphWindow:
      // A graph program that cannot be started passes silently, as the other siblings do.
      graphs::StartGraphProgram(launcher_, kPlotFileName, context_.state.keywords.currency.word);
      break;
    case kPrintCurrentGraph:
    case kPrintCurrentGraphKey:
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
  graphs::SaveGraphs(context_.prompter, folder / kPlotFileName, folder.string());
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
