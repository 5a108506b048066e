// Report-page charts drawn from a page's tab-separated table.
#include "graphs/report_charts.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/recording_canvas.h"

namespace tarvel::graphs {
namespace {

using test_support::RecordingCanvas;
using ::testing::Contains;
using ::testing::ElementsAre;

ReportChart SmallChart() {
  ReportChart chart;
  chart.corner = {100, 400};
  chart.width = 200;
  chart.height = 200;
  chart.title = "Net Worth";
  return chart;
}

TEST(ParseReportTable, SplitsRowsAtTabsAndKeepsAtMostAHundred) {
  std::vector<std::string> lines{"60\t100.5\t-20", "61\tx\t7", ""};
  const ReportTable table = ParseReportTable(lines, {"Age", "A", "B"});
  ASSERT_EQ(table.rows.size(), 3u);
  EXPECT_THAT(table.rows[0], ElementsAre(60, 100.5f, -20));
  EXPECT_THAT(table.rows[1], ElementsAre(61, 0, 7));
  std::vector<std::string> many(150, "1\t2");
  EXPECT_EQ(ParseReportTable(many, {}).rows.size(), 100u);
}

TEST(DrawReportBarChart, DrawsEachRowsBarsLargestValueFirst) {
  RecordingCanvas canvas;
  const ReportTable table{{{60, 250, 1000, 500}, {61, 0, 0, 0}}, {"Age", "A", "B", "C"}};
  DrawReportBarChart(canvas, SmallChart(), table);
  // Scale 0..2,000 over 200 pixels; columns 100 wide; column k in palette entry k.
  EXPECT_THAT(canvas.LinesStartingWith("rect 100"),
              ElementsAre("rect 100,300,200,400 pen=solid/1/000000 brush=solid/0000ff",
                          "rect 100,350,200,400 pen=solid/1/000000 brush=solid/15d0d5",
                          "rect 100,375,200,400 pen=solid/1/000000 brush=solid/ff0000"));
  EXPECT_THAT(canvas.Texts(), Contains("$1,000"));
  EXPECT_THAT(canvas.lines(), Contains("text 150,411 centre/top 000000 \"60\""));
  EXPECT_THAT(canvas.lines(), Contains("text 200,430 centre/top 000000 \"Net Worth\""));
}

TEST(DrawReportLineChart, DrawsOnePolylinePerSeriesAndALegendWhenAsked) {
  RecordingCanvas canvas;
  ReportChart chart = SmallChart();
  chart.legend = ReportLegend::Right;
  chart.margins = true;
  const ReportTable table{{{60, 100, 50}, {61, 200, 25}}, {"Age", "Deposits", "Taxes"}};
  DrawReportLineChart(canvas, chart, table);
  // Scale 0..300 over 200 pixels, one point per row at its column's left edge.
  EXPECT_THAT(canvas.LinesStartingWith("polyline"),
              ElementsAre("polyline 100,333 200,266 pen=solid/3/ff0000",
                          "polyline 100,366 200,383 pen=solid/3/0000ff"));
  EXPECT_THAT(canvas.Texts(), Contains("Deposits"));
  EXPECT_THAT(canvas.Texts(), Contains("Taxes"));
}

TEST(DrawReportCharts, EmptyOrDegenerateTablesDrawOnlyTheFrame) {
  RecordingCanvas canvas;
  ReportChart chart = SmallChart();
  chart.width = 0;
  chart.height = -5;
  DrawReportBarChart(canvas, chart, ReportTable{});
  DrawReportLineChart(canvas, chart, ReportTable{{{}, {60}}, {}});
  EXPECT_TRUE(canvas.LinesStartingWith("rect").empty());
}

}  // namespace
}  // namespace tarvel::graphs
