// The bar style: per period, the bars of all series over the full column, largest magnitude
// first so the smaller ones stay visible in front.
#pragma once

#include <span>
#include <vector>

#include "graphs/chart_context.h"
#include "graphs/chart_data.h"
#include "graphs/chart_geometry.h"
#include "platform/canvas.h"

namespace tarvel::graphs {

// Series positions ordered by absolute value, largest first; equal magnitudes keep their
// series order.
std::vector<int> RankByMagnitude(std::span<const float> values);

// The values of all series at one period, in series order.
std::vector<float> ValuesAt(const ChartData& data, std::span<const SeriesRef> series, int period);

// Draws every shown period (all n, flow graphs too). Series k is filled with entry k + 1; a
// net-worth graph with the purchasing-power option passes that series last.
void DrawBarSeries(platform::Canvas& canvas, const ChartContext& context,
                   const ChartGeometry& geometry, const ChartData& data,
                   std::span<const SeriesRef> series);

}  // namespace tarvel::graphs
