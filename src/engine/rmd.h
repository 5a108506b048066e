// Required minimum distributions: every year the balance of the accounts assigned to one
// life-expectancy table, divided by the table's divisor, moves into the transfer-to account.
#pragma once

#include "engine/run.h"
#include "model/records.h"

namespace tarvel::engine {

// The distribution of the RMD entry in this slot for the run's current whole age.
void RequiredDistributionStep(model::Scenario& scenario, Run& run, int slot);

}  // namespace tarvel::engine
