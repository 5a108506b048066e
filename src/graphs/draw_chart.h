// One whole chart in the engine's calling order: frame, extremes, scale, axes and labels,
// legend (behind or in front of the series), series in the view's style.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "graphs/chart_context.h"
#include "graphs/chart_data.h"
#include "graphs/chart_frame.h"
#include "graphs/chart_geometry.h"
#include "graphs/legend.h"
#include "graphs/value_scale.h"
#include "platform/canvas.h"

namespace tarvel::graphs {

struct ChartRequest {
  std::string title;
  std::vector<std::string> names;  // legend names, in series order
  std::vector<SeriesRef> series;   // what each series draws, same order as names
  bool flows = false;              // incoming and outgoing graphs: one point fewer
  // Net worth with the purchasing-power option: the purchasing-power series is drawn after
  // the named ones and gets its legend row after the first.
  std::optional<PurchasingPowerRow> purchasing_power;
  FooterAlign footer_align = FooterAlign::Centred;
  std::array<std::string, 3> footer_lines{};
  bool legend_hidden = false;
  bool legend_in_front = false;
  bool grid_off = false;
};

struct Extremes {
  float minimum = 0;
  float maximum = 0;
};

// The smallest and largest series value over the shown periods, starting from 0 and 0.
Extremes FindExtremes(const ChartData& data, std::span<const SeriesRef> series, int first_period,
                      int periods);

// Draws the chart and returns its geometry for pointer hit-testing.
ChartGeometry DrawChart(platform::Canvas& canvas, const ChartContext& context,
                        const ChartData& data, const ChartRequest& request);

}  // namespace tarvel::graphs
