// 3-D bars: the series at rank r of s is moved back and up by (s - 1 - r) x 1.3 / s x Gx and
// is 1.3 / s x Gx deep, so the ranks fill the depth of the column.
#include "graphs/series_3d.h"

#include <array>
#include <vector>

#include "graphs/series_bar.h"
#include "graphs/series_line.h"

namespace tarvel::graphs {
namespace {

struct Bar {
  double x = 0;       // column left
  double offset = 0;  // dx = dy
  double depth = 0;   // d
  double width = 0;   // w
  double y = 0;       // the value's y
  double zero_y = 0;
};

platform::Point At(double x, double y) { return {static_cast<int>(x), static_cast<int>(y)}; }

void DrawBar(platform::Canvas& canvas, const Bar& bar, bool above_zero,
             const platform::Brush& fill) {
  const platform::Pen outline = platform::Pen::Solid(platform::kBlack, 1);
  const double left = bar.x + bar.offset;
  const double right = left + bar.width;
  const double top = bar.y - bar.offset;
  const double base = bar.zero_y - bar.offset;
  const double d = bar.depth;
  const std::array front{At(left, top), At(right, top), At(right, base), At(left, base)};
  const std::array side{At(right, top), At(right + d, top - d), At(right + d, base - d),
                        At(right, base)};
  const double lid = above_zero ? top : base;
  const std::array cover{At(left, lid), At(right, lid), At(right + d, lid - d),
                         At(left + d, lid - d)};
  canvas.DrawPolygon(front, outline, fill);
  canvas.DrawPolygon(side, outline, fill);
  canvas.DrawPolygon(cover, outline, fill);
}

}  // namespace

void Draw3DBarSeries(platform::Canvas& canvas, const ChartContext& context,
                     const ChartGeometry& geometry, const ChartData& data,
                     std::span<const SeriesRef> series, bool flows) {
  const int count = PointCount(geometry, flows);
  const int s = static_cast<int>(series.size());
  if (s == 0) return;
  const double slice = kDepthFactor / s * geometry.grid_x;
  for (int i = 0; i < count; ++i) {
    const int period = geometry.first_period + i;
    const std::vector<float> values = ValuesAt(data, series, period);
    const std::vector<int> ranking = RankByMagnitude(values);
    for (int rank = 0; rank < s; ++rank) {
      const int position = ranking[static_cast<std::size_t>(rank)];
      const float value = values[static_cast<std::size_t>(position)];
      const Bar bar{static_cast<double>(geometry.PeriodX(period)),
                    (s - 1 - rank) * slice,
                    slice,
                    static_cast<double>(geometry.grid_x),
                    static_cast<double>(geometry.ValueY(value)),
                    static_cast<double>(geometry.zero_y)};
      DrawBar(canvas, bar, value > 0, platform::Brush::Solid(context.palette.Series(position)));
    }
  }
}

}  // namespace tarvel::graphs
