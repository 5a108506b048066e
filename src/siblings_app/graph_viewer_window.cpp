// The plot file is re-read a moment after it changes, so a run still writing it is not read
// half-way; a file that is damaged after a change keeps the message up until the next one.
#include "siblings_app/graph_viewer_window.h"

#include <QActionGroup>
#include <QFileDialog>
#include <QFileInfo>
#include <QMenuBar>
#include <QMessageBox>

#include "graphs/graph_printing.h"
#include "graphs/paint_graph_page.h"
#include "platform/printer.h"
#include "siblings/plot_chart_source.h"
#include "siblings_app/sibling_output.h"

namespace tarvel::siblings_app {
namespace {

constexpr int kReloadDelayMs = 300;
constexpr platform::Size kPictureSize{1200, 800};

QString Native(const std::string& text) { return QString::fromStdString(text); }

}  // namespace

GraphViewerWindow::GraphViewerWindow(const QString& path, const model::Currency& currency)
    : currency_(currency),
      state_(std::make_shared<graphs::GraphPageState>()),
      stack_(new QStackedWidget(this)),
      tabs_(new QTabWidget(stack_)),
      problem_(MakeProblemLabel({}, stack_)) {
  stack_->addWidget(tabs_);
  stack_->addWidget(problem_);
  setCentralWidget(stack_);
  BuildMenus();
  reload_timer_.setSingleShot(true);
  reload_timer_.setInterval(kReloadDelayMs);
  connect(&reload_timer_, &QTimer::timeout, this, [this] { Load(path_); });
  connect(&watcher_, &QFileSystemWatcher::fileChanged, this, [this] { reload_timer_.start(); });
  // A file that was missing or replaced shows up as a change of its folder.
  connect(&watcher_, &QFileSystemWatcher::directoryChanged, this, [this] {
    if (!showing_graphs() || !watcher_.files().contains(path_)) reload_timer_.start();
  });
  resize(900, 640);
  Load(path);
}

void GraphViewerWindow::BuildMenus() {
  QMenu* file = menuBar()->addMenu(tr("&File"));
  file->addAction(tr("&Open..."), QKeySequence::Open, this, &GraphViewerWindow::OpenAnother);
  file->addAction(tr("&Export Picture..."), this, &GraphViewerWindow::ExportCurrent);
  file->addAction(tr("&Print..."), QKeySequence::Print, this, &GraphViewerWindow::PrintCurrent);
  file->addSeparator();
  file->addAction(tr("E&xit"), QKeySequence::Quit, this, &QWidget::close);

  QMenu* view = menuBar()->addMenu(tr("&View"));
  auto* styles = new QActionGroup(this);
  const std::pair<QString, graphs::ChartStyle> kStyles[] = {
      {tr("&Line"), graphs::ChartStyle::Line},
      {tr("&Bar"), graphs::ChartStyle::Bar},
      {tr("&3-D Bar"), graphs::ChartStyle::Bar3D}};
  for (const auto& [name, style] : kStyles) {
    QAction* action = view->addAction(name, this, [this, style] { SetStyle(style); });
    action->setCheckable(true);
    action->setChecked(style == graphs::ChartStyle::Line);
    styles->addAction(action);
  }
  view->addSeparator();
  view->addAction(tr("Legend In &Front or Behind (L)"), this, [this] {
    state_->ToggleLegend();
    for (const Tab& tab : pages_) tab.page->update();
    if (auto* page = tabs_->currentWidget()) page->setFocus();
  });
  QMenu* help = menuBar()->addMenu(tr("&Help"));
  help->addAction(tr("&Using the Graphs"), this, [this] {
    QMessageBox::information(
        this, tr("Using the Graphs"),
        tr("Click a graph to read the value at the pointer. Double-click it for the breakdown "
           "of that age, and again to return.\nShift+click marks the start and end of a zoom; "
           "Shift+right-click applies it, and again returns to the whole run.\nRight "
           "double-click cycles line, bar and 3-D bar. L moves the legend in front or behind, "
           "N hides it."));
  });
}

void GraphViewerWindow::Load(const QString& path) {
  path_ = path;
  Watch(path);
  auto load = siblings::ReadPlotFile(path.toStdString());
  if (!load.ok()) {
    ShowProblem(Native(load.message));
    return;
  }
  ShowPlot(std::make_unique<siblings::PlotFile>(std::move(*load.data)));
}

void GraphViewerWindow::Watch(const QString& path) {
  if (!watcher_.files().isEmpty()) watcher_.removePaths(watcher_.files());
  // A missing file is watched through its folder, so the first run's file is picked up.
  watcher_.addPath(path);
  const QString folder = QFileInfo(path).absolutePath();
  if (!watcher_.directories().contains(folder)) {
    watcher_.addPath(folder);
  }
}

QString GraphViewerWindow::problem() const {
  return showing_graphs() ? QString() : problem_->text();
}

void GraphViewerWindow::ShowProblem(const QString& text) {
  problem_->setText(text);
  stack_->setCurrentWidget(problem_);
  setWindowTitle(tr("Tarvel Graphs - %1").arg(QFileInfo(path_).fileName()));
}

void GraphViewerWindow::ShowPlot(std::unique_ptr<siblings::PlotFile> plot) {
  const int current = tabs_->currentIndex();
  // The pages read the new file's arrays, so they go before the old file does.
  tabs_->clear();
  for (const Tab& tab : pages_) tab.page->deleteLater();
  pages_.clear();
  plot_ = std::move(plot);
  AddTab(tr("Summary"), graphs::GraphKind::NetWorth, graphs::PageLayout::Summary);
  AddTab(tr("Net Worth"), graphs::GraphKind::NetWorth, graphs::PageLayout::Full);
  AddTab(tr("Incoming/Outgoing"), graphs::GraphKind::InOut, graphs::PageLayout::Full);
  AddTab(tr("Incoming"), graphs::GraphKind::Incoming, graphs::PageLayout::Full);
  AddTab(tr("Outgoing"), graphs::GraphKind::Outgoing, graphs::PageLayout::Full);
  AddTab(tr("Groups"), graphs::GraphKind::Groups, graphs::PageLayout::Full);
  for (const graphs::AccountRange range :
       graphs::AccountFolders(static_cast<int>(plot_->account_names.size()))) {
    AddTab(Native(graphs::AccountsTitle(range)), graphs::GraphKind::Accounts,
           graphs::PageLayout::Full, range);
  }
  tabs_->setCurrentIndex(current >= 0 && current < tabs_->count() ? current : 1);
  stack_->setCurrentWidget(tabs_);
  setWindowTitle(tr("Tarvel Graphs - %1").arg(Native(plot_->ScenarioName())));
}

void GraphViewerWindow::AddTab(const QString& title, graphs::GraphKind kind,
                               graphs::PageLayout layout, graphs::AccountRange accounts) {
  auto* page = new app::GraphPage(kind, layout, state_, tabs_);
  page->SetCurrency(currency_);
  page->SetAccountRange(accounts);
  page->SetFooterLines({plot_->file_line, plot_->date_line, plot_->time_line});
  page->SetSource(siblings::PlotChartSource(*plot_), siblings::PlotPalette(*plot_));
  tabs_->addTab(page, title);
  pages_.push_back({page, accounts});
}

void GraphViewerWindow::OpenAnother() {
  const QString path =
      QFileDialog::getOpenFileName(this, tr("Open Graphs"), QFileInfo(path_).absolutePath(),
                                   tr("Plot Files (*.tvp *.TVP *.tmp);;All files (*)"));
  if (!path.isEmpty()) Load(path);
}

void GraphViewerWindow::SetStyle(graphs::ChartStyle style) {
  state_->SetStyle(style);
  for (const Tab& tab : pages_) {
    tab.page->SetAccountRange(tab.accounts);  // repaints with the new style
  }
}

void GraphViewerWindow::PrintCurrent() {
  const int index = tabs_->currentIndex();
  if (!plot_ || !showing_graphs() || index < 0) return;
  const Tab& tab = pages_[static_cast<std::size_t>(index)];
  const graphs::ChartSource source = siblings::PlotChartSource(*plot_);
  graphs::PrintJob job;
  job.source = &source;
  job.palette = siblings::PlotPalette(*plot_);
  job.currency = currency_;
  // Printed pages cover the whole paper: the default page-setup margins keep the graph off
  // its edges.
  const platform::PageSetup setup;
  job.margins = graphs::PrintMargins{setup.margin_left, setup.margin_top, setup.margin_right,
                                     setup.margin_bottom};
  const graphs::GraphPageState state = tab.page->state();
  PrintWithDialog(this, graphs::kPrintDocumentName, [&](platform::PageSink& sink) {
    if (index == 0) return graphs::PrintSummaryPage(sink, job, state);
    return graphs::PrintCurrentGraph(sink, job, state, tab.accounts);
  });
}

void GraphViewerWindow::ExportCurrent() {
  const int index = tabs_->currentIndex();
  if (!plot_ || !showing_graphs() || index < 0) return;
  const Tab& tab = pages_[static_cast<std::size_t>(index)];
  const graphs::ChartSource source = siblings::PlotChartSource(*plot_);
  const graphs::GraphPageState state = tab.page->state();
  graphs::PageRequest request;
  request.layout = index == 0 ? graphs::PageLayout::Summary : graphs::PageLayout::Full;
  request.window = {0, 0, kPictureSize.width, kPictureSize.height};
  request.accounts = tab.accounts;
  request.font = graphs::ScreenChartFont();
  request.palette = siblings::PlotPalette(*plot_);
  request.currency = currency_;
  request.footer_lines = {plot_->file_line, plot_->date_line, plot_->time_line};
  ExportPicture(
      this, tabs_->tabText(index).remove('/') + ".png", kPictureSize,
      [&](platform::Canvas& canvas) { graphs::PaintGraphPage(canvas, source, state, request); });
}

}  // namespace tarvel::siblings_app
