// Property held through loans and mortgages: its yearly revaluation.
#pragma once

#include "engine/run.h"
#include "model/records.h"

namespace tarvel::engine {

// Revalues, once a year, what every started loan bought into an Asset or Equity account and
// every unsold mortgaged property (appreciation, depreciation, equity values), then sets
// each mortgage equity account to its mortgages' equity less what equity loans on it still
// owe. Runs in every simulated year, also before the shown start age.
void RevalueProperty(Run& run);

}  // namespace tarvel::engine
