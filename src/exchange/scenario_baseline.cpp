// The new-scenario defaults that fields left out of a JSON scenario take.
#include "exchange/scenario_baseline.h"

#include "model/scenario_ops.h"

namespace tarvel::exchange::json_internal {

std::unique_ptr<model::Scenario> MakeBaseline(int account_count, int event_count) {
  auto baseline = std::make_unique<model::Scenario>();
  model::ClearScenario(*baseline);
  model::ApplyNewScenarioDefaults(*baseline);
  // A dividend left out of the JSON is fully taxable and stays in its account; a zeroed
  // block would tax nothing and deposit every dividend into account id 0.
  model::ApplyDividendDefaults(*baseline);
  baseline->initial.event_count = static_cast<std::int16_t>(event_count);
  baseline->accounts.count = static_cast<std::int16_t>(account_count);
  for (int i = 0; i < account_count; ++i) {
    baseline->accounts.records[i].id = static_cast<std::uint16_t>(i);
    baseline->accounts.records[i].slot = static_cast<std::uint16_t>(i);
  }
  baseline->accounts.next_id = static_cast<std::uint32_t>(account_count);
  for (int i = 0; i < event_count; ++i) {
    baseline->events[i].number = static_cast<std::uint16_t>(i + 1);
  }
  baseline->modified = false;
  return baseline;
}

}  // namespace tarvel::exchange::json_internal
