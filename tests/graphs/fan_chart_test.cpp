// The fan chart: three nested bands from the outer percentiles inwards, the median on top, the
// legend naming them, all inside the plot area.
#include "graphs/fan_chart.h"

#include <gtest/gtest.h>

#include <sstream>

#include "support/recording_canvas.h"

namespace tarvel::graphs {
namespace {

// The smallest y (highest point) among the points of a "polygon ..." or "polyline ..." line.
int TopY(const std::string& line) {
  std::istringstream words(line);
  std::string word;
  int top = 1 << 30;
  words >> word;
  while (words >> word) {
    const std::size_t comma = word.find(',');
    if (comma == std::string::npos || word.find('=') != std::string::npos) continue;
    top = std::min(top, std::stoi(word.substr(comma + 1)));
  }
  return top;
}

TEST(FanChart, DrawsNestedBandsThenTheMedianInsideThePlot) {
  FanSeries series;
  series.ages = {60, 61, 62, 63};
  const float factors[7] = {0.5f, 0.7f, 0.9f, 1.0f, 1.1f, 1.3f, 1.5f};
  for (int level = 0; level < 7; ++level) {
    for (float base : {1000.0f, 2000.0f, 3000.0f, 4000.0f}) {
      series.levels[level].push_back(base * factors[level]);
    }
  }
  test_support::RecordingCanvas canvas;
  ChartContext context;
  context.area = {0, 0, 800, 600};
  context.view.period_count = 4;
  const ChartGeometry geometry = DrawFanChart(canvas, context, series, {});

  const auto bands = canvas.LinesStartingWith("polygon ");
  ASSERT_EQ(bands.size(), 3u) << canvas.Dump();
  EXPECT_LT(TopY(bands[0]), TopY(bands[1]));  // 95th above 90th above 75th
  EXPECT_LT(TopY(bands[1]), TopY(bands[2]));
  const auto lines = canvas.LinesStartingWith("polyline ");
  ASSERT_FALSE(lines.empty());
  const std::string& median = lines.back();
  EXPECT_GT(TopY(median), TopY(bands[2]));
  EXPECT_EQ(median.rfind("polyline " + std::to_string(geometry.PeriodX(0)) + ",", 0), 0u) << median;
  // The median is drawn last, and the bands and median are clipped to the plot.
  const auto& log = canvas.lines();
  const auto clip = std::find_if(
      log.begin(), log.end(), [](const std::string& line) { return line.rfind("clip ", 0) == 0; });
  ASSERT_NE(clip, log.end());
  EXPECT_EQ(*(clip + 1), bands[0]);
  EXPECT_EQ(log.back(), "noclip");
  EXPECT_EQ(*(log.end() - 2), median);
  for (const std::string& name : kFanLegendNames) {
    const auto texts = canvas.Texts();
    EXPECT_NE(std::find(texts.begin(), texts.end(), name), texts.end()) << name;
  }
  // Every grid line is drawn over the bands, so the bands never hide it.
  const auto last_band = std::find(log.begin(), log.end(), bands.back());
  for (int line = 0; line <= 10; ++line) {
    const int y = geometry.y0 - line * geometry.grid_y;
    const std::string grid_line = "line " + std::to_string(geometry.x0) + "," + std::to_string(y) +
                                  " " + std::to_string(geometry.x0 + geometry.width) + "," +
                                  std::to_string(y) + " ";
    const auto drawn = std::find_if(last_band, log.end(), [&](const std::string& entry) {
      return entry.rfind(grid_line, 0) == 0;
    });
    EXPECT_NE(drawn, log.end()) << grid_line;
  }
  // Band colours lighten outwards; the median has a colour of its own.
  EXPECT_NE(FanBandColour(context.palette, 0), FanBandColour(context.palette, 2));
  EXPECT_NE(FanBandColour(context.palette, 3), FanBandColour(context.palette, 2));
}

}  // namespace
}  // namespace tarvel::graphs
