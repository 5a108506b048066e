// Line k reads result column k + 1 of its points, so the engine's own series drawing and
// scaling serve charts that are not run results.
#include "siblings/line_chart.h"

#include <algorithm>

#include "graphs/draw_chart.h"

namespace tarvel::siblings {

graphs::ChartView WholeChartView(const LineChart& chart, graphs::ChartStyle style) {
  graphs::ChartView view;
  view.period_count = static_cast<float>(chart.points.size());
  view.style = chart.points.size() < 3 ? graphs::ChartStyle::Line : style;
  return view;
}

graphs::ChartGeometry DrawLineChart(platform::Canvas& canvas, const graphs::ChartContext& context,
                                    const LineChart& chart, bool legend_shown) {
  graphs::ChartData data;
  data.periods = chart.points;
  graphs::ChartRequest request;
  request.title = chart.title;
  const int lines = std::min<int>(static_cast<int>(chart.names.size()), kMostChartLines);
  for (int line = 0; line < lines; ++line) {
    request.names.push_back(chart.names[static_cast<std::size_t>(line)]);
    request.series.push_back({graphs::SeriesSource::PeriodColumn, line + 1});
  }
  for (std::size_t i = 0; i < chart.footer.size() && i < request.footer_lines.size(); ++i) {
    request.footer_lines[i] = chart.footer[i];
  }
  request.legend_hidden = !legend_shown;
  return graphs::DrawChart(canvas, context, data, request);
}

}  // namespace tarvel::siblings
