// The "Initial Rates:" block of detailed results, written once as a run begins.
#include "engine/initial_rates.h"

#include <algorithm>
#include <string>

#include "engine/line_text.h"
#include "model/money_format.h"
#include "model/record_counts.h"

namespace tarvel::engine {

void WriteInitialRatesBlock(const model::Scenario& scenario, Run& run) {
  if (!run.options.detailed || !run.sink.writes_text()) return;
  RunSink& sink = run.sink;
  sink.Emit("Initial Rates:", kInitialRatesTag);
  const int count = model::AccountCount(scenario);
  for (int i = 0; i < count; ++i) {
    const model::Account& account = scenario.accounts.records[i];
    sink.Emit(LineText("  %s Rate = ", account.name.view()).str() + model::RateText(account.yearly_rate),
              kInitialRatesTag);
  }
  const model::InitialValues& initial = scenario.initial;
  sink.Emit("  Tax Rate = " + model::RateText(initial.tax_rate), kInitialRatesTag);
  sink.Emit("  Dividend Tax Rate = " + model::RateText(initial.dividend_tax_rate),
            kInitialRatesTag);
  sink.Emit("  Inflation Rate = " + model::RateText(initial.inflation_rate), kInitialRatesTag);
  sink.Emit("  Appreciation Rate = " + model::RateText(initial.equity_appreciation_rate),
            kInitialRatesTag);
}

}  // namespace tarvel::engine
