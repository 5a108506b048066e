// The line style: one polyline per series through the shown periods, broken where the
// series rests on the zero line.
#pragma once

#include "graphs/chart_context.h"
#include "graphs/chart_data.h"
#include "graphs/chart_geometry.h"
#include "platform/canvas.h"

namespace tarvel::graphs {

// Periods drawn by the line and 3-D styles: all shown periods, or one fewer for flow graphs
// (incoming and outgoing), whose last shown period holds no year's flows.
int PointCount(const ChartGeometry& geometry, bool flows);

// Draws one series in the colour of its position (entry position + 1), 2 pixels wide (8 on a
// printer). A segment is left out where both ends are 0, or both lie on the zero line.
// Account, group, purchasing-power and allocation lines differ only in their source.
void DrawLineSeries(platform::Canvas& canvas, const ChartContext& context,
                    const ChartGeometry& geometry, const ChartData& data, SeriesRef series,
                    int position, bool flows);

}  // namespace tarvel::graphs
