// Fundamentals events: from their start age on, a new rate for one account, a new tax rate
// and a new inflation rate; only the rates that change are written.
#include <algorithm>
#include <cstdint>
#include <string>
#include <string_view>

#include "engine/cash_flow_events.h"
#include "engine/line_text.h"
#include "model/event_views.h"
#include "model/money_format.h"
#include "model/scenario_ops.h"
#include "model/whole_age.h"

namespace tarvel::engine {

void StartFundamentals(const model::Scenario& /*scenario*/, Run& run, int slot) {
  model::FinancialEvent& event = run.state.events[slot];
  const model::FundamentalsTerms rates(event);
  const std::string_view name = event.description.view();
  run.sink.Emit([&] { return LineText("  %s - Rate Changes: ", name); }, slot);

  const int position =
      static_cast<std::int16_t>(rates.account()) < 0 ? -1 : run.state.FindAccount(rates.account());
  if (position >= 0) {
    model::Account& account = run.state.accounts[position];
    if (account.rate != rates.account_rate_percent()) {
      account.rate = rates.account_rate_percent();
      const std::string_view account_name = account.name.view();
      run.sink.Emit(
          [&] {
            return LineText("     %s = ", account_name).str() +
                   model::RateText(rates.account_rate_percent());
          },
          slot);
    }
  }
  if (run.tax_rate != rates.tax_rate_percent()) {
    run.tax_rate = rates.tax_rate_percent();
    run.sink.Emit([&] { return "     Tax Rate = " + model::RateText(rates.tax_rate_percent()); },
                  slot);
  }
  const float inflation = rates.inflation_rate_percent();
  // A yearly rate source's inflation (a historical year's) wins over the event's.
  const bool inflation_supplied =
      run.options.yearly_rates &&
      run.options.yearly_rates->InflationRate(std::max(run.year_index, 0)).has_value();
  if (run.inflation_rate != inflation && !inflation_supplied) {
    run.inflation_rate = inflation;
    const int age = model::WholeAgeTowardZero(run.current_age);
    if (age >= 0 && age < kAgeSlots) {
      run.inflation_by_age[age] = static_cast<float>(inflation * run.year_fraction);
    }
    run.sink.Emit([&] { return "     Inflation Rate = " + model::RateText(inflation); }, slot);
  }
  model::SetStatus(event, model::EventStatus::Finished);
}

}  // namespace tarvel::engine
