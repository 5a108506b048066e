// The Monte Carlo folder in the real window: its tab after "Results", an analysis run on the
// worker thread and shown, cancel, staleness after an edit, and a ranked run opened in Results
// with the same net worth.
#include "app/monte_carlo_page.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTreeWidget>
#include <functional>

#include "analysis/analysis_report.h"
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
  // What the page shows of an analysis: the success figure, every table cell, the status.
  QStringList Shown() {
    QStringList shown{Page().success_label()->text()};
    for (QTreeWidget* table : {Page().percentiles(), Page().causes(), Page().ranked()}) {
      for (int row = 0; row < table->topLevelItemCount(); ++row) {
        for (int column = 0; column < table->columnCount(); ++column) {
          shown << table->topLevelItem(row)->text(column);
        }
      }
    }
    return shown;
  }
  // The plan as built by hand: no random range of an account or group, no allocation.
  void ClearRandomRangesAndAllocations() {
    model::Scenario& scenario = session_->scenario();
    for (int i = 0; i < scenario.accounts.count; ++i) {
      scenario.accounts.records[i].random_min_rate = 0;
      scenario.accounts.records[i].random_max_rate = 0;
    }
    scenario.groups.random_min_rate.fill(0);
    scenario.groups.random_max_rate.fill(0);
    for (auto& category : scenario.allocation.percent) category.fill(0);
    window_->RunScenario();  // as after an edit
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

TEST_F(MonteCarloPageTest, TheFiguresShownAlwaysBelongToTheSettingsOnTheForm) {
  Start();
  window_->SwitchFolder(ui::kMonteCarloFolder);
  Analyse(/*historical bootstrap*/ 3, "300");
  const QStringList bootstrap = Shown();
  ASSERT_FALSE(Page().success_label()->text().isEmpty());

  // Another source on the form: the bootstrap's figures no longer show beside it.
  Page().source_box()->setCurrentIndex(/*random account rates*/ 0);
  EXPECT_TRUE(Page().success_label()->text().isEmpty());
  EXPECT_EQ(Page().causes()->topLevelItemCount(), 0);
  EXPECT_EQ(Page().percentiles()->topLevelItemCount(), 0);
  Page().source_box()->setCurrentIndex(3);
  EXPECT_EQ(Shown(), bootstrap);  // the settings that made them are back

  // The same settings give the same figures, whatever ran before.
  Analyse(0, "300");
  const QStringList first = Shown();
  Analyse(3, "300");
  Analyse(0, "300");
  EXPECT_EQ(Shown(), first);
  Page().seed_edit()->setText("2");
  EXPECT_TRUE(Page().success_label()->text().isEmpty());
  EXPECT_NE(Page().folder().StatusText().find("press Run"), std::string::npos);
}

TEST_F(MonteCarloPageTest, BeforeRunningThePageSaysWhatVariesAndWhatDoesNot) {
  Start();
  window_->SwitchFolder(ui::kMonteCarloFolder);
  EXPECT_TRUE(Page().variation_label()->text().contains("Rates that vary: "));
  ClearRandomRangesAndAllocations();
  const struct {
    int source;
    const char* text;
  } cases[] = {
      {0, "No account has a random range; set one in the account dialog or use Historical"},
      {1, "No group of an account has a random range"},
      {2, "No account has an asset allocation, so only inflation varies"},
      {3, "No account has an asset allocation, so only inflation varies"},
  };
  for (const auto& c : cases) {
    Page().source_box()->setCurrentIndex(c.source);
    EXPECT_TRUE(Page().variation_label()->text().contains(c.text))
        << Page().variation_label()->text().toStdString();
    EXPECT_EQ(Page().assumed_allocation_box()->isVisibleTo(&Page()), c.source >= 2) << c.source;
  }
}

TEST_F(MonteCarloPageTest, TheAssumedAllocationAppliesToTheAnalysisAndLeavesThePlanAlone) {
  Start();
  window_->SwitchFolder(ui::kMonteCarloFolder);
  ClearRandomRangesAndAllocations();
  ASSERT_FALSE(session_->scenario().modified);
  Page().source_box()->setCurrentIndex(/*historical bootstrap*/ 3);
  Page().assumed_allocation_box()->click();
  EXPECT_TRUE(
      Page().variation_label()->text().contains("Assumed allocation: Checking (100 % cash)"))
      << Page().variation_label()->text().toStdString();
  EXPECT_FALSE(Page().variation_label()->text().contains("only inflation varies"));
  Analyse(3, "100");
  const analysis::AnalysisResult* result = Page().folder().result();
  ASSERT_NE(result, nullptr);
  EXPECT_TRUE(result->options.assumed_allocation);
  EXPECT_TRUE(result->warning.empty()) << result->warning;
  const int last = result->networth.periods() - 1;
  EXPECT_LT(result->networth.At(0, last), result->networth.At(6, last));  // the runs differ
  EXPECT_FALSE(session_->scenario().modified);
  for (const auto& category : session_->scenario().allocation.percent) {
    for (float percent : category) EXPECT_EQ(percent, 0.0f);
  }
}

TEST_F(MonteCarloPageTest, NetWorthShowsInTodaysMoneyWithNominalOneClickAway) {
  Start();
  window_->SwitchFolder(ui::kMonteCarloFolder);
  Analyse(0, "50");
  const analysis::AnalysisResult* result = Page().folder().result();
  ASSERT_NE(result, nullptr);
  const auto median_at_end = [&](analysis::MoneyBasis basis) {
    const int last = result->networth.periods() - 1;
    const std::string amount = std::to_string(static_cast<long long>(
        std::llround(analysis::NetWorthTable(*result, basis).At(analysis::kMedianLevel, last))));
    return QString::fromStdString(model::FormatMoneyWhole(amount, model::Currency{}));
  };
  QTreeWidget* table = Page().percentiles();
  const auto shown_median = [table] {
    return table->topLevelItem(table->topLevelItemCount() - 1)->text(4);
  };
  EXPECT_TRUE(Page().todays_money_button()->isChecked());
  EXPECT_EQ(shown_median(), median_at_end(analysis::MoneyBasis::Today));
  Page().nominal_button()->click();
  EXPECT_EQ(shown_median(), median_at_end(analysis::MoneyBasis::Nominal));
  EXPECT_NE(median_at_end(analysis::MoneyBasis::Nominal),
            median_at_end(analysis::MoneyBasis::Today));
}

}  // namespace
}  // namespace tarvel::app
