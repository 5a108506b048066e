// The fan chart of a Monte Carlo analysis: by age, the bands between the 5th and 95th, 10th and
// 90th, 25th and 75th percentiles of net worth, and the median line, on the graph engine's
// frame, scale, axes and legend.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "graphs/chart_context.h"
#include "graphs/chart_frame.h"
#include "graphs/chart_geometry.h"
#include "platform/canvas.h"

namespace tarvel::graphs {

// Percentile values by period: levels 5, 10, 25, 50, 75, 90 and 95, in that order.
struct FanSeries {
  std::vector<float> ages;
  std::array<std::vector<float>, 7> levels;
};

struct FanChartRequest {
  std::string title;
  FooterAlign footer_align = FooterAlign::Centred;
  std::array<std::string, 3> footer_lines{};
};

// The legend names of the three bands and the median.
inline const std::array<std::string, 4> kFanLegendNames = {"5 - 95 %", "10 - 90 %", "25 - 75 %",
                                                           "Median"};

// "NET WORTH IN TODAY'S MONEY" or "NET WORTH, NOMINAL".
std::string FanChartTitle(bool todays_money);

// The fill of band k (0 the outer band, lightest) from the first series colour; band 3 is the
// median line, in the second series colour.
platform::Colour FanBandColour(const Palette& palette, int band);

// Draws the chart over all the periods of the series and returns its geometry.
ChartGeometry DrawFanChart(platform::Canvas& canvas, const ChartContext& context,
                           const FanSeries& series, const FanChartRequest& request);

}  // namespace tarvel::graphs
