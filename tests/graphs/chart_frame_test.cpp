// Titles, footers, legends, bevelled boxes and callouts.
#include "graphs/chart_frame.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "graphs/boxes.h"
#include "graphs/graph_test_data.h"
#include "graphs/legend.h"
#include "support/recording_canvas.h"

namespace tarvel::graphs {
namespace {

using test_support::RecordingCanvas;
using ::testing::Contains;
using ::testing::ElementsAre;

const std::vector<std::string> kNames{"Net Worth", "Investment Accounts", "Equity"};

TEST(DefaultFooterLines, NamesTheFileDateAndTwelveHourTime) {
  EXPECT_THAT(DefaultFooterLines("plan.ret", {2024, 3, 7}, {0, 5, 9}),
              ElementsAre("File: plan.ret", "Date: March 7, 2024", "Time: 12:05:09 AM "));
  EXPECT_EQ(DefaultFooterLines("", {2024, 12, 31}, {12, 0, 0})[2], "Time: 12:00:00 PM ");
  EXPECT_EQ(DefaultFooterLines("", {2024, 1, 1}, {23, 59, 1})[2], "Time: 11:59:01 PM ");
}

TEST(DrawChartFrame, MeasuresTheLegendFromTheWidestName) {
  RecordingCanvas canvas;
  const FrameLayout layout =
      DrawChartFrame(canvas, testing::ScreenContext({0, 0, 800, 600}, 10), {"T", kNames});
  EXPECT_EQ(layout.legend_width, 19 * 7 + 7 + 3);
  EXPECT_EQ(layout.legend_left, 800 - layout.legend_width - 7 - 15);
}

TEST(DrawChartFrame, ScreenChartsShowFootersAndNoTitle) {
  RecordingCanvas canvas;
  FrameText text{"NET WORTH", kNames};
  text.footer_lines = {"File: a.ret", "Date: May 1, 2020", "Time: 1:02:03 PM "};
  DrawChartFrame(canvas, testing::ScreenContext({0, 0, 800, 600}, 10), text);
  EXPECT_THAT(canvas.Texts(), ElementsAre("File: a.ret", "Date: May 1, 2020", "Time: 1:02:03 PM "));
  EXPECT_THAT(canvas.lines(), Contains("text 400,543 centre/top 000000 \"File: a.ret\""));
  canvas.Clear();
  text.footer_align = FooterAlign::Left;
  DrawChartFrame(canvas, testing::ScreenContext({0, 0, 800, 600}, 10), text);
  EXPECT_THAT(canvas.lines(), Contains("text 8,575 left/top 000000 \"Time: 1:02:03 PM \""));
}

TEST(DrawChartFrame, PrintedChartsAndThumbnailsShowTitlesOnly) {
  RecordingCanvas canvas;
  ChartContext context = testing::ScreenContext({0, 0, 800, 600}, 10);
  context.view.printing = true;
  DrawChartFrame(canvas, context, {"NET WORTH", kNames});
  EXPECT_THAT(canvas.lines(),
              ElementsAre("font Courier/16/400", "text 400,0 centre/top 000000 \"NET WORTH\""));
  canvas.Clear();
  context.view.printing = false;
  context.view.thumbnail = 3;
  DrawChartFrame(canvas, context, {"OUTGOING", kNames});
  EXPECT_THAT(canvas.Texts(), ElementsAre("Outgoing"));
}

TEST(DrawLegend, ListsSwatchesAndNamesAtTheTopRight) {
  RecordingCanvas canvas;
  const ChartContext context = testing::ScreenContext({0, 0, 800, 600}, 10);
  ChartGeometry geometry;
  geometry.line_height = 16;
  geometry.char_width = 7;
  DrawLegend(canvas, context, geometry, kNames);
  // Half a character left of the frame formula, so the widest name ends inside the frame.
  const int left = 800 - (19 * 7 + 10) - 14 - 3;
  EXPECT_THAT(canvas.lines(),
              Contains("rect " + std::to_string(left) + ",32," + std::to_string(left + 9) +
                       ",48 pen=solid/1/000000 brush=solid/0000ff"));
  EXPECT_THAT(canvas.lines(),
              Contains("text " + std::to_string(left + 14) + ",16 left/top 000000 \"Net Worth\""));
  EXPECT_THAT(
      canvas.lines(),
      Contains(::testing::StartsWith("rect " + std::to_string(left) + ",16," +
                                     std::to_string(left + 14 + 19 * 7 + 3) + ",32 pen=none")));
  EXPECT_THAT(canvas.Texts(), ElementsAre("Net Worth", "Investment Accounts", "Equity"));
}

TEST(DrawLegend, AddsThePurchasingPowerRowAfterNetWorth) {
  RecordingCanvas canvas;
  ChartContext context = testing::ScreenContext({0, 0, 800, 600}, 10);
  context.currency = model::Currency::Euros();
  DrawLegend(canvas, context, ChartGeometry{}, kNames, PurchasingPowerRow{55.5f});
  EXPECT_THAT(canvas.Texts(),
              ElementsAre("Net Worth", " Age 55.50 Euros", "Investment Accounts", "Equity"));
}

TEST(DrawLegend, ThumbnailsHaveNoLegend) {
  RecordingCanvas canvas;
  ChartContext context = testing::ScreenContext({0, 0, 800, 600}, 10);
  context.view.thumbnail = 1;
  DrawLegend(canvas, context, ChartGeometry{}, kNames);
  EXPECT_TRUE(canvas.lines().empty());
}

TEST(DrawBevelBox, ShadowsRightAndBottomInTheGridColour) {
  RecordingCanvas canvas;
  DrawBevelBox(canvas, Palette{}, 10, 20, 100, 50, true);
  EXPECT_THAT(canvas.LinesStartingWith("rect"),
              ElementsAre("rect 110,24,114,74 pen=none/0/000000 brush=solid/646464",
                          "rect 14,70,114,74 pen=none/0/000000 brush=solid/646464",
                          "rect 10,20,110,70 pen=solid/1/000000 brush=hollow"));
  canvas.Clear();
  DrawBevelBox(canvas, Palette{}, 10, 20, 100, 50, false);
  EXPECT_EQ(canvas.LinesStartingWith("rect").size(), 1u);
}

TEST(DrawCallout, RightAlignsTwoLinesPaddedToEqualLength) {
  RecordingCanvas canvas;
  Callout callout;
  callout.anchor = {300, 100};
  callout.height = 20;
  callout.lines = {"Investment Accounts", "$1,234.00"};
  callout.align = CalloutAlign::LeftEdge;  // two lines are always right-aligned
  const platform::Rect covered =
      DrawCallout(canvas, Palette{}, ChartScheme{.background = 0xEEEEEE}, callout);
  const int x = 300 - 20 * 7;
  EXPECT_THAT(
      canvas.lines(),
      ElementsAre(
          "font Tms Rmn/16/700",
          "text " + std::to_string(x) + ",100 left/top 000000 \" Investment Accounts\" bg=eeeeee",
          "text " + std::to_string(x) + ",116 left/top 000000 \" $1,234.00          \" bg=eeeeee",
          ::testing::_, ::testing::_, ::testing::_, ::testing::_, ::testing::_, ::testing::_,
          ::testing::_));
  EXPECT_LE(covered.left, x - 1);
  EXPECT_GE(covered.right, 300 + 4);
}

TEST(DrawCallout, AReadOutNearAnEdgeStaysInsideItsBounds) {
  RecordingCanvas canvas;
  Callout callout;
  callout.anchor = {40, 190};
  callout.lines = {"Age 62", "Net Worth: $1,234.00", "Equity: $0.00"};
  callout.align = CalloutAlign::RightToAnchor;
  const platform::Rect bounds{0, 0, 400, 200};
  callout.bounds = bounds;
  const platform::Rect covered =
      DrawCallout(canvas, Palette{}, ChartScheme{.background = 0xEEEEEE}, callout);
  EXPECT_GE(covered.left, bounds.left);
  EXPECT_GE(covered.top, bounds.top);
  EXPECT_LE(covered.right, bounds.right);
  EXPECT_LE(covered.bottom, bounds.bottom);
  EXPECT_EQ(canvas.LinesStartingWith("text").size(), 3u);
}

}  // namespace
}  // namespace tarvel::graphs
