// Net worth lines first, then the purchasing-power lines of the plans that have them.
#include "siblings/comparison_chart.h"

#include <algorithm>
#include <cmath>

namespace tarvel::siblings {
namespace {

using engine::IndexOf;
using engine::PeriodColumn;

// The plan's net worth and purchasing power by whole age.
struct PlanLine {
  int first_age = 0;
  std::vector<float> net_worth;
  std::vector<float> purchasing_power;
};

PlanLine LineOf(const PlotFile& plot) {
  PlanLine line;
  line.first_age = static_cast<int>(std::floor(plot.StartAge()));
  for (std::size_t year = 0; year < plot.periods.size(); ++year) {
    line.net_worth.push_back(plot.periods[year][IndexOf(PeriodColumn::NetWorth)]);
    if (year < plot.purchasing_power.size()) {
      line.purchasing_power.push_back(plot.purchasing_power[year]);
    }
  }
  return line;
}

float At(const std::vector<float>& values, int index) {
  if (index < 0 || index >= static_cast<int>(values.size())) return 0;
  return values[static_cast<std::size_t>(index)];
}

}  // namespace

LineChart ComparisonChart(const std::vector<PlotFile>& plans,
                          const std::vector<std::string>& names) {
  LineChart chart;
  chart.title = "NET WORTH";
  if (plans.empty()) return chart;
  std::vector<PlanLine> lines;
  int first_age = 1000;
  int last_age = -1000;
  for (const PlotFile& plot : plans) {
    lines.push_back(LineOf(plot));
    first_age = std::min(first_age, lines.back().first_age);
    last_age = std::max(last_age, static_cast<int>(std::floor(plot.EndAge())));
  }
  struct Column {
    std::size_t plan;
    bool purchasing_power;
  };
  std::vector<Column> columns;
  for (std::size_t plan = 0; plan < plans.size(); ++plan) {
    chart.names.push_back(plan < names.size() ? names[plan] : plans[plan].ScenarioName());
    columns.push_back({plan, false});
  }
  for (std::size_t plan = 0; plan < plans.size(); ++plan) {
    if (lines[plan].purchasing_power.empty()) continue;
    chart.names.push_back(chart.names[plan] + " (purchasing power)");
    columns.push_back({plan, true});
  }
  for (int age = first_age; age <= last_age; ++age) {
    graphs::PeriodRecord point{};
    point[0] = static_cast<float>(age);
    for (std::size_t k = 0; k < columns.size() && k < kMostChartLines; ++k) {
      const PlanLine& line = lines[columns[k].plan];
      const auto& values = columns[k].purchasing_power ? line.purchasing_power : line.net_worth;
      point[k + 1] = At(values, age - line.first_age);
    }
    chart.points.push_back(point);
  }
  return chart;
}

}  // namespace tarvel::siblings
