// Random account and group rates: the rate each account earns in a year of a random run.
#pragma once

#include "engine/run.h"
#include "model/records.h"

namespace tarvel::engine {

// True when this run draws account or group rates.
bool RandomSourceSet(const Run& run);
// Draws this year's rate of every group (runs with random group rates).
void DrawGroupRates(model::Scenario& scenario, Run& run);
// The detailed-results line announcing which random source the run uses.
void AnnounceRandomSource(const model::Scenario& scenario, Run& run);
// The rate (percent per year) the account at this position earns this year: a drawn rate
// in a random run, else its current rate.
float AccountRateForYear(model::Scenario& scenario, Run& run, int position);
// The detailed-results line showing the drawn rate of a growing account.
void ShowRandomRate(const model::Scenario& scenario, Run& run, int position, float rate);

}  // namespace tarvel::engine
