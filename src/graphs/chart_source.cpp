// Builds the graph pages' view of one run: spans over the run's arrays and copies of the
// scenario's account links, names and allocation percentages.
#include "graphs/chart_source.h"

#include <algorithm>

#include "model/record_counts.h"

namespace tarvel::graphs {

ChartSource MakeChartSource(const engine::Run& run, const model::Scenario& scenario) {
  ChartSource source;
  const int accounts = model::AccountCount(scenario);
  for (int i = 0; i < accounts; ++i) {
    const model::Account& account = scenario.accounts.records[static_cast<std::size_t>(i)];
    source.account_groups.push_back(account.group);
    source.account_slots.push_back(account.slot);
    source.account_names.push_back(account.name.str());
  }
  for (const auto& percent : scenario.allocation.percent) source.allocation.push_back(percent);
  for (const auto& name : scenario.groups.names) source.group_names.push_back(name.str());
  for (const auto& name : scenario.categories.names) source.category_names.push_back(name.str());
  source.group_folder_name = scenario.groups.folder_name.str();
  source.purchasing_power_shown = scenario.initial.purchasing_power != 0;
  source.start_age = scenario.initial.start_age;
  source.end_age = scenario.initial.end_age;

  source.periods = run.periods;
  source.balances = run.balance_rows;
  if (source.purchasing_power_shown) source.purchasing_power = run.purchasing_power;
  return source;
}

ChartData ChartSource::Data() const {
  ChartData data;
  data.periods = periods;
  data.balances = balances;
  data.purchasing_power = purchasing_power;
  data.account_groups = account_groups;
  data.account_slots = account_slots;
  data.allocation = allocation;
  return data;
}

float ChartSource::Age(int period) const {
  if (period < 0 || period >= PeriodCount()) return start_age;
  return periods[static_cast<std::size_t>(period)][engine::IndexOf(PeriodColumn::Age)];
}

}  // namespace tarvel::graphs
