// A whole chart in calling order: legend behind or in front, styles, zoom, and bad input.
#include "graphs/draw_chart.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "graphs/graph_test_data.h"
#include "support/recording_canvas.h"

namespace tarvel::graphs {
namespace {

using test_support::RecordingCanvas;

ChartRequest NetWorthRequest() {
  ChartRequest request;
  request.title = "NET WORTH";
  request.names = {"Net Worth", "Investment Accounts"};
  request.series = {{SeriesSource::PeriodColumn, 6}, {SeriesSource::PeriodColumn, 1}};
  return request;
}

std::size_t IndexOf(const std::vector<std::string>& lines, const std::string& prefix) {
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (lines[i].starts_with(prefix)) return i;
  }
  return lines.size();
}

TEST(DrawChart, DrawsTheLegendBehindOrInFrontOfTheSeries) {
  std::vector<PeriodRecord> periods = testing::AgedPeriods(5);
  for (auto& period : periods) period[6] = 1000;
  ChartData data;
  data.periods = periods;
  for (bool in_front : {false, true}) {
    RecordingCanvas canvas;
    ChartRequest request = NetWorthRequest();
    request.legend_in_front = in_front;
    DrawChart(canvas, testing::ScreenContext({0, 0, 800, 600}, 5), data, request);
    const std::size_t legend = IndexOf(canvas.lines(), "text 654,16");
    const std::size_t series = IndexOf(canvas.lines(), "polyline");
    ASSERT_LT(legend, canvas.lines().size()) << canvas.Dump();
    EXPECT_EQ(legend > series, in_front);
  }
}

// Where the canvas wrote a left-aligned text, with the swatch 2 C left of it; none when the
// text was not drawn.
std::optional<platform::Rect> LegendRowOf(const RecordingCanvas& canvas, const std::string& name) {
  for (const std::string& line : canvas.LinesStartingWith("text ")) {
    if (!line.ends_with("\"" + name + "\"")) continue;
    int x = 0;
    int y = 0;
    if (std::sscanf(line.c_str(), "text %d,%d", &x, &y) != 2) continue;
    const int width = static_cast<int>(name.size()) * RecordingCanvas::kCharWidth;
    return platform::Rect{x - 2 * RecordingCanvas::kCharWidth, y, x + width,
                          y + RecordingCanvas::kLineHeight};
  }
  return std::nullopt;
}

bool Overlap(const platform::Rect& a, const platform::Rect& b) {
  return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

TEST(DrawChart, TheLegendStaysClearOfThePlotArea) {
  std::vector<PeriodRecord> periods = testing::AgedPeriods(30);
  for (std::size_t i = 0; i < periods.size(); ++i) {
    periods[i][6] = 250000.0f * static_cast<float>(i);
    periods[i][1] = 90000.0f * static_cast<float>(i);
  }
  std::vector<float> power(periods.size(), 1000.0f);
  ChartData data;
  data.periods = periods;
  data.purchasing_power = power;
  for (ChartStyle style : {ChartStyle::Line, ChartStyle::Bar, ChartStyle::Bar3D}) {
    for (bool printing : {false, true}) {
      for (bool purchasing_power : {false, true}) {
        SCOPED_TRACE(::testing::Message() << "style " << static_cast<int>(style) << " printing "
                                          << printing << " power " << purchasing_power);
        RecordingCanvas canvas;
        ChartContext context = testing::ScreenContext({0, 0, 800, 600}, 30);
        context.view.style = style;
        context.view.printing = printing;
        ChartRequest request = NetWorthRequest();
        request.legend_in_front = true;
        if (purchasing_power) request.purchasing_power = PurchasingPowerRow{60};
        const ChartGeometry g = DrawChart(canvas, context, data, request);
        const int depth = static_cast<int>(g.depth);
        const platform::Rect plot{g.x0, g.y0 - g.height - depth, g.x0 + g.width + depth, g.y0};
        for (const std::string& name : request.names) {
          const std::optional<platform::Rect> row = LegendRowOf(canvas, name);
          ASSERT_TRUE(row.has_value()) << name << canvas.Dump();
          EXPECT_FALSE(Overlap(*row, plot)) << name;
        }
        EXPECT_GT(g.width, 400);  // the plot keeps most of the chart
      }
    }
  }
}

TEST(DrawChart, ZoomedChartsFitTheShownValuesWithRoundTicks) {
  std::vector<PeriodRecord> periods = testing::AgedPeriods(20);
  for (int i = 0; i < 20; ++i) periods[static_cast<std::size_t>(i)][6] = 100'000.0f * i + 68'181;
  periods[12][1] = -3'000;
  ChartData data;
  data.periods = periods;
  RecordingCanvas canvas;
  ChartContext context = testing::ScreenContext({0, 0, 800, 600}, 5);
  context.view.zoomed = true;
  context.view.first_period = 10;
  const ChartGeometry g = DrawChart(canvas, context, data, NetWorthRequest());
  // Values -3,000 to 1,468,181 over ages 10 to 14: steps of 200,000 from -200,000.
  EXPECT_FLOAT_EQ(g.scale.minimum, -200'000);
  EXPECT_FLOAT_EQ(g.scale.step, 200'000);
  EXPECT_EQ(g.first_period, 10);
  EXPECT_THAT(canvas.Texts(), ::testing::Contains("$1,400,000"));
  EXPECT_THAT(canvas.Texts(), ::testing::Contains("-$200,000"));
}

TEST(DrawChart, BadInputNeverBreaksAnyStyle) {
  std::vector<PeriodRecord> periods = testing::AgedPeriods(3);
  periods[1][6] = std::nanf("");
  periods[2][1] = -INFINITY;
  ChartData data;
  data.periods = periods;
  for (ChartStyle style : {ChartStyle::Line, ChartStyle::Bar, ChartStyle::Bar3D}) {
    for (const platform::Rect area : {platform::Rect{}, platform::Rect{0, 0, 800, 600}}) {
      for (float count : {0.0f, 3.0f, 60.0f, -4.0f}) {
        RecordingCanvas canvas;
        ChartContext context = testing::ScreenContext(area, 0);
        context.view.period_count = count;
        context.view.style = style;
        ChartRequest request = NetWorthRequest();
        request.purchasing_power = PurchasingPowerRow{60};
        const ChartGeometry g = DrawChart(canvas, context, data, request);
        EXPECT_GE(g.width, 0);
        EXPECT_TRUE(std::isfinite(g.scale.range));
      }
    }
  }
}

TEST(FindExtremes, StartsFromZeroAndCoversTheShownPeriodsOnly) {
  std::vector<PeriodRecord> periods = testing::AgedPeriods(4);
  periods[0][6] = -900;
  periods[1][6] = 300;
  periods[2][1] = -50;
  periods[3][1] = 5000;
  ChartData data;
  data.periods = periods;
  const std::vector<SeriesRef> series = NetWorthRequest().series;
  const Extremes shown = FindExtremes(data, series, 1, 2);
  EXPECT_FLOAT_EQ(shown.minimum, -50);
  EXPECT_FLOAT_EQ(shown.maximum, 300);
}

}  // namespace
}  // namespace tarvel::graphs
