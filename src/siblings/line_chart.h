// A chart of a few lines over one axis of points (ages, periods or months), drawn with the
// graph engine: the comparer's overlay and the trade-off and refinance plots.
#pragma once

#include <string>
#include <vector>

#include "graphs/chart_context.h"
#include "graphs/chart_data.h"
#include "graphs/chart_geometry.h"
#include "platform/canvas.h"

namespace tarvel::siblings {

// At most 19 lines: each point is a record whose column 0 is its axis value and whose
// column k + 1 is line k's value.
inline constexpr int kMostChartLines = graphs::kPeriodColumns - 1;

struct LineChart {
  std::string title;
  std::vector<std::string> names;  // one per line, in colour order
  std::vector<graphs::PeriodRecord> points;
  std::vector<std::string> footer;  // up to three lines under the chart
};

// The view of the whole chart in a style; a chart of fewer than three points stays a line.
graphs::ChartView WholeChartView(const LineChart& chart, graphs::ChartStyle style);

graphs::ChartGeometry DrawLineChart(platform::Canvas& canvas, const graphs::ChartContext& context,
                                    const LineChart& chart, bool legend_shown = true);

}  // namespace tarvel::siblings
