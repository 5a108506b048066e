// Line, bar and 3-D bar series: the zero-run break rule, points of flow graphs, ranking by
// magnitude, and the sources a series can read.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

#include "graphs/chart_geometry.h"
#include "graphs/graph_test_data.h"
#include "graphs/series_3d.h"
#include "graphs/series_bar.h"
#include "graphs/series_line.h"
#include "support/recording_canvas.h"

namespace tarvel::graphs {
namespace {

using test_support::RecordingCanvas;
using ::testing::ElementsAre;

// A hand-made geometry: x0 100, y0 500, H 400 over 0..1,000 (1 pixel = 2.5), Gx 10.
ChartGeometry Geometry(int periods, ValueScale scale = {0, 1000, 100}) {
  ChartGeometry g;
  g.x0 = 100;
  g.y0 = 500;
  g.height = 400;
  g.grid_y = 40;
  g.periods = periods;
  g.grid_x = 10;
  g.width = 10 * periods;
  g.scale = scale;
  g.zero_y = g.ValueY(0);
  g.depth = kDepthFactor * g.grid_x;
  return g;
}

constexpr SeriesRef kColumn1{SeriesSource::PeriodColumn, 1};

// Column 1 holds the values.
ChartData DataWithColumn(std::vector<PeriodRecord>& periods, const std::vector<float>& values) {
  periods = testing::AgedPeriods(static_cast<int>(values.size()));
  for (std::size_t i = 0; i < values.size(); ++i) periods[i][1] = values[i];
  ChartData data;
  data.periods = periods;
  return data;
}

TEST(DrawLineSeries, LeavesOutSegmentsWhereTheSeriesRestsAtZero) {
  RecordingCanvas canvas;
  std::vector<PeriodRecord> periods;
  const ChartData data = DataWithColumn(periods, {0, 0, 0, 500, 1000, 0, 0, 250});
  DrawLineSeries(canvas, testing::ScreenContext({}, 8), Geometry(8), data, kColumn1, 0, false);
  EXPECT_THAT(canvas.lines(),
              ElementsAre("polyline 120,500 130,300 140,100 150,500 pen=solid/2/ff0000",
                          "polyline 160,500 170,400 pen=solid/2/ff0000"));
}

TEST(DrawLineSeries, BreaksRunsOnTheZeroLineOfANegativeScale) {
  RecordingCanvas canvas;
  std::vector<PeriodRecord> periods;
  // Tiny values land on the zero line (y 300) without being 0: still no segment there.
  const ChartData data = DataWithColumn(periods, {-400, -0.001f, -0.002f, 300});
  const ChartGeometry g = Geometry(4, {-500, 1000, 100});
  DrawLineSeries(canvas, testing::ScreenContext({}, 4), g, data, kColumn1, 2, false);
  EXPECT_THAT(canvas.lines(), ElementsAre("polyline 100,460 110,300 pen=solid/2/15d0d5",
                                          "polyline 120,300 130,180 pen=solid/2/15d0d5"));
}

TEST(DrawLineSeries, FlowGraphsLeaveOutTheLastPeriod) {
  RecordingCanvas canvas;
  std::vector<PeriodRecord> periods;
  const ChartData data = DataWithColumn(periods, {100, 200, 300, 400});
  DrawLineSeries(canvas, testing::ScreenContext({}, 4), Geometry(4), data, kColumn1, 0, true);
  EXPECT_THAT(canvas.lines(), ElementsAre("polyline 100,460 110,420 120,380 pen=solid/2/ff0000"));
}

TEST(DrawLineSeries, PrintsWideAndClipsZoomedViewsToThePlot) {
  RecordingCanvas canvas;
  std::vector<PeriodRecord> periods;
  const ChartData data = DataWithColumn(periods, {100, 200});
  ChartContext context = testing::ScreenContext({}, 2);
  context.view.printing = true;
  context.view.zoomed = true;
  DrawLineSeries(canvas, context, Geometry(2), data, kColumn1, 0, false);
  EXPECT_THAT(canvas.lines(), ElementsAre("clip 100,100,120,500",
                                          "polyline 100,460 110,420 pen=solid/8/ff0000", "noclip"));
}

TEST(DrawLineSeries, MissingOrBrokenValuesDrawNothingOrStayOnTheChart) {
  RecordingCanvas canvas;
  DrawLineSeries(canvas, testing::ScreenContext({}, 5), Geometry(0), ChartData{}, kColumn1, 0,
                 false);
  DrawLineSeries(canvas, testing::ScreenContext({}, 5), Geometry(5), ChartData{}, kColumn1, 0,
                 false);
  EXPECT_TRUE(canvas.lines().empty()) << canvas.Dump();
  std::vector<PeriodRecord> periods;
  const ChartData data = DataWithColumn(periods, {100, std::nanf(""), 3e38f});
  DrawLineSeries(canvas, testing::ScreenContext({}, 3), Geometry(3), data, kColumn1, 0, false);
  EXPECT_THAT(canvas.lines(),
              ElementsAre("polyline 100,460 110,500 120,-999500 pen=solid/2/ff0000"));
}

TEST(RankByMagnitude, PutsTheLargestMagnitudeFirstAndKeepsTiesInSeriesOrder) {
  const std::vector<float> values{-300, 500, 100, -500, 0};
  EXPECT_THAT(RankByMagnitude(values), ElementsAre(1, 3, 0, 2, 4));
}

TEST(DrawBarSeries, DrawsFullColumnBarsFromTheZeroLineLargestFirst) {
  RecordingCanvas canvas;
  std::vector<PeriodRecord> periods = testing::AgedPeriods(2);
  periods[1][6] = 400;   // net worth
  periods[1][1] = -200;  // investment
  ChartData data;
  data.periods = periods;
  const std::vector<SeriesRef> series{{SeriesSource::PeriodColumn, 6},
                                      {SeriesSource::PeriodColumn, 1}};
  const ChartGeometry g = Geometry(2, {-500, 1000, 100});  // zero line at 300
  DrawBarSeries(canvas, testing::ScreenContext({}, 2), g, data, series);
  EXPECT_THAT(canvas.LinesStartingWith("rect 110"),
              ElementsAre("rect 110,140,120,300 pen=solid/1/000000 brush=solid/ff0000",
                          "rect 110,300,120,380 pen=solid/1/000000 brush=solid/0000ff"));
  EXPECT_EQ(canvas.lines().size(), 4u);  // all periods, both series (zero-height bars too)
}

TEST(Draw3DBarSeries, StacksRanksFromBackToFrontWithinTheDepth) {
  RecordingCanvas canvas;
  std::vector<PeriodRecord> periods = testing::AgedPeriods(2);
  periods[0][7] = 100;
  periods[0][8] = 400;
  ChartData data;
  data.periods = periods;
  const std::vector<SeriesRef> series{{SeriesSource::PeriodColumn, 7},
                                      {SeriesSource::PeriodColumn, 8}};
  // Two series, Gx 10: slice 6.5; rank 0 (400) is moved back 6.5, rank 1 not at all;
  // corners are truncated after adding (106.5 + 10 + 6.5 = 123).
  Draw3DBarSeries(canvas, testing::ScreenContext({}, 2), Geometry(2), data, series, true);
  EXPECT_THAT(canvas.lines(),
              ElementsAre("polygon 106,333 116,333 116,493 106,493 pen=solid/1/000000 "
                          "brush=solid/0000ff",
                          "polygon 116,333 123,327 123,487 116,493 pen=solid/1/000000 "
                          "brush=solid/0000ff",
                          "polygon 106,333 116,333 123,327 113,327 pen=solid/1/000000 "
                          "brush=solid/0000ff",
                          "polygon 100,460 110,460 110,500 100,500 pen=solid/1/000000 "
                          "brush=solid/ff0000",
                          "polygon 110,460 116,453 116,493 110,500 pen=solid/1/000000 "
                          "brush=solid/ff0000",
                          "polygon 100,460 110,460 116,453 106,453 pen=solid/1/000000 "
                          "brush=solid/ff0000"));
}

TEST(SeriesValue, TotalsGroupsAndAllocationCategoriesAtThePeriod) {
  std::vector<BalanceRecord> balances(2);
  balances[1][0] = 100;
  balances[1][1] = 200;
  balances[1][2] = 400;
  const std::vector<std::uint16_t> groups{3, 5, 3};
  const std::vector<std::uint16_t> slots{2, 0, 1};
  std::vector<AllocationRow> allocation(2);
  allocation[1][2] = 50;  // category 1: half of slot 2 (account 0)
  allocation[1][1] = 25;  // and a quarter of slot 1 (account 2)
  const std::vector<float> power{10, 20};
  ChartData data;
  data.balances = balances;
  data.account_groups = groups;
  data.account_slots = slots;
  data.allocation = allocation;
  data.purchasing_power = power;
  EXPECT_FLOAT_EQ(SeriesValue(data, {SeriesSource::GroupTotal, 3}, 1), 500);
  EXPECT_FLOAT_EQ(SeriesValue(data, {SeriesSource::GroupTotal, 5}, 1), 200);
  EXPECT_FLOAT_EQ(SeriesValue(data, {SeriesSource::AllocationTotal, 1}, 1), 150);
  EXPECT_FLOAT_EQ(SeriesValue(data, {SeriesSource::AccountBalance, 2}, 1), 400);
  EXPECT_FLOAT_EQ(SeriesValue(data, {SeriesSource::PurchasingPower, 0}, 1), 20);
  EXPECT_FLOAT_EQ(SeriesValue(data, {SeriesSource::GroupTotal, 3}, 7), 0);
  EXPECT_FLOAT_EQ(SeriesValue(data, {SeriesSource::AllocationTotal, 12}, 1), 0);
  EXPECT_FLOAT_EQ(SeriesValue(data, {SeriesSource::PeriodColumn, 20}, 0), 0);
}

}  // namespace
}  // namespace tarvel::graphs
