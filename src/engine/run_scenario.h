// The run driver: simulates the whole scenario year by year and keeps the results.
#pragma once

#include "engine/run.h"
#include "model/records.h"

namespace tarvel::engine {

// One run. The scenario is only read: what the run changes is kept in run.state (see
// WriteBackRunFields). Returns false when the run was abandoned (an output or plot file could
// not be opened, or only the listing was asked for); the reason is in run.problems. Returns
// true when it finished or when nothing needed simulating.
bool RunScenario(const model::Scenario& scenario, Run& run);

// Writes columns 7 to 19 of the current year: the end of the plot line, the period record
// and the category records of "bigfile.tmp".
void WriteYearResult(const model::Scenario& scenario, Run& run);

}  // namespace tarvel::engine
