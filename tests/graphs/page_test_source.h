// A chart source over periods the test owns, for the graph page tests.
#pragma once

#include <string>
#include <vector>

#include "graph_test_data.h"
#include "graphs/chart_source.h"

namespace tarvel::graphs::testing {

struct OwnedSource {
  std::vector<PeriodRecord> periods;
  std::vector<BalanceRecord> balances;
  ChartSource source;

  // Periods aged first_age onwards; the scenario ends at the last period's age.
  explicit OwnedSource(int count, float first_age = 60) : periods(AgedPeriods(count, first_age)) {
    balances.resize(periods.size());
    source.start_age = first_age;
    source.end_age = first_age + static_cast<float>(count - 1);
    source.group_names.assign(10, "");
    source.category_names.assign(10, "");
    Refresh();
  }
  void AddAccount(const std::string& name, int group) {
    source.account_names.push_back(name);
    source.account_groups.push_back(static_cast<std::uint16_t>(group));
    source.account_slots.push_back(static_cast<std::uint16_t>(source.account_slots.size()));
  }
  void Refresh() {
    source.periods = periods;
    source.balances = balances;
  }
};

}  // namespace tarvel::graphs::testing
