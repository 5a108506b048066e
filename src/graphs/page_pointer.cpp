// Pointer positions turned into periods and values.
#include "graphs/page_pointer.h"

#include <algorithm>
#include <cmath>

namespace tarvel::graphs {
namespace {

constexpr int kLinesAbovePlot = 2;
constexpr int kLinesBelowPlot = 3;
constexpr std::string_view kPurchasingPowerName = "Purchasing Power";

}  // namespace

bool InPlot(const ChartGeometry& geometry, platform::Point point) {
  const platform::Rect plot = geometry.PlotRect();
  return point.x >= plot.left && point.x <= plot.right && point.y >= plot.top &&
         point.y <= plot.bottom && geometry.grid_x > 0;
}

bool InZoomBand(const ChartGeometry& geometry, platform::Point point) {
  const platform::Rect plot = geometry.PlotRect();
  const int l = geometry.line_height;
  return geometry.grid_x > 0 && point.x >= plot.left && point.x <= plot.right &&
         point.y >= plot.top - kLinesAbovePlot * l && point.y <= plot.bottom + kLinesBelowPlot * l;
}

int PeriodAt(const ChartGeometry& geometry, int x, ChartStyle style) {
  if (geometry.grid_x <= 0 || geometry.periods <= 0) return geometry.first_period;
  const double columns = static_cast<double>(x - geometry.x0) / geometry.grid_x;
  const int offset =
      static_cast<int>(style == ChartStyle::Line ? std::lround(columns) : std::floor(columns));
  return geometry.first_period + std::clamp(offset, 0, geometry.periods - 1);
}

AgeSpan AgesBetween(const ChartGeometry& geometry, const ChartSource& source, int from_x, int to_x,
                    ChartStyle style) {
  const float from = source.Age(PeriodAt(geometry, from_x, style));
  const float to = source.Age(PeriodAt(geometry, to_x, style));
  return {std::min(from, to), std::max(from, to)};
}

std::vector<std::string> SeriesValueLines(const KindSeries& series, const ChartSource& source,
                                          int period, const model::Currency& currency) {
  const ChartData data = source.Data();
  std::vector<std::string> lines{model::Format("Age %d", static_cast<int>(source.Age(period)))};
  const std::size_t count = std::min(series.names.size(), series.series.size());
  for (std::size_t i = 0; i < count; ++i) {
    const float value = SeriesValue(data, series.series[i], period);
    lines.push_back(series.names[i] + ": " + ValueReadoutText(value, currency));
  }
  if (series.purchasing_power) {
    const float value = SeriesValue(data, {SeriesSource::PurchasingPower, 0}, period);
    lines.push_back(std::string(kPurchasingPowerName) + ": " + ValueReadoutText(value, currency));
  }
  return lines;
}

int PeriodUnderPointer(const ChartGeometry& geometry, int x) {
  if (geometry.grid_x <= 0 || x < geometry.x0) return geometry.first_period;
  return (x - geometry.x0 + geometry.grid_x) / geometry.grid_x + geometry.first_period - 1;
}

std::string ValueReadoutText(double value, const model::Currency& currency) {
  if (!std::isfinite(value)) value = 0;
  const std::string text = model::FormatMoney(model::Format("%.2f", std::fabs(value)), currency);
  return value < 0 ? "-" + text : text;
}

}  // namespace tarvel::graphs
