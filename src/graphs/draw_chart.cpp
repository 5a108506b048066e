// The calling order of one chart, shared by the graph pages, printing and the benchmarks.
#include "graphs/draw_chart.h"

#include <algorithm>

#include "graphs/axes.h"
#include "graphs/series_3d.h"
#include "graphs/series_bar.h"
#include "graphs/series_line.h"

namespace tarvel::graphs {
namespace {

void DrawSeries(platform::Canvas& canvas, const ChartContext& context,
                const ChartGeometry& geometry, const ChartData& data,
                std::span<const SeriesRef> series, bool flows) {
  switch (context.view.style) {
    case ChartStyle::Line:
      for (std::size_t i = 0; i < series.size(); ++i) {
        DrawLineSeries(canvas, context, geometry, data, series[i], static_cast<int>(i), flows);
      }
      break;
    case ChartStyle::Bar:
      DrawBarSeries(canvas, context, geometry, data, series);
      break;
    case ChartStyle::Bar3D:
      Draw3DBarSeries(canvas, context, geometry, data, series, flows);
      break;
  }
}

}  // namespace

Extremes FindExtremes(const ChartData& data, std::span<const SeriesRef> series, int first_period,
                      int periods) {
  Extremes extremes;
  for (int period = first_period; period < first_period + periods; ++period) {
    for (const SeriesRef& one : series) {
      const float value = SeriesValue(data, one, period);
      extremes.minimum = std::min(extremes.minimum, value);
      extremes.maximum = std::max(extremes.maximum, value);
    }
  }
  return extremes;
}

ChartGeometry DrawChart(platform::Canvas& canvas, const ChartContext& context,
                        const ChartData& data, const ChartRequest& request) {
  DrawChartFrame(
      canvas, context,
      FrameText{request.title, request.names, request.footer_align, request.footer_lines});
  const ChartView& view = context.view;
  const int periods = view.Periods();

  std::vector<SeriesRef> series = request.series;
  // The extremes cover the named series; the purchasing-power line stays below net worth.
  const Extremes extremes = FindExtremes(data, series, view.first_period, periods);
  if (request.purchasing_power) series.push_back({SeriesSource::PurchasingPower, 0});

  const ValueScale scale = view.zoomed ? ChooseZoomScale(request.zoom_maximum)
                                       : ChooseValueScale(extremes.minimum, extremes.maximum);
  ChartGeometry geometry;
  if (view.style == ChartStyle::Bar3D) {
    geometry = Draw3DAxesAndGrid(canvas, context, scale, periods, data);
  } else {
    geometry = DrawAxesAndGrid(canvas, context, scale, periods, request.grid_off);
    DrawValueAndAgeLabels(canvas, context, geometry, data);
  }
  const bool legend = !request.legend_hidden;
  if (legend && !request.legend_in_front) {
    DrawLegend(canvas, context, geometry, request.names, request.purchasing_power);
  }
  DrawSeries(canvas, context, geometry, data, series, request.flows);
  if (legend && request.legend_in_front) {
    DrawLegend(canvas, context, geometry, request.names, request.purchasing_power);
  }
  return geometry;
}

}  // namespace tarvel::graphs
