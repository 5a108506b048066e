// The planner's main window: menus, toolbar and folders over the session's scenario; the
// shell view the command handlers work through and the host of the results folder.
#pragma once

#include <QMainWindow>
#include <memory>

#include "analysis/run_choice.h"
#include "app/planner_session.h"
#include "app/qt_page_printer.h"
#include "ui/commands/first_start.h"
#include "ui/commands/link_commands.h"
#include "ui/scenario/event_list_folder.h"
#include "ui/shell/command_handlers.h"
#include "ui/shell/dispatcher.h"
#include "ui/shell/results_folder.h"
#include "ui/shell/results_folder_host.h"

class QTabBar;

namespace tarvel::app {

class AccountsFolderPage;
class DesktopKeys;
class EventListPage;
class FirstStartPage;
class FolderArea;
class GraphFolders;
class MenuBuilder;
class ReportWindows;
class ResultsFolderPage;
class MonteCarloPage;
class StartPage;

class TemplateDialog;

class MainWindow : public QMainWindow,
                   public ui::ShellView,
                   public ui::ResultsFolderHost,
                   public ui::EventListHost {
  Q_OBJECT

 public:
  struct Options {
    bool show_start_page = true;  // tests start without the maker's page
  };

  MainWindow(PlannerSession& session, Options options);
  ~MainWindow() override;

  // Start-up from the placing of the window to the first folder; a scenario named on the
  // command line opens instead of the last one.
  void StartUp(const std::string& scenario_path = "");
  ui::DispatchResult DispatchCommand(int id);
  void SwitchFolder(int index);

  MenuBuilder& menus() { return *menus_; }
  DesktopKeys& keys() { return *keys_; }
  QTabBar* tab_bar() const;
  QWidget* current_page() const;
  ui::ResultsFolder& results_folder() { return results_folder_; }
  GraphFolders& graph_folders() { return *graph_folders_; }
  ReportWindows& report_windows() { return *report_windows_; }
  AccountsFolderPage& accounts_page() { return *accounts_page_; }
  MonteCarloPage& monte_carlo_page() { return *monte_carlo_page_; }
  ui::EventListFolder& event_list_folder() { return event_list_; }
  EventListPage* event_list_page() const { return events_page_; }
  FirstStartPage* first_start_page() const { return first_start_page_; }
  // The "Add Event" chooser while it is open.
  TemplateDialog* event_chooser() const { return event_chooser_; }

  // ui::ShellView
  void SetTitle(const std::string& title) override;
  void RunScenario() override;
  void SelectFolder(int folder) override;
  void RefreshFolders() override;
  void CloseFolderWindows() override;
  void RebuildRecentMenu() override;
  void RebuildBudgetMenu() override;
  void RefreshEventList() override;
  void RunAgainInResultsFolder() override;
  void Repaint() override;
  void EnableScenarioCommands(bool enabled) override;
  void ShowStatus(const std::string& text) override;
  void ShowAbout() override;
  void RequestClose() override;

  // ui::ResultsFolderHost
  const results::ScheduleRun& RunScenario(const engine::RunOptions& options) override;
  const results::ScheduleRun& LastRun() const override;
  float StartAge() const override;
  float EndAge() const override;
  std::uint32_t Colour(int index) const override;
  bool ShowsPurchasingPower() const override;
  void ResetRateStatistics() override;
  bool EditorIsOpen() override;
  bool EditInitialValues() override;
  void EditEvent(int slot) override;
  void PrintResults() override;
  void ShowHelp(int context) override;
  void MarkAge(int age) override;
  void CloseResultsFolder() override;
  void EditAccounts() override;

  // ui::EventListHost (EditorIsOpen, RunScenario, RebuildBudgetMenu and ShowHelp above)
  void PostCommand(int id) override;
  void EnableCommand(int id, bool enabled) override;

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void PlaceWindow();
  void BuildFolderPages();
  void ShowFolderPage(int index);
  void FinishStartPage();
  // The first start: an empty plan with a new scenario's defaults, named Untitled.
  void StartWithoutAPlan();
  // Something typed before any plan was made or opened makes the empty plan the open one.
  void NoticeFirstEdit();
  // Every run goes through here: the zoomed ages for the plot file, and a run to the results
  // list reaches the graph pages.
  const results::ScheduleRun& RunWithGraphRange(engine::RunOptions options, bool show_messages);
  // Print Current Graph is offered on the graph folders only.
  void EnablePrintCurrentGraph();
  // The Accounts folder's Add and Edit (command 200 on a position) and its deletions.
  void OpenAccountDialog(int position);
  void AccountsChanged();
  int AccountCount() const;
  // Command 10: the modeless chooser beside the Scenario folder, or the open one raised.
  void ShowEventChooser();
  void CloseEventChooser();
  std::string GroupFolderName() const;
  // The Monte Carlo folder (main_window_monte_carlo.cpp).
  void BuildMonteCarloPage();
  void ShowMonteCarloFolder();
  // A run for the zoomed ages only: the scenario is unchanged, so the analysis stays current.
  void RunForGraphRange();
  // The scenario was edited: the analysis shown no longer matches it.
  void MarkAnalysisStale();
  void OpenAnalysisRun(const analysis::RunChoice& choice,
                       const analysis::HistoricalReturns* returns);

  PlannerSession& session_;
  Options options_;
  ui::CommandContext context_;
  ui::Dispatcher dispatcher_;
  ui::ResultsFolder results_folder_;
  ui::EventListFolder event_list_;
  std::unique_ptr<GraphFolders> graph_folders_;
  std::unique_ptr<QtPagePrinter> page_printer_;
  std::unique_ptr<ReportWindows> report_windows_;
  ui::PrintCommands* print_commands_ = nullptr;  // owned by handlers_
  std::unique_ptr<ui::CommandHandlers> handlers_;
  MenuBuilder* menus_ = nullptr;
  DesktopKeys* keys_ = nullptr;
  FolderArea* folders_ = nullptr;
  StartPage* start_page_ = nullptr;
  FirstStartPage* first_start_page_ = nullptr;
  std::unique_ptr<ui::StartPagePresenter> start_presenter_;
  AccountsFolderPage* accounts_page_ = nullptr;
  EventListPage* events_page_ = nullptr;
  ResultsFolderPage* results_page_ = nullptr;
  MonteCarloPage* monte_carlo_page_ = nullptr;
  std::unique_ptr<analysis::HistoricalRateSource> analysis_rates_;  // of the run opened last
  TemplateDialog* event_chooser_ = nullptr;
  std::unique_ptr<ui::DialogPresenter> chooser_presenter_;
  bool start_page_showing_ = false;
};

// Where the contact and manual commands lead.
ui::LinkAddresses PlannerAddresses();

}  // namespace tarvel::app
