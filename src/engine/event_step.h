// The event step: starts, runs and ends one event in the current year and performs the
// yearly action of its kind.
#pragma once

#include "engine/run.h"
#include "model/records.h"

namespace tarvel::engine {

// Processes the event in this slot for the run's current age.
void EventStep(const model::Scenario& scenario, Run& run, int slot);

// A running event other than a debt finishes once the current age is past its end age;
// debts end by their own rules.
void FinishPastEndAge(model::FinancialEvent& event, const Run& run);

}  // namespace tarvel::engine
