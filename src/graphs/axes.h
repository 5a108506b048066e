// The value axis, the zero line, the grid with its ticks and the axis labels, in the flat
// layout of line and bar charts and in the 3-D layout with its back and side walls.
#pragma once

#include "graphs/chart_context.h"
#include "graphs/chart_data.h"
#include "graphs/chart_geometry.h"
#include "graphs/value_scale.h"
#include "platform/canvas.h"

namespace tarvel::graphs {

// Fixes the flat geometry for n periods and draws the axes and, unless grid_off, the grid.
ChartGeometry DrawAxesAndGrid(platform::Canvas& canvas, const ChartContext& context,
                              const ValueScale& scale, int periods, bool grid_off = false);

// Value labels left of the axis and age labels under the periods of a flat chart.
void DrawValueAndAgeLabels(platform::Canvas& canvas, const ChartContext& context,
                           const ChartGeometry& geometry, const ChartData& data);

// Fixes the 3-D geometry for n periods and draws walls, grid, ticks and labels.
ChartGeometry Draw3DAxesAndGrid(platform::Canvas& canvas, const ChartContext& context,
                                const ValueScale& scale, int periods, const ChartData& data);

}  // namespace tarvel::graphs
