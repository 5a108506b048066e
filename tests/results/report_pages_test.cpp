// Report pages written from runs: print pages cut at 50 lines after each report's starting
// count, column blocks of 7 on paper, the percentage forms and the named groups only.
#include <gtest/gtest.h>

#include <memory>
#include <sstream>

#include "engine/run_scenario.h"
#include "model/scenario_ops.h"
#include "results/report_builder.h"
#include "support/scenario_builder.h"
#include "support/temp_folder.h"

namespace tarvel::results {
namespace {

using test_support::ReadText;
using test_support::TempFolder;

struct PageShape {
  int columns = 0;  // cells after the label on the title line
  int rows = 0;     // lines between the blank line and the end marker
};

PageShape ShapeOf(const std::string& text) {
  std::istringstream in(text);
  std::string line;
  PageShape shape;
  std::getline(in, line);
  for (const char c : line) shape.columns += c == '\t';
  std::getline(in, line);  // separator
  std::getline(in, line);  // empty
  while (std::getline(in, line) && line.rfind("Doo", 0) != 0) ++shape.rows;
  return shape;
}

std::vector<PageShape> PagesIn(const TempFolder& folder, const char* prefix, int pages) {
  std::vector<PageShape> shapes;
  for (int page = 1; page <= pages; ++page) {
    shapes.push_back(ShapeOf(ReadText(folder.File(prefix + std::to_string(page)))));
  }
  return shapes;
}

std::unique_ptr<model::Scenario> RunScenarioOf(int start, int end, int accounts) {
  auto scenario = test_support::MakeClearedScenario();
  scenario->initial.start_age = static_cast<float>(start);
  scenario->initial.end_age = static_cast<float>(end);
  for (int i = 0; i < accounts; ++i) {
    test_support::AddAccount(*scenario, model::AccountType::Investment, 1000.0f * (i + 1), 5,
                             "Account " + std::to_string(i + 1));
  }
  model::RecomputeInitialTotals(*scenario);
  return scenario;
}

struct PagingCase {
  const char* name;
  ReportKind kind;
  int start, end, accounts;
  std::vector<std::pair<int, int>> pages;  // columns, rows
};

TEST(ReportPages, CutPrintPagesAtTheReportsLineCountsAndInBlocksOfSevenColumns) {
  const PagingCase cases[] = {
      // 46 periods with the final record: 42 rows after the starting count of 8, then 4.
      {"net worth of 45 years", ReportKind::NetWorth, 45, 90, 1, {{7, 42}, {7, 4}}},
      // 45 rows after the count of 7: 43, then 2.
      {"incoming of 45 years", ReportKind::Incoming, 45, 90, 1, {{7, 43}, {7, 2}}},
      {"15 accounts", ReportKind::Accounts, 60, 70, 15, {{7, 10}, {7, 10}, {1, 10}}},
      {"percentages of 8 accounts", ReportKind::AccountAllocations, 60, 65, 8, {{7, 5}, {1, 5}}},
  };
  for (const PagingCase& c : cases) {
    SCOPED_TRACE(c.name);
    TempFolder folder;
    auto scenario = RunScenarioOf(c.start, c.end, c.accounts);
    engine::Run run;
    run.options.workdir = folder.path();
    ASSERT_TRUE(engine::RunScenario(*scenario, run));
    const ReportSource source{*scenario, run, folder.path()};
    const ReportPages printed = WriteReportPages(c.kind, source, {PageTarget::Print});
    ASSERT_EQ(printed.pages, static_cast<int>(c.pages.size())) << printed.problem.text;
    std::vector<std::pair<int, int>> shapes;
    for (const PageShape& shape : PagesIn(folder, "rpage", printed.pages)) {
      shapes.emplace_back(shape.columns, shape.rows);
    }
    EXPECT_EQ(shapes, c.pages);
    // The screen carries every column and row on one page.
    const ReportPages screen = WriteReportPages(c.kind, source, {PageTarget::Screen});
    ASSERT_EQ(screen.pages, 1);
    int rows = 0;
    for (const auto& page : c.pages) rows += page.second;
    const int blocks =
        c.kind == ReportKind::NetWorth || c.kind == ReportKind::Incoming ? 1 : (c.accounts + 6) / 7;
    EXPECT_EQ(ShapeOf(ReadText(folder.File("spage1"))).rows * blocks, rows);
  }
}

// A hand-made run: three accounts with the balances of two periods, and a final record.
struct HandRun {
  std::unique_ptr<model::Scenario> scenario = test_support::MakeClearedScenario();
  engine::Run run;

  HandRun(std::vector<std::array<float, 3>> balances, std::array<int, 3> groups) {
    for (int i = 0; i < 3; ++i) {
      model::Account account;
      account.name.assign("Acct" + std::to_string(i + 1));
      account.group = static_cast<std::uint16_t>(groups[static_cast<std::size_t>(i)]);
      account.slot = static_cast<std::uint16_t>(i);
      run.state.accounts[static_cast<std::size_t>(i)] = account;
    }
    run.state.account_count = 3;
    balances.push_back({0, 0, 0});
    for (std::size_t period = 0; period < balances.size(); ++period) {
      engine::PeriodResult result{};
      result[0] = 60.0f + static_cast<float>(period);
      run.periods.push_back(result);
      engine::BalanceRow row{};
      std::copy(balances[period].begin(), balances[period].end(), row.begin());
      run.balance_rows.push_back(row);
    }
  }
};

std::string ScreenPage(ReportKind kind, HandRun& hand) {
  TempFolder folder;
  const ReportPages pages =
      WriteReportPages(kind, ReportSource{*hand.scenario, hand.run, folder.path()}, {});
  EXPECT_EQ(pages.pages, 1) << pages.problem.text;
  return ReadText(folder.File("spage1"));
}

TEST(ReportPages, ShowSharesOnlyWhenBalanceAndWholeAreAboveZero) {
  HandRun hand({{100, 300, -50}, {0, 0, 0}}, {0, 0, 0});
  EXPECT_EQ(ScreenPage(ReportKind::AccountAllocations, hand),
            " Age\tAcct1\tAcct2\tAcct3\n"
            "---------------------------\n\n"
            " 60.0\t        28.57%\t        85.71%\t0.00%\n"
            " 61.0\t0.00%\t0.00%\t0.00%\n"
            "Dooooone\n");
}

TEST(ReportPages, GroupColumnsAreTheGroupsWithAName) {
  HandRun hand({{100, 300, 50}}, {0, 2, 3});
  auto& names = hand.scenario->groups.names;
  names[0].assign("Growth");
  names[1].assign("X");  // too short to be a group
  names[3].assign("Income");
  EXPECT_EQ(ScreenPage(ReportKind::Groups, hand),
            " Age\tGrowth\tIncome\n"
            "---------------------------\n\n"
            " 60.0\t       100.00\t        50.00\n"
            "Dooooone\n");
  EXPECT_EQ(ScreenPage(ReportKind::GroupAllocations, hand),
            " Age\tGrowth\tIncome\n"
            "---------------------------\n\n"
            " 60.0\t        22.22%\t        11.11%\n"
            "Dooooone\n");
}

TEST(ReportPages, AFirstPageThatCannotBeCreatedIsReportedByName) {
  HandRun hand({{100, 300, 50}}, {0, 0, 0});
  const ReportPages pages = WriteReportPages(
      ReportKind::Accounts, ReportSource{*hand.scenario, hand.run, "/nonexistent/folder"},
      {PageTarget::Print});
  EXPECT_EQ(pages.pages, 0);
  EXPECT_EQ(pages.problem.text, "Cannot open rpage1");
  EXPECT_EQ(pages.problem.caption, "FILE OPEN ERROR");
}

}  // namespace
}  // namespace tarvel::results
