// Axes, grids and axis labels of the flat and the 3-D chart layouts.
#include "graphs/axes.h"

#include <algorithm>
#include <string>

#include "graphs/axis_labels.h"

namespace tarvel::graphs {
namespace {

using platform::Point;

// Axes 2 pixels wide and 1-pixel ticks in the scheme's ink.
platform::Pen AxisPen(const ChartContext& context) {
  return platform::Pen::Solid(context.scheme.ink, 2);
}
platform::Pen TickPen(const ChartContext& context) {
  return platform::Pen::Solid(context.scheme.ink, 1);
}

platform::Pen GridPen(const ChartContext& context) {
  return platform::Pen::Solid(context.palette.Grid(), 1);
}

// A coordinate moved by the 3-D depth, truncated as a whole (right for x, up for y).
int Right(int x, double depth) { return static_cast<int>(x + depth); }
int Up(int y, double depth) { return static_cast<int>(y - depth); }

// A tick across the value axis at height y.
void DrawValueTick(platform::Canvas& canvas, const ChartGeometry& geometry, int y,
                   const platform::Pen& pen) {
  const int t = geometry.tick;
  canvas.DrawLine({geometry.x0 - t / 2, y}, {geometry.x0 + t, y}, pen);
}

// A tick across the zero line at x.
void DrawPeriodTick(platform::Canvas& canvas, const ChartGeometry& geometry, int x,
                    const platform::Pen& pen) {
  const int t = geometry.tick;
  canvas.DrawLine({x, geometry.zero_y + t / 2}, {x, geometry.zero_y - t}, pen);
}

void DrawZeroLineAndValueAxis(platform::Canvas& canvas, const ChartGeometry& geometry,
                              const platform::Pen& pen) {
  const int x0 = geometry.x0;
  canvas.DrawLine({x0, geometry.zero_y}, {x0 + geometry.width, geometry.zero_y}, pen);
  canvas.DrawLine({x0, geometry.y0}, {x0, geometry.y0 - geometry.height}, pen);
}

void DrawValueLabels(platform::Canvas& canvas, const ChartContext& context,
                     const ChartGeometry& geometry) {
  const int l = geometry.line_height;
  const int c = geometry.char_width;
  const int step = ValueLabelStep(l, geometry.height);
  for (int line = 0; line <= kGridLines; line += step) {
    const std::string label = ValueLabelText(GridValue(geometry.scale, line), context.currency);
    if (label.size() <= 3) continue;  // the zero line carries no label
    const std::string_view shown = ShownValueLabel(label, geometry.scale);
    // Measured, not counted in average characters: digits of a proportional font are wider.
    const int width = canvas.TextWidth(context.font, shown);
    const Point at{std::max(context.area.left, geometry.x0 - width - c / 2),
                   geometry.y0 - l / 2 - line * geometry.grid_y};
    canvas.DrawText(at, shown, context.font, context.scheme.Text());
  }
}

// Age labels of the shown periods, thinned; the 3-D chart writes them along its zero line.
void DrawAgeLabels(platform::Canvas& canvas, const ChartContext& context,
                   const ChartGeometry& geometry, const ChartData& data, bool three_d) {
  const int c = geometry.char_width;
  const int step = AgeLabelStep(geometry.periods, c, geometry.width);
  const int first = geometry.first_period;
  for (int period = first; period < first + geometry.periods; period += step) {
    const float age = data.Age(period);
    const int column_x = geometry.PeriodX(period);
    const Point at =
        three_d ? Point{column_x - c - 1, geometry.zero_y + 3}
                : Point{column_x - AgeLabelShift(age, c), geometry.y0 + geometry.tick / 2 + 1};
    canvas.DrawText(at, AgeLabelText(age), context.font, context.scheme.Text());
  }
}

}  // namespace

ChartGeometry DrawAxesAndGrid(platform::Canvas& canvas, const ChartContext& context,
                              const ValueScale& scale, int periods, bool grid_off) {
  const ChartGeometry geometry = LayOutChart(canvas, context, scale, periods);
  DrawZeroLineAndValueAxis(canvas, geometry, AxisPen(context));
  if (grid_off) return geometry;

  const platform::Pen grid = GridPen(context);
  const platform::Pen tick = TickPen(context);
  const int x0 = geometry.x0;
  for (int line = 0; line <= kGridLines; ++line) {
    const int y = geometry.y0 - line * geometry.grid_y;
    canvas.DrawLine({x0, y}, {x0 + geometry.width, y}, grid);
    DrawValueTick(canvas, geometry, y, tick);
  }
  for (int column = 0; column < geometry.periods; ++column) {
    const int x = x0 + (column + 1) * geometry.grid_x;
    canvas.DrawLine({x, geometry.y0}, {x, geometry.y0 - geometry.height}, grid);
    DrawPeriodTick(canvas, geometry, x, tick);
  }
  return geometry;
}

void DrawValueAndAgeLabels(platform::Canvas& canvas, const ChartContext& context,
                           const ChartGeometry& geometry, const ChartData& data) {
  DrawValueLabels(canvas, context, geometry);
  DrawAgeLabels(canvas, context, geometry, data, false);
}

ChartGeometry Draw3DAxesAndGrid(platform::Canvas& canvas, const ChartContext& context,
                                const ValueScale& scale, int periods, const ChartData& data) {
  const ChartGeometry geometry = LayOut3DChart(canvas, context, scale, periods);
  const int x0 = geometry.x0;
  const int y0 = geometry.y0;
  const double d = geometry.depth;
  const platform::Pen axis = AxisPen(context);
  const platform::Pen tick = TickPen(context);
  DrawZeroLineAndValueAxis(canvas, geometry, axis);
  canvas.DrawLine({Right(x0, d), Up(y0, d)}, {Right(x0, d), Up(y0 - geometry.height, d)}, axis);

  const platform::Pen grid = GridPen(context);
  for (int line = 0; line <= kGridLines; ++line) {
    const int y = y0 - line * geometry.grid_y;
    canvas.DrawLine({Right(x0, d), Up(y, d)}, {Right(x0 + geometry.width, d), Up(y, d)}, grid);
    DrawValueTick(canvas, geometry, y, tick);
    canvas.DrawLine({x0, y}, {Right(x0, d), Up(y, d)}, tick);
  }
  for (int column = 0; column < geometry.periods; ++column) {
    const int x = x0 + (column + 1) * geometry.grid_x;
    canvas.DrawLine({Right(x, d), Up(y0, d)}, {Right(x, d), Up(y0 - geometry.height, d)}, grid);
    DrawPeriodTick(canvas, geometry, x, tick);
  }
  DrawValueLabels(canvas, context, geometry);
  DrawAgeLabels(canvas, context, geometry, data, true);
  return geometry;
}

}  // namespace tarvel::graphs
