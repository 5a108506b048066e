// The table of historical returns: the shipped file and the problems a damaged copy reports;
// and the percentile rule the tables use.
#include "analysis/historical_returns.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <vector>

#include "analysis/historical_rates.h"
#include "analysis/percentiles.h"

namespace tarvel::analysis {
namespace {

constexpr char kHeader[] = "year,large_cap,small_cap,cash,long_bond,corp_bond,inflation\n";

TEST(HistoricalReturns, ShippedFileRunsFrom1928WithEveryColumn) {
  std::string error;
  const auto returns = ReadHistoricalReturns(
      std::filesystem::path(TARVEL_SOURCE_DATA_DIR) / kHistoricalReturnsFile, error);
  ASSERT_TRUE(returns) << error;
  EXPECT_EQ(returns->first_year(), 1928);
  EXPECT_GE(returns->count(), 97);
  const HistoricalYear& first = returns->years.front();
  EXPECT_FLOAT_EQ(first.returns[static_cast<int>(AssetClass::LargeCap)], 43.81f);
  EXPECT_FLOAT_EQ(first.returns[static_cast<int>(AssetClass::CorporateBond)], 3.22f);
  EXPECT_FLOAT_EQ(first.inflation, -1.16f);
}

struct BadTable {
  const char* text;
  const char* reason;
};

TEST(HistoricalReturns, DamagedTablesAreRefusedWithTheLine) {
  const std::string header = kHeader;
  const BadTable cases[] = {
      {"year,stocks\n2001,1\n", "line 1 is not the header"},
      {"", "it holds no years"},
      {"HEADER2001,1,2,3,4,5\n", "line 2 is not a year and six percentages"},
      {"HEADER2001,1,2,3,4,5,x\n", "line 2 is not a year and six percentages"},
      {"HEADER2001,1,2,3,4,5,6,7\n", "line 2 is not a year and six percentages"},
      {"HEADER2001,1,2,3,4,5,6\n2003,1,2,3,4,5,6\n", "line 3 does not follow the year before it"},
  };
  for (const BadTable& c : cases) {
    std::string text = c.text;
    if (text.rfind("HEADER", 0) == 0) text = header + text.substr(6);
    std::string error;
    EXPECT_FALSE(ParseHistoricalReturns(text, error)) << text;
    EXPECT_NE(error.find(c.reason), std::string::npos) << error;
  }
  std::string error;
  EXPECT_TRUE(ParseHistoricalReturns(header + "2001,1,2,3,4,5,6\r\n2002,-1,+2,3,4,5,6\n", error))
      << error;
}

TEST(HistoricalSequences, CyclesWrapAndBootstrapKeepsBlocks) {
  EXPECT_EQ(CycleSequence(2, 5, 4), (std::vector<int>{2, 3, 0, 1, 2}));
  const std::vector<int> rows = BootstrapSequence(7, 23, 98, 5);
  ASSERT_EQ(rows.size(), 23u);
  for (std::size_t k = 0; k < rows.size(); ++k) {
    EXPECT_LT(rows[k], 98);
    if (k % 5 == 0) continue;
    EXPECT_EQ(rows[k], rows[k - 1] + 1) << k;  // consecutive inside a block
  }
  EXPECT_EQ(BootstrapSequence(7, 23, 98, 5), rows);
  EXPECT_NE(BootstrapSequence(8, 23, 98, 5), rows);
}

TEST(Percentiles, InterpolateBetweenTheNearestRanks) {
  const std::vector<float> values = {10, 20, 30, 40, 50};
  const std::pair<double, float> cases[] = {{0, 10},  {5, 12},  {25, 20},
                                            {50, 30}, {90, 46}, {100, 50}};
  for (const auto& [p, expected] : cases)
    EXPECT_FLOAT_EQ(SortedPercentile(values, p), expected) << p;
  EXPECT_EQ(SortedPercentile(std::vector<float>{}, 50), 0.0f);
  EXPECT_EQ(SortedPercentile(std::vector<float>{7}, 95), 7.0f);
}

// A period's levels are selected from a run-major series without sorting it; they must be
// exactly the levels of the sorted period, ties and all, for any number of runs.
TEST(Percentiles, PeriodsSelectedFromRunMajorSeriesMatchTheSortedValues) {
  constexpr int kPeriods = 3;
  std::mt19937 random(11);
  std::uniform_int_distribution<int> value(-50, 50);  // few values: many ties
  for (const int runs : {1, 2, 7, 40, 1001}) {
    std::vector<float> series(static_cast<std::size_t>(runs) * kPeriods);
    for (float& v : series) v = static_cast<float>(value(random)) * 1.5f;
    PercentileTable table = EmptyPercentileTable(kPeriods);
    std::vector<float> column;
    for (int period = 0; period < kPeriods; ++period) {
      FillPercentilePeriod(series, kPeriods, period, column, table);
      std::vector<float> sorted;
      for (int run = 0; run < runs; ++run) sorted.push_back(series[run * kPeriods + period]);
      std::sort(sorted.begin(), sorted.end());
      for (std::size_t level = 0; level < kPercentileLevels.size(); ++level) {
        EXPECT_EQ(table.At(static_cast<int>(level), period),
                  SortedPercentile(sorted, kPercentileLevels[level]))
            << runs << " runs, period " << period << ", level " << kPercentileLevels[level];
      }
    }
  }
}

}  // namespace
}  // namespace tarvel::analysis
