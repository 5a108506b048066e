// Printing the graphs: the current graph, every graph page in one style, and the summary
// page, each painted page by page onto the canvases a printer (or a PDF file) hands out.
#pragma once

#include <vector>

#include "graphs/chart_source.h"
#include "graphs/graph_page_state.h"
#include "graphs/paint_graph_page.h"
#include "platform/canvas.h"
#include "platform/page_sink.h"

namespace tarvel::graphs {

inline constexpr char kPrintDocumentName[] = "Printing Graph";

// The printer font: "Courier" at weight 400, about 10 points at the device's resolution.
platform::Font PrinterFont(const platform::Canvas& canvas);

// What every printed page shares: the run, the page setup, colours and currency.
struct PrintJob {
  const ChartSource* source = nullptr;
  Palette palette;
  model::Currency currency;
  std::optional<PrintMargins> margins;
  std::string allocation_title;
};

// The kind, range and style of the page on screen, on one page. False when cancelled.
bool PrintCurrentGraph(platform::PageSink& sink, const PrintJob& job, const GraphPageState& state,
                       AccountRange accounts);

// Net worth, incoming/outgoing, incoming, outgoing, groups and every accounts folder, one
// page each, in the given style. False when cancelled.
bool PrintAllGraphs(platform::PageSink& sink, const PrintJob& job, const GraphPageState& state,
                    ChartStyle style);

// The summary page's three graphs and its panel on one page, each with its title.
bool PrintSummaryPage(platform::PageSink& sink, const PrintJob& job, const GraphPageState& state);

// The account ranges of the accounts folders: one per started ten accounts.
std::vector<AccountRange> AccountFolders(int account_count);

}  // namespace tarvel::graphs
