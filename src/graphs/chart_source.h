// A run's results as the graph pages read them: the chart data over the run's arrays plus
// the names, ages and options of the scenario that the pages show.
#pragma once

#include <span>
#include <string>
#include <vector>

#include "engine/run.h"
#include "graphs/chart_data.h"
#include "model/records.h"

namespace tarvel::graphs {

// Views into a run that must outlive it; the scenario's names and group links are copied.
struct ChartSource {
  std::span<const PeriodRecord> periods{};
  std::span<const BalanceRecord> balances{};
  std::span<const float> purchasing_power{};  // empty unless the option is on
  std::vector<std::uint16_t> account_groups;  // by account position
  std::vector<std::uint16_t> account_slots;   // by account position
  std::vector<AllocationRow> allocation;      // by category
  std::vector<std::string> account_names;     // by account position
  std::vector<std::string> group_names;       // the 10 group names
  std::vector<std::string> category_names;    // the 10 allocation category names
  std::string group_folder_name;
  bool purchasing_power_shown = false;  // the scenario's purchasing-power option
  float start_age = 0;                  // the scenario's start age
  float end_age = 0;                    // the scenario's end age

  // Periods of the whole run: the last period index + 1.
  int PeriodCount() const { return static_cast<int>(periods.size()); }
  // The chart engine's view of these results; valid while this source is not changed.
  ChartData Data() const;
  // The whole age of a period, or the start age when the period is not there.
  float Age(int period) const;
};

// The source for one run of the scenario. Keep the run alive, and do not run it again, while
// the source is used.
ChartSource MakeChartSource(const engine::Run& run, const model::Scenario& scenario);

}  // namespace tarvel::graphs
