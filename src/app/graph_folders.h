// The graph folders of the main window: the summary page, the four kind pages, the groups
// page and one page per accounts tab, on one shared page state (style, zoom, legend); each
// gets every run and the marked age, and they are printed from here.
#pragma once

#include <QString>
#include <array>
#include <functional>
#include <memory>
#include <vector>

#include "app/graph_page.h"
#include "engine/run.h"
#include "graphs/chart_source.h"
#include "graphs/graph_printing.h"
#include "model/money_format.h"
#include "model/program.h"
#include "model/records.h"
#include "platform/printer.h"
#include "ui/commands/graph_commands.h"
#include "results/print_drawn_pages.h"
#include "ui/printing/page_printer.h"

class QPrinter;

namespace tarvel::app {

class FolderArea;

class GraphFolders : public ui::GraphPrinter {
 public:
  // Adds the pages to the folder area. zoomed is called after a page's zoom changed the ages
  // the plot file should hold (graph_range()); hint gets the status-bar hint of the page under
  // the pointer (empty when it left).
  GraphFolders(FolderArea& area, std::function<void()> zoomed,
               std::function<void(const QString&)> hint = {});

  // The page of a graph folder, set up for the scenario's account count; nullptr for the
  // accounts, scenario and results folders and for tabs the scenario does not have.
  GraphPage* Prepare(int folder, int account_count);
  GraphPage* page(int folder) const;

  // After every run to the results list; the run must stay alive until the next one.
  void SetRun(const engine::Run& run, const model::Scenario& scenario);
  void SetCurrency(const model::Currency& currency);
  // The page-setup margins printed graphs keep; they must outlive the folders.
  void UsePageMargins(const model::PageMargins& margins) { margins_ = &margins; }
  // Printed graphs are named after the plan file plan_file() gives, and a print to a PDF file
  // proposes and asks as to_file(title) says.
  void UsePlanForPrinting(std::function<std::string()> plan_file,
                          std::function<ui::PrintToFile(const std::string& title)> to_file) {
    plan_file_ = std::move(plan_file);
    print_to_file_ = std::move(to_file);
  }
  // The age chosen in the results folder; 0 for none.
  void SetMarkedAge(int age);
  // No zoom anywhere, and whole runs in the plot file.
  void ResetZoom();
  // The ages the plot file holds: those of the last zoom, unset for the whole run.
  engine::AgeRange graph_range() const { return graph_range_; }

  // Prints onto a printer that is set up already (a PDF file in tests). False without a run,
  // for folders without a graph page, or when the printer failed. With page-setup margins
  // the page is measured from the paper's edge.
  bool PrintCurrentGraphOn(QPrinter& printer, int folder);
  bool PrintAllGraphsOn(QPrinter& printer, int folder, graphs::ChartStyle style);
  // The same pages onto any page sink.
  bool PrintCurrentGraphTo(platform::PageSink& sink, int folder);
  bool PrintAllGraphsTo(platform::PageSink& sink, int folder, graphs::ChartStyle style);

  // ui::GraphPrinter: the print dialog first.
  bool PrintCurrentGraph(int folder) override;
  bool PrintAllGraphs(int folder, graphs::ChartStyle style) override;

 private:
  // Prints the pages draw makes under the title, through the print dialog.
  bool PrintDocument(const std::string& title, const results::DrawPages& draw);
  GraphPage* AddPage(graphs::GraphKind kind, graphs::PageLayout layout);
  graphs::PrintJob Job() const;
  // The page-setup margins as printing takes them (the defaults before any page setup).
  platform::PageSetup Setup() const;

  FolderArea& area_;
  std::function<void()> zoomed_;
  std::function<void(const QString&)> hint_;
  std::shared_ptr<graphs::GraphPageState> state_ = std::make_shared<graphs::GraphPageState>();
  std::vector<GraphPage*> pages_;  // by folder index; nullptr for folders 1 to 3
  std::array<graphs::AccountRange, model::kMaxAccounts / graphs::kAccountsPerFolder> ranges_{};
  graphs::ChartSource source_;
  graphs::Palette palette_;
  model::Currency currency_;
  bool has_run_ = false;
  engine::AgeRange graph_range_;
  const model::PageMargins* margins_ = nullptr;
  std::function<std::string()> plan_file_;
  std::function<ui::PrintToFile(const std::string& title)> print_to_file_;
};

}  // namespace tarvel::app
