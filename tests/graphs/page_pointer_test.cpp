// Pointer arithmetic of the graph pages: the period a click or drag is at, the band where a
// zoom may be marked, and a click's read-out of every plotted series at one age.
#include "graphs/page_pointer.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "page_test_source.h"

namespace tarvel::graphs {
namespace {

using ::testing::ElementsAre;
using testing::OwnedSource;

// Ten periods from the first, 20 pixels a column from x = 100; the plot from y 100 to 500.
ChartGeometry TenColumns(int first_period) {
  ChartGeometry geometry;
  geometry.line_height = 16;
  geometry.first_period = first_period;
  geometry.periods = 10;
  geometry.x0 = 100;
  geometry.grid_x = 20;
  geometry.width = 200;
  geometry.y0 = 500;
  geometry.height = 400;
  return geometry;
}

TEST(PeriodAt, LinesTakeTheNearestPointAndBarsTheColumnHeldInTheShownPeriods) {
  const ChartGeometry geometry = TenColumns(5);
  struct Case {
    int x;
    ChartStyle style;
    int period;
  } const cases[] = {
      {100, ChartStyle::Line, 5}, {109, ChartStyle::Line, 5},  {111, ChartStyle::Line, 6},
      {119, ChartStyle::Bar, 5},  {121, ChartStyle::Bar3D, 6}, {20, ChartStyle::Line, 5},
      {900, ChartStyle::Bar, 14}, {295, ChartStyle::Line, 14},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(PeriodAt(geometry, c.x, c.style), c.period) << c.x;
  }
}

TEST(InZoomBand, CoversTheShownAgesFromAboveThePlotToTheAgeLabels) {
  const ChartGeometry geometry = TenColumns(0);
  EXPECT_TRUE(InZoomBand(geometry, {150, 300}));   // in the plot
  EXPECT_TRUE(InZoomBand(geometry, {150, 540}));   // over the age labels, below zero
  EXPECT_TRUE(InZoomBand(geometry, {150, 75}));    // just above the top grid line
  EXPECT_FALSE(InZoomBand(geometry, {150, 560}));  // the footer lines
  EXPECT_FALSE(InZoomBand(geometry, {90, 300}));   // the value labels
}

TEST(AgesBetween, GivesTheDraggedAgesSmallerFirst) {
  const OwnedSource run(25, 60);
  const AgeSpan ages = AgesBetween(TenColumns(5), run.source, 280, 140, ChartStyle::Bar);
  EXPECT_FLOAT_EQ(ages.first, 67);
  EXPECT_FLOAT_EQ(ages.last, 74);
}

TEST(SeriesValueLines, ReadsEverySeriesOfTheGraphAtTheAgeNotThePointersHeight) {
  OwnedSource run(5, 60);
  PeriodRecord& record = run.periods[2];
  record[6] = 1'234'567.5f;
  record[1] = 1'000;
  record[3] = -80;
  run.Refresh();
  const KindSeries series = SeriesOfKind(GraphKind::NetWorth, run.source, {});
  EXPECT_THAT(SeriesValueLines(series, run.source, 2, {}),
              ElementsAre("Age 62", "Net Worth: $1,234,567.50", "Investment Accounts: $1,000.00",
                          "Tax-free Accounts: $0.00", "Retirement Accounts: -$80.00",
                          "Asset Accounts: $0.00", "Equity: $0.00"));
}

TEST(SeriesValueLines, AddsThePurchasingPowerLineWhenTheGraphDrawsIt) {
  OwnedSource run(3, 60);
  const std::vector<float> power{100, 200, 300};
  run.source.purchasing_power = power;
  run.source.purchasing_power_shown = true;
  const KindSeries series = SeriesOfKind(GraphKind::NetWorth, run.source, {});
  const std::vector<std::string> lines = SeriesValueLines(series, run.source, 1, {});
  ASSERT_FALSE(lines.empty());
  EXPECT_EQ(lines.back(), "Purchasing Power: $200.00");
}

}  // namespace
}  // namespace tarvel::graphs
