// The main window's Monte Carlo folder: building its page, switching to it, and opening one of
// its ranked runs as an ordinary run in the Results folder.
#include "analysis/run_choice.h"
#include "app/folder_area.h"
#include "app/main_window.h"
#include "app/monte_carlo_page.h"
#include "ui/analysis/monte_carlo_folder.h"
#include "ui/shell/folders.h"

namespace tarvel::app {

void MainWindow::BuildMonteCarloPage() {
  MonteCarloPageHost host;
  host.scenario = [this]() -> const model::Scenario& { return session_.scenario(); };
  host.clock = &session_.clock();
  host.workdir = [this] { return std::filesystem::path(session_.program().working_directory); };
  host.currency = [this] { return session_.program().currency; };
  host.open_run = [this](const analysis::RunChoice& choice,
                         const analysis::HistoricalReturns* returns) {
    OpenAnalysisRun(choice, returns);
  };
  host.show_message = [this](const std::string& text) {
    session_.prompter().Ask(
        {text, ui::kMonteCarloCaption, platform::Buttons::Ok, platform::Icon::Information});
  };
  monte_carlo_page_ = new MonteCarloPage(std::move(host), folders_);
  folders_->AddPage(monte_carlo_page_);
}

void MainWindow::ShowMonteCarloFolder() {
  ui::ShellState& state = session_.state();
  if (state.results_stale) MarkAnalysisStale();  // edited since the last run
  if (session_.editors().EditorIsOpen(state.printing)) {
    folders_->SelectTabQuietly(state.current_folder);
    return;
  }
  if (state.current_folder == ui::kResultsFolder) state.results_folder_open = false;
  CloseEventChooser();
  state.current_folder = ui::kMonteCarloFolder;
  EnablePrintCurrentGraph();
  folders_->SelectTabQuietly(ui::kMonteCarloFolder);
  folders_->ShowPage(monte_carlo_page_);
}

void MainWindow::RunForGraphRange() {
  RunWithGraphRange(results_folder_.ListOptions(), /*show_messages=*/true);
  if (session_.state().current_folder == ui::kResultsFolder) results_folder_.ShowLastRun();
}

void MainWindow::MarkAnalysisStale() {
  if (monte_carlo_page_) monte_carlo_page_->ScenarioChanged();
}

void MainWindow::OpenAnalysisRun(const analysis::RunChoice& choice,
                                 const analysis::HistoricalReturns* returns) {
  if (analysis::IsHistorical(choice.source) && returns == nullptr) return;
  analysis_rates_ = analysis::RatesForChoice(choice, returns);
  engine::RunOptions options = results_folder_.ListOptions();
  analysis::ApplyChoiceOptions(choice, analysis_rates_.get(), options);
  session_.ResetRandomState();
  RunWithGraphRange(options, /*show_messages=*/true);
  SwitchFolder(ui::kResultsFolder);
}

}  // namespace tarvel::app
