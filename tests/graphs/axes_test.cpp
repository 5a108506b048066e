// Chart layout, grid and axis labels of the flat and 3-D charts, seen through the log of a
// recording canvas (line height 16, characters 7 pixels wide).
#include "graphs/axes.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "graphs/axis_labels.h"
#include "graphs/graph_test_data.h"
#include "support/recording_canvas.h"

namespace tarvel::graphs {
namespace {

using test_support::RecordingCanvas;
using testing::AgedPeriods;
using ::testing::Contains;
using ::testing::ElementsAre;
using ::testing::HasSubstr;
using testing::ScreenContext;

ChartData DataOf(const std::vector<PeriodRecord>& periods) {
  ChartData data;
  data.periods = periods;
  return data;
}

const ValueScale kTenThousand{0, 10000, 1000};

TEST(DrawAxesAndGrid, FitsThePlotInWholeGridStepsAndPeriodColumns) {
  RecordingCanvas canvas;
  const ChartGeometry g =
      DrawAxesAndGrid(canvas, ScreenContext({0, 0, 800, 600}, 10), kTenThousand, 10);
  EXPECT_EQ(g.y0, 600 - 6 * 16);
  EXPECT_EQ(g.height, 470);  // 600 - 8 L = 472, down to a multiple of 10
  EXPECT_EQ(g.grid_y, 47);
  EXPECT_EQ(g.x0, 63);      // "$10,000.0": the widest label without its last character
  EXPECT_EQ(g.grid_x, 72);  // (800 - 63 - 2 C) div 10
  EXPECT_EQ(g.width, 720);
  EXPECT_EQ(g.zero_y, g.y0);
}

TEST(DrawAxesAndGrid, ThumbnailsKeepThreeLinesBelowThePlot) {
  RecordingCanvas canvas;
  ChartContext context = ScreenContext({0, 0, 400, 300}, 10);
  context.view.thumbnail = 2;
  const ChartGeometry g = DrawAxesAndGrid(canvas, context, kTenThousand, 10);
  EXPECT_EQ(g.y0, 300 - 3 * 16);
  EXPECT_EQ(g.height, 230);  // 300 - 4 L = 236
}

TEST(DrawAxesAndGrid, DrawsAxesGridLinesAndTicks) {
  RecordingCanvas canvas;
  DrawAxesAndGrid(canvas, ScreenContext({0, 0, 800, 600}, 10), ValueScale{-800, 4000, 400}, 10);
  const auto& log = canvas.lines();
  // x0 = 56 ("-$800.0" and "$3,200.0" are the widest); Gx = 73.
  // Zero line at value 0: 504 - 800 / 4000 x 470 = 410; axis pen is black and 2 wide.
  EXPECT_EQ(log[0], "line 56,410 786,410 pen=solid/2/000000");
  EXPECT_EQ(log[1], "line 56,504 56,34 pen=solid/2/000000");
  EXPECT_THAT(log, Contains("line 56,504 786,504 pen=solid/1/646464"));
  EXPECT_THAT(log, Contains("line 54,504 60,504 pen=solid/1/000000"));  // tick -T/2 .. +T
  EXPECT_THAT(log, Contains("line 129,504 129,34 pen=solid/1/646464"));
  EXPECT_THAT(log, Contains("line 129,412 129,406 pen=solid/1/000000"));  // tick on zero line
  EXPECT_EQ(canvas.LinesStartingWith("line").size(), 2u + 2 * 11 + 2 * 10);
}

TEST(DrawAxesAndGrid, GridOffLeavesOnlyTheAxes) {
  RecordingCanvas canvas;
  DrawAxesAndGrid(canvas, ScreenContext({0, 0, 800, 600}, 10), kTenThousand, 10, true);
  EXPECT_EQ(canvas.lines().size(), 2u);
}

TEST(DrawAxesAndGrid, DegenerateAreasAndNoPeriodsDoNotBreakTheLayout) {
  RecordingCanvas canvas;
  for (const platform::Rect area : {platform::Rect{0, 0, 0, 0}, platform::Rect{50, 50, 10, 10},
                                    platform::Rect{0, 0, 800, 600}}) {
    for (int periods : {0, 1, 500}) {
      const ChartGeometry g =
          DrawAxesAndGrid(canvas, ScreenContext(area, periods), kTenThousand, periods);
      EXPECT_GE(g.height, 0);
      EXPECT_GE(g.width, 0);
      EXPECT_GE(g.grid_x, 0);
    }
  }
}

TEST(DrawValueAndAgeLabels, WritesValueLabelsWithoutCentsLeftOfTheAxis) {
  RecordingCanvas canvas;
  const ChartContext context = ScreenContext({0, 0, 800, 600}, 10);
  const std::vector<PeriodRecord> periods = AgedPeriods(10, 65);
  const ChartGeometry g = DrawAxesAndGrid(canvas, context, ValueScale{-800, 4000, 400}, 10);
  canvas.Clear();
  DrawValueAndAgeLabels(canvas, context, g, DataOf(periods));
  const auto texts = canvas.Texts();
  // Line 2 is the zero line and carries no label.
  EXPECT_THAT(std::vector<std::string>(texts.begin(), texts.begin() + 4),
              ElementsAre("-$800", "-$400", "$400", "$800"));
  // "$3,200.00" has 9 characters: x = x0 - 6 C - C/2 with x0 = 56; y = y0 - L/2 - 10 Gy.
  EXPECT_THAT(canvas.lines(), Contains("text 11,26 left/top 000000 \"$3,200\""));
}

TEST(DrawValueAndAgeLabels, ThinsValueLabelsOnShortCharts) {
  RecordingCanvas canvas;
  ChartContext context = ScreenContext({0, 0, 800, 200}, 10);
  context.view.thumbnail = 1;  // H = 200 - 64 = 136 < 10 L: every second label
  const ChartGeometry g = DrawAxesAndGrid(canvas, context, kTenThousand, 10);
  canvas.Clear();
  DrawValueAndAgeLabels(canvas, context, g, ChartData{});
  const auto texts = canvas.Texts();
  EXPECT_THAT(std::vector<std::string>(texts.begin(), texts.begin() + 5),
              ElementsAre("$2,000", "$4,000", "$6,000", "$8,000", "$10,000"));
}

// Left ends of the value labels ("$..." texts) with their lengths, from the log.
std::vector<std::pair<int, int>> ValueLabelSpans(const RecordingCanvas& canvas) {
  std::vector<std::pair<int, int>> spans;
  for (const std::string& line : canvas.LinesStartingWith("text ")) {
    const std::size_t quote = line.find('"');
    const std::string text = line.substr(quote + 1, line.size() - quote - 2);
    if (text.find('$') == std::string::npos) continue;
    spans.emplace_back(std::stoi(line.substr(5)), static_cast<int>(text.size()));
  }
  return spans;
}

TEST(DrawValueAndAgeLabels, LabelsThatKeepTheirCentsEndHalfACharacterLeftOfTheAxis) {
  // All values 0: R = 1, so the labels run from "$0.10" to "$1.00" and keep their cents.
  const ValueScale scale = ChooseValueScale(0, 0);
  ASSERT_TRUE(ValueLabelsKeepCents(scale));
  const std::vector<PeriodRecord> periods = AgedPeriods(10, 65);
  for (const ChartStyle style : {ChartStyle::Line, ChartStyle::Bar3D}) {
    RecordingCanvas canvas;
    const ChartContext context = ScreenContext({0, 0, 800, 600}, 10);
    ChartGeometry g;
    if (style == ChartStyle::Bar3D) {
      g = Draw3DAxesAndGrid(canvas, context, scale, 10, DataOf(periods));
    } else {
      g = DrawAxesAndGrid(canvas, context, scale, 10);
      DrawValueAndAgeLabels(canvas, context, g, DataOf(periods));
    }
    const auto spans = ValueLabelSpans(canvas);
    ASSERT_EQ(spans.size(), 10u);
    for (const auto& [left, length] : spans) {
      EXPECT_GE(left, 0);
      EXPECT_LE(left + length * 7, g.x0 - 7 / 2) << canvas.Dump();
    }
  }
}

TEST(DrawValueAndAgeLabels, CentresAgeLabelsOnTheirPeriods) {
  RecordingCanvas canvas;
  const ChartContext context = ScreenContext({0, 0, 800, 600}, 10);
  const std::vector<PeriodRecord> periods = AgedPeriods(10, 95.5f);
  const ChartGeometry g = DrawAxesAndGrid(canvas, context, kTenThousand, 10);
  canvas.Clear();
  DrawValueAndAgeLabels(canvas, context, g, DataOf(periods));
  // Two digits shift left by C, three digits by 3C/2; y = y0 + T/2 + 1.
  EXPECT_THAT(canvas.lines(), Contains("text 56,507 left/top 000000 \"95\""));
  EXPECT_THAT(canvas.lines(), Contains("text 272,507 left/top 000000 \"98\""));
  EXPECT_THAT(canvas.lines(), Contains("text 344,507 left/top 000000 \"99\""));
  EXPECT_THAT(canvas.lines(), Contains("text 413,507 left/top 000000 \"100\""));
}

TEST(DrawValueAndAgeLabels, ThinsAgeLabelsToEveryOddStepOnNarrowCharts) {
  RecordingCanvas canvas;
  ChartContext context = ScreenContext({0, 0, 400, 600}, 80);
  const std::vector<PeriodRecord> periods = AgedPeriods(80, 20);
  const ChartGeometry g = DrawAxesAndGrid(canvas, context, kTenThousand, 80);
  ASSERT_EQ(g.width, 320);  // Gx = 4: 3 x 80 x 7 > 320 -> step 3, 5, then 7
  canvas.Clear();
  DrawValueAndAgeLabels(canvas, context, g, DataOf(periods));
  std::vector<std::string> ages = canvas.Texts();
  ages.erase(ages.begin(), ages.begin() + 10);  // the value labels
  EXPECT_THAT(ages,
              ElementsAre("20", "27", "34", "41", "48", "55", "62", "69", "76", "83", "90", "97"));
}

TEST(DrawValueAndAgeLabels, ZoomedViewLabelsItsOwnPeriods) {
  RecordingCanvas canvas;
  ChartContext context = ScreenContext({0, 0, 800, 600}, 3);
  context.view.first_period = 5;
  context.view.zoomed = true;
  const std::vector<PeriodRecord> periods = AgedPeriods(20, 60);
  const ChartGeometry g = DrawAxesAndGrid(canvas, context, kTenThousand, 3);
  canvas.Clear();
  DrawValueAndAgeLabels(canvas, context, g, DataOf(periods));
  const auto texts = canvas.Texts();
  EXPECT_THAT(std::vector<std::string>(texts.end() - 3, texts.end()),
              ElementsAre("65", "66", "67"));
  EXPECT_EQ(g.PeriodX(5), g.x0);
}

TEST(Draw3DAxesAndGrid, LeavesRoomForTheDepthRightOfThePlot) {
  RecordingCanvas canvas;
  const std::vector<PeriodRecord> periods = AgedPeriods(10, 60);
  const ChartGeometry g = Draw3DAxesAndGrid(canvas, ScreenContext({0, 0, 800, 600}, 10),
                                            kTenThousand, 10, DataOf(periods));
  EXPECT_EQ(g.depth_margin, 84);  // 12 steps of C
  EXPECT_EQ(g.y0, 600 - 5 * 16);
  EXPECT_EQ(g.height, 400);  // 600 - 7 L - 84 = 404
  EXPECT_EQ(g.grid_x, 63);
  EXPECT_EQ(g.width, 630);
  EXPECT_DOUBLE_EQ(g.depth, 1.3 * 63);
  EXPECT_LE(g.x0 + g.width + g.depth, 800 - 2 * 7);
  // The back edge of the value axis, and a back-wall grid line and side diagonal at line 1.
  EXPECT_THAT(canvas.lines(), Contains("line 144,438 144,38 pen=solid/2/000000"));
  EXPECT_THAT(canvas.lines(), Contains("line 144,398 774,398 pen=solid/1/646464"));
  EXPECT_THAT(canvas.lines(), Contains("line 63,480 144,398 pen=solid/1/000000"));
  // Age labels stand along the zero line, starting C + 1 left of their period.
  EXPECT_THAT(canvas.lines(), Contains("text 55,523 left/top 000000 \"60\""));
}

TEST(Draw3DAxesAndGrid, PrintedChartsUseTheWholeHeight) {
  RecordingCanvas canvas;
  ChartContext context = ScreenContext({0, 100, 2000, 1500}, 30);
  context.view.printing = true;
  const ChartGeometry g = Draw3DAxesAndGrid(canvas, context, kTenThousand, 30, ChartData{});
  EXPECT_EQ(g.y0, 1500);
  EXPECT_EQ(g.height, 1330);  // 1400 - 4 L = 1336
  EXPECT_EQ(g.tick, 16);
}

TEST(Draw3DAxesAndGrid, ShortThumbnailsGiveUpOneColumn) {
  RecordingCanvas canvas;
  ChartContext context = ScreenContext({0, 0, 400, 300}, 10);
  context.view.thumbnail = 1;
  const ChartGeometry full =
      LayOut3DChart(canvas, ScreenContext({0, 0, 400, 300}, 10), kTenThousand, 10);
  const ChartGeometry small = Draw3DAxesAndGrid(canvas, context, kTenThousand, 10, ChartData{});
  EXPECT_LT(small.grid_x, full.grid_x);
  EXPECT_EQ(small.height % 10, 0);
  EXPECT_THAT(canvas.Dump(), HasSubstr("line"));
}

}  // namespace
}  // namespace tarvel::graphs
