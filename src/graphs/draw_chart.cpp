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

// The chart's context with its right edge moved left of the legend, so that no series runs
// under the legend. A legend wider than half the chart keeps the whole width for the plot.
ChartContext PlotBesideLegend(const platform::Canvas& canvas, const ChartContext& context,
                              const ChartRequest& request) {
  if (context.view.IsThumbnail() || request.names.empty()) return context;
  ChartContext plot = context;
  const int left = LegendLeft(canvas, context, request.names, request.purchasing_power);
  if (left > context.area.left + context.area.Width() / 2) plot.area.right = left;
  return plot;
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

  // A zoomed range is fitted to its own values, whatever the height of the zoom marks.
  const ValueScale scale = view.zoomed ? ChooseZoomScale(extremes.minimum, extremes.maximum)
                                       : ChooseValueScale(extremes.minimum, extremes.maximum);
  const bool legend = !request.legend_hidden;
  const ChartContext plot = legend ? PlotBesideLegend(canvas, context, request) : context;
  ChartGeometry geometry;
  if (view.style == ChartStyle::Bar3D) {
    geometry = Draw3DAxesAndGrid(canvas, plot, scale, periods, data);
  } else {
    geometry = DrawAxesAndGrid(canvas, plot, scale, periods, request.grid_off);
    DrawValueAndAgeLabels(canvas, plot, geometry, data);
  }
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
