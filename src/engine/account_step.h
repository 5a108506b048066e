// The yearly account step: growth by account type, dividends, the year's taxes and
// penalties, the "Summary:" block and the end-of-year account list.
#pragma once

#include "engine/run.h"
#include "model/records.h"

namespace tarvel::engine {

// Once per simulated year, after the events; ends with WriteYearResult.
void YearlyAccountStep(const model::Scenario& scenario, Run& run);

// Pays the yearly dividend of the account at this position, computed on its balance before
// the year's growth, into its destination (the account itself when the destination is none).
void PayDividend(const model::Scenario& scenario, Run& run, int position, float balance_before);

}  // namespace tarvel::engine
