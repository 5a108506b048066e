// Where a chart's plot area lies: the value axis x0, the bottom y0, the plot height H and
// width Wp as whole grid multiples, the period column width Gx and the zero line, for the
// flat (2-D) and the 3-D layouts. Pages keep it for pointer hit-testing.
#pragma once

#include "graphs/chart_context.h"
#include "graphs/value_scale.h"
#include "platform/canvas.h"

namespace tarvel::graphs {

inline constexpr double kDepthFactor = 1.3;  // 3-D depth per period column width

struct ChartGeometry {
  int line_height = 0;  // L: font height plus external leading
  int char_width = 0;   // C: average character width
  int tick = 4;         // T
  int first_period = 0;
  int periods = 0;       // n
  int x0 = 0;            // the value axis
  int y0 = 0;            // bottom of the plot area
  int height = 0;        // H, a multiple of 10
  int grid_y = 0;        // Gy = H / 10
  int width = 0;         // Wp, a multiple of n
  int grid_x = 0;        // Gx = Wp / n
  int zero_y = 0;        // yz, the y of the value 0
  int depth_margin = 0;  // M, room kept right of a 3-D plot for its depth
  double depth = 0;      // D = 1.3 x Gx in the 3-D layout, else 0
  ValueScale scale;

  // y = y0 - (v - m) / R x H, truncated; values far off the chart are held near it.
  int ValueY(double value) const;
  // x of the left edge of a period's column.
  int PeriodX(int period) const { return x0 + (period - first_period) * grid_x; }
  // The value at a device y (the pointer read-out and the zoom maximum).
  double ValueAt(int y) const;
  platform::Rect PlotRect() const { return {x0, y0 - height, x0 + width, y0}; }
};

// The flat layout of line and bar charts (n periods, never negative).
ChartGeometry LayOutChart(const platform::Canvas& canvas, const ChartContext& context,
                          const ValueScale& scale, int periods);

// The 3-D layout: a narrower plot that leaves room for the depth on the right.
ChartGeometry LayOut3DChart(const platform::Canvas& canvas, const ChartContext& context,
                            const ValueScale& scale, int periods);

}  // namespace tarvel::graphs
