// The Graphs menu's commands: Save Graphs, the graph window, Print Current Graph and Print
// All Graphs; each works on the last run, run again first when the results are stale.
#pragma once

#include <optional>

#include "graphs/chart_context.h"
#include "platform/launcher.h"
#include "ui/shell/dispatcher.h"

namespace tarvel::ui {

// What printing asks of the main window's graph folders: the print dialog, then the pages.
class GraphPrinter {
 public:
  virtual ~GraphPrinter() = default;
  // The page of this graph folder on its own sheet. False when cancelled or failed.
  virtual bool PrintCurrentGraph(int folder) = 0;
  // Every graph page in one style, with the legend and zoom of this folder's page when it is
  // a graph folder. False when cancelled or failed.
  virtual bool PrintAllGraphs(int folder, graphs::ChartStyle style) = 0;
};

// The style Print All Graphs uses for a command: 912 line, 913 bar, 915 3-D bar.
std::optional<graphs::ChartStyle> PrintAllGraphsStyle(int id);

class GraphCommands : public CommandHandler {
 public:
  GraphCommands(CommandContext& context, platform::Launcher& launcher, GraphPrinter& printer)
      : context_(context), launcher_(launcher), printer_(printer) {}

  bool Handles(int id) const override;
  CommandOutcome Execute(int id) override;

 private:
  void RunIfStale();
  void SaveGraphs();
  void PrintCurrentGraph();
  void PrintAllGraphs(graphs::ChartStyle style);

  CommandContext& context_;
  platform::Launcher& launcher_;
  GraphPrinter& printer_;
};

}  // namespace tarvel::ui
