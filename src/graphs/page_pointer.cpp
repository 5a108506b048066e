// Pointer positions turned into periods and values.
#include "graphs/page_pointer.h"

#include <cmath>

namespace tarvel::graphs {

bool InPlot(const ChartGeometry& geometry, platform::Point point) {
  const platform::Rect plot = geometry.PlotRect();
  return point.x >= plot.left && point.x <= plot.right && point.y >= plot.top &&
         point.y <= plot.bottom && geometry.grid_x > 0;
}

int PeriodUnderPointer(const ChartGeometry& geometry, int x) {
  if (geometry.grid_x <= 0 || x < geometry.x0) return geometry.first_period;
  return (x - geometry.x0 + geometry.grid_x) / geometry.grid_x + geometry.first_period - 1;
}

int ClickedPeriod(const ChartGeometry& geometry, int x) {
  if (geometry.grid_x <= 0 || x < geometry.x0) return geometry.first_period + 1;
  return (x - geometry.x0) / geometry.grid_x + geometry.first_period + 1;
}

std::string ValueReadoutText(double value, const model::Currency& currency) {
  if (!std::isfinite(value)) value = 0;
  const std::string text = model::FormatMoney(model::Format("%.2f", std::fabs(value)), currency);
  return value < 0 ? "-" + text : text;
}

}  // namespace tarvel::graphs
