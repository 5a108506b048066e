// The runs of an analysis in order of final net worth, so the worst can be looked at first.
#pragma once

#include <span>
#include <vector>

#include "analysis/run_outcome.h"

namespace tarvel::analysis {

// Outcomes from the lowest final net worth to the highest; equal ones by run number.
std::vector<RunOutcome> RankByFinalNetWorth(std::span<const RunOutcome> outcomes);

}  // namespace tarvel::analysis
