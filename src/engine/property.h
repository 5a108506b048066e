// Property held through loans and mortgages: its yearly revaluation.
#pragma once

#include "engine/run.h"
#include "model/records.h"

namespace tarvel::engine {

// Revalues the property of every loan and mortgage for the year (appreciation,
// depreciation and the asset and equity adjustments). Runs in every simulated year.
void RevalueProperty(model::Scenario& scenario, Run& run);

}  // namespace tarvel::engine
