// Fundamentals events: from their start age on, a new rate for one account, a new tax rate
// and a new inflation rate; only the rates that change are written.
#include <cstdint>
#include <string>

#include "engine/cash_flow_events.h"
#include "model/money_format.h"
#include "model/scenario_ops.h"

namespace tarvel::engine {

void StartFundamentals(model::Scenario& scenario, Run& run, int slot) {
  model::FinancialEvent& event = scenario.events[slot];
  const std::string name = event.description.str();
  run.sink.Emit(model::Format("  %s - Rate Changes: ", name.c_str()), slot);

  const int position = static_cast<std::int16_t>(event.account_24) < 0
                           ? -1
                           : model::FindAccount(scenario, event.account_24);
  if (position >= 0) {
    model::Account& account = scenario.accounts.records[position];
    if (account.rate != event.rate_40) {
      account.rate = event.rate_40;
      const std::string account_name = account.name.str();
      run.sink.Emit(
          model::Format("     %s = ", account_name.c_str()) + model::RateText(event.rate_40), slot);
    }
  }
  if (run.tax_rate != event.amount) {
    run.tax_rate = event.amount;
    run.sink.Emit("     Tax Rate = " + model::RateText(event.amount), slot);
  }
  if (run.inflation_rate != event.value_32) {
    run.inflation_rate = event.value_32;
    const int age = WholeAge(run.current_age);
    if (age >= 0 && age < kAgeSlots) {
      run.inflation_by_age[age] = static_cast<float>(event.value_32 * run.year_fraction);
    }
    run.sink.Emit("     Inflation Rate = " + model::RateText(event.value_32), slot);
  }
  event.status = 2;
}

}  // namespace tarvel::engine
