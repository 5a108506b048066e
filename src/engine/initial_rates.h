// The "Initial Rates:" block of detailed results: every account's rate and the scenario's
// tax, dividend-tax, inflation and appreciation rates as a run begins.
#pragma once

#include "engine/run.h"
#include "model/records.h"

namespace tarvel::engine {

// Emits the block through the run's sink, tagged as belonging to no event, when detailed
// results are on; otherwise writes nothing. Accounts are listed in table order.
void WriteInitialRatesBlock(const model::Scenario& scenario, Run& run);

}  // namespace tarvel::engine
