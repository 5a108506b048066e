// Print pages of the graphs, painted through PaintGraphPage with the printing flag.
#include "graphs/graph_printing.h"

#include <algorithm>

namespace tarvel::graphs {
namespace {

constexpr int kPrinterPoints = 10;

bool PrintPage(platform::PageSink& sink, const PrintJob& job, const GraphPageState& state,
               PageLayout layout, AccountRange accounts) {
  platform::Canvas* canvas = sink.BeginPage();
  if (canvas == nullptr || job.source == nullptr) return false;
  PageRequest request;
  request.layout = layout;
  const platform::Size size = canvas->DeviceSize();
  request.window = {0, 0, size.width, size.height};
  request.accounts = accounts;
  request.allocation_title = job.allocation_title;
  request.font = PrinterFont(*canvas);
  request.palette = job.palette;
  request.currency = job.currency;
  request.printing = true;
  request.margins = job.margins;
  PaintGraphPage(*canvas, *job.source, state, request);
  sink.EndPage();
  return true;
}

}  // namespace

platform::Font PrinterFont(const platform::Canvas& canvas) {
  const int dpi = std::max(1, canvas.PixelsPerInch().y);
  return platform::Font("Courier", -(kPrinterPoints * dpi / 72), platform::kNormalWeight);
}

std::vector<AccountRange> AccountFolders(int account_count) {
  std::vector<AccountRange> folders;
  for (int first = 0; first < std::min(account_count, model::kMaxAccounts);
       first += kAccountsPerFolder) {
    folders.push_back({first, std::min(first + kAccountsPerFolder, account_count) - 1});
  }
  return folders;
}

bool PrintCurrentGraph(platform::PageSink& sink, const PrintJob& job, const GraphPageState& state,
                       AccountRange accounts) {
  return PrintPage(sink, job, state, PageLayout::Full, accounts);
}

bool PrintAllGraphs(platform::PageSink& sink, const PrintJob& job, const GraphPageState& state,
                    ChartStyle style) {
  if (job.source == nullptr) return false;
  GraphPageState page = state;
  page.LeaveBreakdown();
  page.SetStyle(style);
  for (GraphKind kind : {GraphKind::NetWorth, GraphKind::InOut, GraphKind::Incoming,
                         GraphKind::Outgoing, GraphKind::Groups}) {
    page.ShowKind(kind);
    if (!PrintPage(sink, job, page, PageLayout::Full, {})) return false;
  }
  page.ShowKind(GraphKind::Accounts);
  const int accounts = static_cast<int>(job.source->account_names.size());
  for (const AccountRange& range : AccountFolders(accounts)) {
    if (!PrintPage(sink, job, page, PageLayout::Full, range)) return false;
  }
  return true;
}

bool PrintSummaryPage(platform::PageSink& sink, const PrintJob& job, const GraphPageState& state) {
  return PrintPage(sink, job, state, PageLayout::Summary, {});
}

}  // namespace tarvel::graphs
