// Graph pages by folder index, kept in step with the runs, and the printing of graph pages
// through the planner's print path.
#include "app/graph_folders.h"

#include "app/drawn_page_printer.h"
#include "app/folder_area.h"
#include "graphs/chart_frame.h"
#include "results/print_title_page.h"
#include "ui/shell/folders.h"

namespace tarvel::app {
namespace {

using graphs::GraphKind;
using graphs::PageLayout;

constexpr int kAccountTabs = model::kMaxAccounts / graphs::kAccountsPerFolder;

}  // namespace

GraphFolders::GraphFolders(FolderArea& area, std::function<void()> zoomed,
                           std::function<void(const QString&)> hint)
    : area_(area), zoomed_(std::move(zoomed)), hint_(std::move(hint)) {
  pages_.push_back(AddPage(GraphKind::NetWorth, PageLayout::Summary));
  pages_.resize(ui::kNetWorthFolder, nullptr);
  for (GraphKind kind :
       {GraphKind::NetWorth, GraphKind::InOut, GraphKind::Incoming, GraphKind::Outgoing}) {
    pages_.push_back(AddPage(kind, PageLayout::Full));
  }
  pages_.push_back(AddPage(GraphKind::Groups, PageLayout::Full));
  for (int tab = 0; tab < kAccountTabs; ++tab) {
    pages_.push_back(AddPage(GraphKind::Accounts, PageLayout::Full));
  }
}

GraphPage* GraphFolders::AddPage(GraphKind kind, PageLayout layout) {
  auto* page = new GraphPage(kind, layout, state_);
  page->setObjectName(QStringLiteral("graph_page_%1").arg(pages_.size()));
  area_.AddPage(page);
  QObject::connect(page, &GraphPage::ZoomChanged, page, [this, page] {
    graph_range_ = page->ZoomAgeRange();
    if (zoomed_) zoomed_();
  });
  QObject::connect(page, &GraphPage::StatusHint, page, [this](const QString& text) {
    if (hint_) hint_(text);
  });
  return page;
}

GraphPage* GraphFolders::page(int folder) const {
  if (folder < 0 || folder >= static_cast<int>(pages_.size())) return nullptr;
  return pages_[static_cast<std::size_t>(folder)];
}

GraphPage* GraphFolders::Prepare(int folder, int account_count) {
  const auto graph = ui::GraphFolderOf(folder, account_count, {});
  GraphPage* shown = graph ? page(folder) : nullptr;
  if (shown == nullptr || graph->kind != static_cast<int>(GraphKind::Accounts)) return shown;
  // The last tab's range follows the account count.
  const graphs::AccountRange range{graph->first_account - 1, graph->last_account - 1};
  graphs::AccountRange& current =
      ranges_[static_cast<std::size_t>(folder - ui::kFirstAccountGraphFolder)];
  if (range.first != current.first || range.last != current.last) {
    current = range;
    shown->SetAccountRange(range);
  }
  return shown;
}

void GraphFolders::SetRun(const engine::Run& run, const model::Scenario& scenario) {
  source_ = graphs::MakeChartSource(run, scenario);
  palette_ = graphs::Palette::FromProgramColours(scenario.colours);
  has_run_ = true;
  // Full graphs on screen name the scenario file and when it was run under the chart.
  std::array<std::string, 3> footer{};
  if (run.clock != nullptr) {
    footer = graphs::DefaultFooterLines(run.options.scenario_file_name, run.clock->Today(),
                                        run.clock->Now());
  }
  for (GraphPage* each : pages_) {
    if (each == nullptr) continue;
    each->SetFooterLines(footer);
    each->SetRun(run, scenario);
  }
}

void GraphFolders::SetCurrency(const model::Currency& currency) {
  currency_ = currency;
  for (GraphPage* each : pages_) {
    if (each != nullptr) each->SetCurrency(currency);
  }
}

void GraphFolders::SetMarkedAge(int age) {
  const std::optional<float> marked =
      age > 0 ? std::optional<float>(static_cast<float>(age)) : std::nullopt;
  for (GraphPage* each : pages_) {
    if (each != nullptr) each->SetMarkedAge(marked);
  }
}

void GraphFolders::ResetZoom() {
  graph_range_ = {};
  for (GraphPage* each : pages_) {
    if (each != nullptr) each->ResetZoom();
  }
}

graphs::PrintJob GraphFolders::Job() const {
  graphs::PrintJob job;
  job.source = &source_;
  job.palette = palette_;
  job.currency = currency_;
  // Pages cover the whole paper, so the page-setup margins (or their defaults) are the margins.
  const platform::PageSetup setup = Setup();
  job.margins = graphs::PrintMargins{setup.margin_left, setup.margin_top, setup.margin_right,
                                     setup.margin_bottom};
  return job;
}

bool GraphFolders::PrintCurrentGraphTo(platform::PageSink& sink, int folder) {
  const GraphPage* shown = page(folder);
  if (shown == nullptr || !has_run_) return false;
  if (folder == ui::kSummaryFolder) return graphs::PrintSummaryPage(sink, Job(), shown->state());
  const graphs::AccountRange range =
      folder >= ui::kFirstAccountGraphFolder
          ? ranges_[static_cast<std::size_t>(folder - ui::kFirstAccountGraphFolder)]
          : graphs::AccountRange{};
  return graphs::PrintCurrentGraph(sink, Job(), shown->state(), range);
}

bool GraphFolders::PrintAllGraphsTo(platform::PageSink& sink, int folder,
                                    graphs::ChartStyle style) {
  if (!has_run_) return false;
  const GraphPage* like = page(folder);
  if (like == nullptr) like = page(ui::kNetWorthFolder);
  return graphs::PrintAllGraphs(sink, Job(), like->state(), style);
}

platform::PageSetup GraphFolders::Setup() const {
  platform::PageSetup setup;
  if (margins_ != nullptr) {
    setup.margin_left = margins_->left;
    setup.margin_top = margins_->top;
    setup.margin_right = margins_->right;
    setup.margin_bottom = margins_->bottom;
  }
  return setup;
}

bool GraphFolders::PrintCurrentGraphOn(QPrinter& printer, int folder) {
  if (page(folder) == nullptr || !has_run_) return false;
  return PrintDrawnDocumentOn(printer, Setup(), [this, folder](platform::PageSink& sink) {
    return PrintCurrentGraphTo(sink, folder);
  });
}

bool GraphFolders::PrintAllGraphsOn(QPrinter& printer, int folder, graphs::ChartStyle style) {
  if (!has_run_) return false;
  return PrintDrawnDocumentOn(printer, Setup(), [this, folder, style](platform::PageSink& sink) {
    return PrintAllGraphsTo(sink, folder, style);
  });
}

bool GraphFolders::PrintCurrentGraph(int folder) {
  if (page(folder) == nullptr || !has_run_) return false;
  return PrintDocument("Graph", [this, folder](platform::PageSink& sink) {
    return PrintCurrentGraphTo(sink, folder);
  });
}

bool GraphFolders::PrintAllGraphs(int folder, graphs::ChartStyle style) {
  if (!has_run_) return false;
  return PrintDocument("Graphs", [this, folder, style](platform::PageSink& sink) {
    return PrintAllGraphsTo(sink, folder, style);
  });
}

bool GraphFolders::PrintDocument(const std::string& title, const results::DrawPages& draw) {
  if (!plan_file_ || !print_to_file_) {
    return PrintDrawnDocument(area_.window(), graphs::kPrintDocumentName, Setup(), draw);
  }
  return PrintDrawnDocument(area_.window(), results::PrintedDocumentName(plan_file_(), title),
                            Setup(), draw, print_to_file_(title));
}

}  // namespace tarvel::app
