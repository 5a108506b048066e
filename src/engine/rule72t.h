// Rule 72T distributions: the yearly amount of each Rule 72T transfer.
#pragma once

#include "engine/run.h"
#include "model/records.h"

namespace tarvel::engine {

// Captures the source balances of the Rule 72T transfers starting this year and stores each
// running transfer's amount for the year. Called by the driver once per shown year.
void ComputeRule72TAmounts(model::Scenario& scenario, Run& run);

}  // namespace tarvel::engine
