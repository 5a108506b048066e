// Flat bars drawn from the zero line, ranked by magnitude within each period.
#include "graphs/series_bar.h"

#include <algorithm>
#include <cmath>
#include <numeric>

namespace tarvel::graphs {

std::vector<int> RankByMagnitude(std::span<const float> values) {
  std::vector<int> order(values.size());
  std::iota(order.begin(), order.end(), 0);
  std::stable_sort(order.begin(), order.end(), [&values](int a, int b) {
    return std::fabs(values[static_cast<std::size_t>(a)]) >
           std::fabs(values[static_cast<std::size_t>(b)]);
  });
  return order;
}

std::vector<float> ValuesAt(const ChartData& data, std::span<const SeriesRef> series, int period) {
  std::vector<float> values;
  values.reserve(series.size());
  for (const SeriesRef& one : series) values.push_back(SeriesValue(data, one, period));
  return values;
}

void DrawBarSeries(platform::Canvas& canvas, const ChartContext& context,
                   const ChartGeometry& geometry, const ChartData& data,
                   std::span<const SeriesRef> series) {
  const platform::Pen outline = platform::Pen::Solid(platform::kBlack, 1);
  for (int i = 0; i < geometry.periods; ++i) {
    const int period = geometry.first_period + i;
    const std::vector<float> values = ValuesAt(data, series, period);
    const int x = geometry.PeriodX(period);
    for (int position : RankByMagnitude(values)) {
      const int y = geometry.ValueY(values[static_cast<std::size_t>(position)]);
      const platform::Rect bar{x, std::min(y, geometry.zero_y), x + geometry.grid_x,
                               std::max(y, geometry.zero_y)};
      canvas.DrawRectangle(bar, outline, platform::Brush::Solid(context.palette.Series(position)));
    }
  }
}

}  // namespace tarvel::graphs
