// Random account and group rates. The drawing rules arrive with the random-rate work; until
// then every account earns its current rate and nothing is announced.
#include "engine/random_rates.h"

namespace tarvel::engine {

bool RandomSourceSet(const Run& run) {
  return run.options.random_accounts || run.options.random_groups;
}

void DrawGroupRates(model::Scenario&, Run&) {}

void AnnounceRandomSource(const model::Scenario&, Run&) {}

float AccountRateForYear(model::Scenario& scenario, Run&, int position) {
  return scenario.accounts.records[position].rate;
}

void ShowRandomRate(const model::Scenario&, Run&, int, float) {}

}  // namespace tarvel::engine
