// The Monte Carlo folder in the real window: its tab after "Results", an analysis run on the
// worker thread and shown, cancel, staleness after an edit, and a ranked run opened in Results
// with the same net worth.
#include "app/monte_carlo_page.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>
#include <functional>

#include "app/graph_folders.h"
#include "app/main_window_fixture.h"
#include "engine/period_column.h"
#include "ui/analysis/monte_carlo_folder.h"
#include "ui/shell/folders.h"

namespace tarvel::app {
namespace {

class MonteCarloPageTest : public MainWindowFixture {
 protected:
  MonteCarloPage& Page() { return window_->monte_carlo_page(); }
  // Runs an analysis from the form and waits for the worker.
  void Analyse(int source, const char* runs) {
    Page().source_box()->setCurrentIndex(source);
    Page().runs_edit()->setText(runs);
    ASSERT_TRUE(Page().StartAnalysis());
    EXPECT_FALSE(Page().run_button()->isEnabled());
    EXPECT_TRUE(Page().cancel_button()->isEnabled());
    Page().WaitForAnalysis();
  }
};

TEST_F(MonteCarloPageTest, ItsTabFollowsResultsAndTheOtherTabsKeepTheirFolders) {
  Start();
  window_->tab_bar()->setCurrentIndex(4);
  EXPECT_EQ(session_->state().current_folder, ui::kMonteCarloFolder);
  EXPECT_EQ(window_->current_page(), &Page());
  EXPECT_FALSE(Action(403)->isEnabled());  // no graph to print here
  window_->tab_bar()->setCurrentIndex(5);
  EXPECT_EQ(session_->state().current_folder, ui::kNetWorthFolder);
  window_->SwitchFolder(ui::kMonteCarloFolder);
  EXPECT_EQ(window_->tab_bar()->currentIndex(), 4);
}

TEST_F(MonteCarloPageTest, AnAnalysisIsShownAndARankedRunOpensInResults) {
  Start();
  window_->SwitchFolder(ui::kMonteCarloFolder);
  Analyse(/*random account rates*/ 0, "120");
  const analysis::AnalysisResult* result = Page().folder().result();
  ASSERT_NE(result, nullptr);
  EXPECT_EQ(result->runs, 120);
  EXPECT_TRUE(Page().run_button()->isEnabled());
  EXPECT_EQ(Page().success_label()->text(),
            "Success: " + QString::fromStdString(Page().folder().SuccessFigure()));
  EXPECT_EQ(Page().causes()->topLevelItemCount(), 6);
  ASSERT_EQ(Page().ranked()->topLevelItemCount(), 120);

  const float worst = result->ranked.front().final_net_worth;
  Page().OpenRankedRun(0);
  EXPECT_EQ(session_->state().current_folder, ui::kResultsFolder);
  const auto& periods = session_->last_run().periods;
  ASSERT_FALSE(periods.empty());
  EXPECT_EQ(periods.back()[engine::IndexOf(engine::PeriodColumn::NetWorth)], worst);
  EXPECT_FALSE(session_->last_run().results().lines.empty());  // with its whole schedule
}

TEST_F(MonteCarloPageTest, CancelStopsTheAnalysisAndAnEditMakesItStale) {
  Start();
  window_->SwitchFolder(ui::kMonteCarloFolder);
  Page().runs_edit()->setText("100000");
  ASSERT_TRUE(Page().StartAnalysis());
  Page().CancelAnalysis();
  Page().WaitForAnalysis();
  EXPECT_EQ(Page().folder().result(), nullptr);
  EXPECT_TRUE(Page().run_button()->isEnabled());

  Analyse(/*historical cycles*/ 2, "1");
  ASSERT_NE(Page().folder().result(), nullptr);
  EXPECT_GT(Page().folder().result()->runs, 1);  // one per start year
  window_->RunScenario();                        // as after an edit
  EXPECT_TRUE(Page().folder().stale());
}

TEST_F(MonteCarloPageTest, OnlyAnEditOfTheScenarioMakesTheAnalysisStale) {
  Start();
  window_->resize(1000, 680);
  window_->show();
  const auto zoom = [this] {
    window_->SwitchFolder(ui::kNetWorthFolder);
    QWidget* page = window_->current_page();
    const int width = page->width();
    const int height = page->height();
    QTest::mouseClick(page, Qt::LeftButton, Qt::ShiftModifier, QPoint(width * 3 / 10, height / 2));
    QTest::mouseClick(page, Qt::LeftButton, Qt::ShiftModifier, QPoint(width * 6 / 10, height / 3));
    QTest::mouseClick(page, Qt::RightButton, Qt::ShiftModifier, QPoint(width / 2, height / 2));
    ASSERT_TRUE(window_->graph_folders().graph_range().set);
    QTest::mouseClick(page, Qt::RightButton, Qt::ShiftModifier, QPoint(width / 2, height / 2));
  };
  const struct {
    const char* what;
    std::function<void()> act;
    bool stale;
  } cases[] = {
      {"a graph zoom and its return", zoom, false},
      {"switching folders", [this] { window_->SwitchFolder(ui::kResultsFolder); }, false},
      {"an edit that runs at once", [this] { window_->RunScenario(); }, true},
      {"an edit while the results folder shows", [this] { window_->RunAgainInResultsFolder(); },
       true},
      {"an edit not yet run",
       [this] {
         session_->state().results_stale = true;
         window_->SwitchFolder(ui::kMonteCarloFolder);
       },
       true},
  };
  for (const auto& one : cases) {
    window_->SwitchFolder(ui::kMonteCarloFolder);
    Page().folder().SetResult(analysis::AnalysisResult{});
    one.act();
    EXPECT_EQ(Page().folder().stale(), one.stale) << one.what;
  }
}

}  // namespace
}  // namespace tarvel::app
