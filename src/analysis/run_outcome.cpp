// The success rule of an analysis run and the liquid balance of a period.
#include "analysis/run_outcome.h"

#include "engine/period_column.h"

namespace tarvel::analysis {

using engine::IndexOf;
using engine::PeriodColumn;

bool RunSucceeded(const engine::Run& run) {
  if (run.red_flags.net_worth_negative.set || run.red_flags.liquid_depleted.set) return false;
  for (const engine::PeriodResult& period : run.periods) {
    if (period[IndexOf(PeriodColumn::NetWorth)] < 0) return false;
  }
  return true;
}

float LiquidBalance(const engine::PeriodResult& period) {
  return static_cast<float>(static_cast<double>(period[IndexOf(PeriodColumn::Investment)]) +
                            period[IndexOf(PeriodColumn::TaxFree)] +
                            period[IndexOf(PeriodColumn::Retirement)]);
}

}  // namespace tarvel::analysis
