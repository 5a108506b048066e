// The graph viewer: every graph page of the planner over a plot or graph file, in tabs, with
// the style, legend, zoom, pointer read-outs and breakdown pies of the planner's pages. It
// reads the file again whenever the planner's next run rewrites it.
#pragma once

#include <QFileSystemWatcher>
#include <QLabel>
#include <QMainWindow>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTimer>
#include <memory>
#include <vector>

#include "app/graph_page.h"
#include "graphs/graph_page_state.h"
#include "siblings/plot_file.h"

namespace tarvel::siblings_app {

class GraphViewerWindow : public QMainWindow {
  Q_OBJECT

 public:
  GraphViewerWindow(const QString& path, const model::Currency& currency);

  // Reads the file and shows it, or shows why it cannot be shown.
  void Load(const QString& path);
  bool showing_graphs() const { return stack_->currentWidget() == tabs_; }
  QString problem() const;

 private:
  struct Tab {
    app::GraphPage* page = nullptr;
    graphs::AccountRange accounts;
  };

  void BuildMenus();
  void ShowPlot(std::unique_ptr<siblings::PlotFile> plot);
  void ShowProblem(const QString& text);
  void AddTab(const QString& title, graphs::GraphKind kind, graphs::PageLayout layout,
              graphs::AccountRange accounts = {});
  void OpenAnother();
  void SetStyle(graphs::ChartStyle style);
  void PrintCurrent();
  void ExportCurrent();
  void Watch(const QString& path);

  QString path_;
  model::Currency currency_;
  std::unique_ptr<siblings::PlotFile> plot_;
  std::shared_ptr<graphs::GraphPageState> state_;
  QStackedWidget* stack_;
  QTabWidget* tabs_;
  QLabel* problem_;
  std::vector<Tab> pages_;
  QFileSystemWatcher watcher_;
  QTimer reload_timer_;
};

}  // namespace tarvel::siblings_app
