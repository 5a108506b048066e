// The year's closing lines of the account step: tax and penalty lines with their payments,
// the "Summary:" block and the end-of-year account list.
#pragma once

#include "engine/run.h"
#include "model/records.h"

namespace tarvel::engine {

// Writes the dividend, savings-interest and withdrawal tax lines, the penalty line and the
// deposit tax line, and pays taxes and penalties from savings.
void PayYearTaxes(const model::Scenario& scenario, Run& run);
// The "Summary:" block of the year's incoming and outgoing totals.
void WriteYearSummary(Run& run);
// "End Of Year Account Summary:" and one line per account.
void WriteAccountList(Run& run);

}  // namespace tarvel::engine
