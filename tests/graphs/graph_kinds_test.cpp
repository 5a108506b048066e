// The series each graph kind draws and the titles it carries.
#include "graphs/graph_kinds.h"

#include <gtest/gtest.h>

#include "page_test_source.h"

namespace tarvel::graphs {
namespace {

using testing::OwnedSource;

std::vector<int> Columns(const KindSeries& series) {
  std::vector<int> columns;
  for (const SeriesRef& ref : series.series) columns.push_back(ref.index);
  return columns;
}

TEST(GraphKindSeries, NetWorthDrawsTheTotalThenTheFiveAccountTypes) {
  OwnedSource run(3);
  const KindSeries series = SeriesOfKind(GraphKind::NetWorth, run.source, {});
  EXPECT_EQ(series.title, "NET WORTH");
  EXPECT_EQ(series.names,
            (std::vector<std::string>{"Net Worth", "Investment Accounts", "Tax-free Accounts",
                                      "Retirement Accounts", "Asset Accounts", "Equity"}));
  EXPECT_EQ(Columns(series), (std::vector<int>{6, 1, 2, 3, 4, 5}));
  EXPECT_FALSE(series.flows);
  EXPECT_FALSE(series.purchasing_power);
  run.source.purchasing_power_shown = true;
  EXPECT_TRUE(SeriesOfKind(GraphKind::NetWorth, run.source, {}).purchasing_power);
}

TEST(GraphKindSeries, FlowGraphsNameTheirColumns) {
  OwnedSource run(3);
  const KindSeries in_out = SeriesOfKind(GraphKind::InOut, run.source, {});
  EXPECT_EQ(in_out.title, "INCOMING / OUTGOING");
  EXPECT_EQ(Columns(in_out), (std::vector<int>{7, 11}));
  EXPECT_TRUE(in_out.flows);

  const KindSeries incoming = SeriesOfKind(GraphKind::Incoming, run.source, {});
  EXPECT_EQ(incoming.names,
            (std::vector<std::string>{"Total Incoming", "Deposits", "Taxable Income",
                                      "Non Taxable Income", "Loans", "Assets", "Equity"}));
  EXPECT_EQ(Columns(incoming), (std::vector<int>{7, 8, 9, 10, 16, 18, 17}));

  const KindSeries outgoing = SeriesOfKind(GraphKind::Outgoing, run.source, {});
  EXPECT_EQ(outgoing.names,
            (std::vector<std::string>{"Total Outgoing", "Withdrawals", "Interest Paid",
                                      "Other/Loan/Mortgage", "Taxes Paid", "Penalties Paid"}));
  EXPECT_EQ(Columns(outgoing), (std::vector<int>{11, 12, 14, 19, 13, 15}));
}

TEST(GraphKindSeries, AccountsShowAtMostTenOfTheirRange) {
  OwnedSource run(3);
  for (int i = 0; i < 14; ++i) run.AddAccount("Account " + std::to_string(i + 1), 0);
  const KindSeries first = SeriesOfKind(GraphKind::Accounts, run.source, {0, 9});
  EXPECT_EQ(first.title, "ACCOUNTS 1 to 10");
  EXPECT_EQ(first.names.size(), 10u);
  const KindSeries rest = SeriesOfKind(GraphKind::Accounts, run.source, {10, 19});
  ASSERT_EQ(rest.names.size(), 4u);
  EXPECT_EQ(rest.names[0], "Account 11");
  EXPECT_EQ(rest.series[3].source, SeriesSource::AccountBalance);
  EXPECT_EQ(rest.series[3].index, 13);
}

TEST(GraphKindSeries, GroupsNeedTwoCharacterNamesAndTakeTheFolderTitle) {
  OwnedSource run(3);
  run.source.group_names[0] = "Stocks";
  run.source.group_names[1] = "B";
  run.source.group_names[4] = "Bonds";
  KindSeries groups = SeriesOfKind(GraphKind::Groups, run.source, {});
  EXPECT_EQ(groups.title, "GROUPS");
  EXPECT_EQ(groups.names, (std::vector<std::string>{"Stocks", "Bonds"}));
  EXPECT_EQ(groups.series[1].index, 4);
  run.source.group_folder_name = "My Funds";
  EXPECT_EQ(SeriesOfKind(GraphKind::Groups, run.source, {}).title, "My Funds");
  run.source.group_folder_name = "Xy";
  EXPECT_EQ(SeriesOfKind(GraphKind::Groups, run.source, {}).title, "GROUPS");
}

TEST(GraphKindSeries, AllocationLeavesOutNoAllocationAndShortNames) {
  OwnedSource run(3);
  run.source.category_names[0] = "No Allocation";
  run.source.category_names[1] = "Cash";
  run.source.category_names[2] = "X";
  run.source.category_names[3] = "Large Cap";
  const KindSeries series = SeriesOfKind(GraphKind::Allocation, run.source, {}, "ALLOCATION");
  EXPECT_EQ(series.title, "ALLOCATION");
  EXPECT_EQ(series.names, (std::vector<std::string>{"Cash", "Large Cap"}));
  EXPECT_EQ(series.series[0].source, SeriesSource::AllocationTotal);
}

TEST(GraphKindBreakdown, ComponentsLeaveOutTheTotals) {
  OwnedSource run(3);
  EXPECT_EQ(BreakdownComponents(GraphKind::NetWorth, run.source, {}).size(), 5u);
  EXPECT_EQ(BreakdownComponents(GraphKind::InOut, run.source, {}).size(), 2u);
  EXPECT_EQ(BreakdownComponents(GraphKind::Incoming, run.source, {}).size(), 6u);
  EXPECT_EQ(BreakdownComponents(GraphKind::Outgoing, run.source, {}).size(), 5u);
}

}  // namespace
}  // namespace tarvel::graphs
