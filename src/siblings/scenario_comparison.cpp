// Figures read straight from each plan's yearly blocks, so they match the run's results.
#include "siblings/scenario_comparison.h"

#include <algorithm>
#include <cmath>
#include <functional>

namespace tarvel::siblings {
namespace {

using engine::IndexOf;
using engine::PeriodColumn;

float Value(const graphs::PeriodRecord& period, PeriodColumn column) {
  return period[IndexOf(column)];
}

int WholeAge(const graphs::PeriodRecord& period) {
  return static_cast<int>(std::floor(Value(period, PeriodColumn::Age)));
}

std::optional<float> NetWorthAt(const PlotFile& plot, int age) {
  for (const auto& period : plot.periods) {
    if (WholeAge(period) == age) return Value(period, PeriodColumn::NetWorth);
  }
  return std::nullopt;
}

// Rounded half up to whole money units.
std::string WholeMoney(double amount, const model::Currency& currency) {
  return model::FormatMoneyWhole(model::Format("%.0f", std::floor(amount + 0.5)), currency);
}

std::string CsvField(const std::string& text) {
  if (text.find_first_of(",\"\n") == std::string::npos) return text;
  std::string quoted = "\"";
  for (char c : text) quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
  return quoted + "\"";
}

// One row per figure: its label and, per plan, the number or nothing.
struct FigureRow {
  std::string label;
  std::function<std::optional<double>(const PlanFigures&)> value;
  bool is_age = false;
  std::string none_text = "-";
};

std::vector<FigureRow> FigureRows(const std::vector<int>& ages) {
  std::vector<FigureRow> rows;
  rows.push_back({"Start age", [](const PlanFigures& p) { return double{p.start_age}; }, true});
  rows.push_back({"End age", [](const PlanFigures& p) { return double{p.end_age}; }, true});
  rows.push_back(
      {"Net worth at start", [](const PlanFigures& p) { return double{p.start_net_worth}; }});
  for (std::size_t i = 0; i < ages.size(); ++i) {
    rows.push_back({"Net worth at " + std::to_string(ages[i]),
                    [i](const PlanFigures& p) -> std::optional<double> {
                      if (i >= p.net_worth_at.size() || !p.net_worth_at[i]) return std::nullopt;
                      return *p.net_worth_at[i];
                    }});
  }
  rows.push_back(
      {"Net worth at end", [](const PlanFigures& p) { return double{p.end_net_worth}; }});
  rows.push_back(
      {"Lowest net worth", [](const PlanFigures& p) { return double{p.lowest_net_worth}; }});
  rows.push_back(
      {"Age of lowest net worth", [](const PlanFigures& p) { return double(p.lowest_age); }, true});
  rows.push_back({"First age with negative net worth",
                  [](const PlanFigures& p) -> std::optional<double> {
                    if (!p.first_negative_age) return std::nullopt;
                    return *p.first_negative_age;
                  },
                  true, "never"});
  rows.push_back({"Total incoming", [](const PlanFigures& p) { return p.incoming; }});
  rows.push_back({"Total outgoing", [](const PlanFigures& p) { return p.outgoing; }});
  rows.push_back({"Total taxes", [](const PlanFigures& p) { return p.taxes; }});
  rows.push_back({"Total penalties", [](const PlanFigures& p) { return p.penalties; }});
  return rows;
}

}  // namespace

std::vector<int> DefaultComparisonAges() { return {65, 75, 85, 95}; }

PlanFigures FiguresOf(const PlotFile& plot, const std::string& name, const std::vector<int>& ages) {
  PlanFigures figures;
  figures.name = name;
  figures.start_age = plot.StartAge();
  figures.end_age = plot.EndAge();
  if (plot.periods.empty()) return figures;
  figures.start_net_worth = Value(plot.periods.front(), PeriodColumn::NetWorth);
  figures.end_net_worth = Value(plot.periods.back(), PeriodColumn::NetWorth);
  for (int age : ages) figures.net_worth_at.push_back(NetWorthAt(plot, age));
  figures.lowest_net_worth = figures.start_net_worth;
  figures.lowest_age = WholeAge(plot.periods.front());
  for (const auto& period : plot.periods) {
    const float net_worth = Value(period, PeriodColumn::NetWorth);
    if (net_worth < figures.lowest_net_worth) {
      figures.lowest_net_worth = net_worth;
      figures.lowest_age = WholeAge(period);
    }
    if (net_worth < 0 && !figures.first_negative_age) figures.first_negative_age = WholeAge(period);
  }
  for (std::size_t year = 0; year + 1 < plot.periods.size(); ++year) {
    const auto& period = plot.periods[year];
    figures.incoming += Value(period, PeriodColumn::Incoming);
    figures.outgoing += Value(period, PeriodColumn::Outgoing);
    figures.taxes += Value(period, PeriodColumn::Taxes);
    figures.penalties += Value(period, PeriodColumn::Penalties);
  }
  return figures;
}

std::vector<int> AgesInside(const std::vector<PlotFile>& plans, const std::vector<int>& ages) {
  std::vector<int> inside;
  for (int age : ages) {
    const bool in_some = std::any_of(plans.begin(), plans.end(), [age](const PlotFile& plot) {
      return age >= plot.StartAge() && age <= plot.EndAge();
    });
    if (in_some) inside.push_back(age);
  }
  return inside;
}

TextTable ComparisonTable(const std::vector<PlanFigures>& plans, const std::vector<int>& ages,
                          const model::Currency& currency) {
  TextTable table;
  std::vector<std::string> header{""};
  for (const auto& plan : plans) header.push_back(plan.name);
  table.push_back(header);
  for (const FigureRow& row : FigureRows(ages)) {
    std::vector<std::string> cells{row.label};
    for (const auto& plan : plans) {
      const auto value = row.value(plan);
      if (!value) {
        cells.push_back(row.none_text);
      } else {
        cells.push_back(row.is_age ? model::Format("%.0f", std::floor(*value))
                                   : WholeMoney(*value, currency));
      }
    }
    table.push_back(cells);
  }
  return table;
}

std::string ComparisonCsv(const std::vector<PlanFigures>& plans, const std::vector<int>& ages) {
  std::string csv = "Figure";
  for (const auto& plan : plans) csv += "," + CsvField(plan.name);
  csv += "\n";
  for (const FigureRow& row : FigureRows(ages)) {
    csv += CsvField(row.label);
    for (const auto& plan : plans) {
      const auto value = row.value(plan);
      csv += ",";
      if (!value) continue;
      csv += row.is_age ? model::Format("%.0f", std::floor(*value)) : model::Format("%.2f", *value);
    }
    csv += "\n";
  }
  return csv;
}

}  // namespace tarvel::siblings
