// Chart layout from the font's line height and character width: plot heights in whole grid
// steps, plot widths in whole period columns, and the 3-D depth margin.
#include "graphs/chart_geometry.h"

#include <algorithm>
#include <cmath>

#include "graphs/axis_labels.h"

namespace tarvel::graphs {
namespace {

constexpr double kFarOff = 1e6;  // pixels; keeps wild values inside the int range
constexpr int kDepthAttempts = 40;

ChartGeometry Start(const platform::Canvas& canvas, const ChartContext& context,
                    const ValueScale& scale, int periods) {
  const platform::TextMetrics metrics = canvas.Measure(context.font);
  ChartGeometry geometry;
  geometry.line_height = std::max(0, metrics.LineHeight());
  geometry.char_width = std::max(0, metrics.average_char_width);
  geometry.tick = context.view.Tick();
  geometry.first_period = context.view.first_period;
  geometry.periods = std::max(0, periods);
  geometry.scale = scale;
  return geometry;
}

// H in whole grid steps, never negative.
void SetHeight(ChartGeometry& geometry, int height) {
  geometry.grid_y = std::max(0, height) / kGridLines;
  geometry.height = kGridLines * geometry.grid_y;
}

// Wp in whole period columns, never negative.
void SetWidth(ChartGeometry& geometry, int width) {
  const int n = geometry.periods;
  geometry.grid_x = n > 0 ? std::max(0, width) / n : 0;
  geometry.width = n * geometry.grid_x;
}

int LabelColumnX0(const platform::Canvas& canvas, const ChartContext& context,
                  const ChartGeometry& geometry) {
  const int step = ValueLabelStep(geometry.line_height, geometry.height);
  return context.area.left +
         ValueLabelColumnWidth(canvas, context.font, geometry.scale, context.currency, step);
}

// The smallest multiple of C (at most 40 tries) that keeps the back of the plot 2 C inside
// the chart's right edge.
int DepthMargin(ChartGeometry geometry, int right) {
  const int c = geometry.char_width;
  int margin = 0;
  for (int attempt = 0; attempt < kDepthAttempts; ++attempt) {
    SetWidth(geometry, right - (geometry.x0 + 2 * c) - margin);
    const double back = geometry.x0 + geometry.width + kDepthFactor * geometry.grid_x;
    if (back <= right - 2 * c) break;
    margin += c;
  }
  return margin;
}

}  // namespace

int ChartGeometry::ValueY(double value) const {
  const double range = std::isfinite(scale.range) && scale.range != 0 ? scale.range : 1.0;
  if (!std::isfinite(value)) value = 0;
  const double offset = std::clamp((value - scale.minimum) / range * height, -kFarOff, kFarOff);
  return static_cast<int>(y0 - offset);
}

double ChartGeometry::ValueAt(int y) const {
  if (height <= 0) return scale.minimum;
  return static_cast<double>(y0 - y) / height * scale.range + scale.minimum;
}

ChartGeometry LayOutChart(const platform::Canvas& canvas, const ChartContext& context,
                          const ValueScale& scale, int periods) {
  ChartGeometry geometry = Start(canvas, context, scale, periods);
  const platform::Rect& area = context.area;
  const int l = geometry.line_height;
  const bool small = context.view.IsThumbnail();
  geometry.y0 = area.bottom - (small ? 3 : 6) * l;
  SetHeight(geometry, area.Height() - (small ? 4 : 8) * l);
  geometry.x0 = LabelColumnX0(canvas, context, geometry);
  SetWidth(geometry, area.right - geometry.x0 - 2 * geometry.char_width);
  geometry.zero_y = geometry.ValueY(0);
  return geometry;
}

ChartGeometry LayOut3DChart(const platform::Canvas& canvas, const ChartContext& context,
                            const ValueScale& scale, int periods) {
  ChartGeometry geometry = Start(canvas, context, scale, periods);
  const platform::Rect& area = context.area;
  const int l = geometry.line_height;
  const ChartView& view = context.view;

  // The margin is found with the label column of the plot before the margin is taken off.
  SetHeight(geometry, area.Height() - (view.IsThumbnail() || view.printing ? 4 : 7) * l);
  geometry.x0 = LabelColumnX0(canvas, context, geometry);
  const int margin = DepthMargin(geometry, area.right);
  geometry.depth_margin = margin;

  if (view.IsThumbnail()) {
    geometry.y0 = area.bottom - 3 * l;
    SetHeight(geometry, area.Height() - 4 * l - margin);
  } else if (view.printing) {
    geometry.y0 = area.bottom;
    SetHeight(geometry, std::abs(area.Height()) - 4 * l);
  } else {
    geometry.y0 = area.bottom - 5 * l;
    SetHeight(geometry, area.Height() - 7 * l - margin);
  }
  geometry.x0 = LabelColumnX0(canvas, context, geometry);
  SetWidth(geometry, area.right - geometry.x0 - 2 * geometry.char_width - margin);

  if (view.IsThumbnail() && geometry.periods < 20) {
    SetWidth(geometry, geometry.width - geometry.grid_x);
    SetHeight(geometry, geometry.height - geometry.grid_x);
  }
  geometry.depth = kDepthFactor * geometry.grid_x;
  geometry.zero_y = geometry.ValueY(0);
  return geometry;
}

}  // namespace tarvel::graphs
