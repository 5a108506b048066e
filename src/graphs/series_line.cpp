// Line series with the zero-run break rule, clipped to the plot area when zoomed.
#include "graphs/series_line.h"

#include <algorithm>
#include <vector>

namespace tarvel::graphs {
namespace {

void Flush(platform::Canvas& canvas, std::vector<platform::Point>& run, const platform::Pen& pen) {
  if (run.size() >= 2) canvas.DrawPolyline(run, pen);
  run.clear();
}

}  // namespace

int PointCount(const ChartGeometry& geometry, bool flows) {
  return std::max(0, geometry.periods - (flows ? 1 : 0));
}

void DrawLineSeries(platform::Canvas& canvas, const ChartContext& context,
                    const ChartGeometry& geometry, const ChartData& data, SeriesRef series,
                    int position, bool flows) {
  const int count = PointCount(geometry, flows);
  if (count == 0) return;
  const platform::Pen pen =
      platform::Pen::Solid(context.palette.Series(position), context.view.printing ? 8 : 2);
  if (context.view.zoomed) canvas.SetClip(geometry.PlotRect());

  std::vector<platform::Point> run;
  float previous_value = 0;
  int previous_y = 0;
  for (int i = 0; i < count; ++i) {
    const int period = geometry.first_period + i;
    const float value = SeriesValue(data, series, period);
    const platform::Point point{geometry.PeriodX(period), geometry.ValueY(value)};
    const bool resting = i > 0 && ((value == 0 && previous_value == 0) ||
                                   (point.y == previous_y && point.y == geometry.zero_y));
    if (i == 0 || resting) Flush(canvas, run, pen);
    run.push_back(point);
    previous_value = value;
    previous_y = point.y;
  }
  Flush(canvas, run, pen);
  if (context.view.zoomed) canvas.ClearClip();
}

}  // namespace tarvel::graphs
