// The 3-D bar style: per period, the series ranked by magnitude stand one behind the other,
// the largest furthest back, each a front, side and top face.
#pragma once

#include <span>

#include "graphs/chart_context.h"
#include "graphs/chart_data.h"
#include "graphs/chart_geometry.h"
#include "platform/canvas.h"

namespace tarvel::graphs {

// Draws the shown periods (one fewer for flow graphs) with the 3-D geometry; series k is
// filled with entry k + 1.
void Draw3DBarSeries(platform::Canvas& canvas, const ChartContext& context,
                     const ChartGeometry& geometry, const ChartData& data,
                     std::span<const SeriesRef> series, bool flows);

}  // namespace tarvel::graphs
