// Hands the values a run leaves in its working state back to the scenario, for callers that
// show or save them after the run (balances after a run, the event order of the listing,
// first-withdrawal ages, rate statistics).
#pragma once

#include "engine/run.h"
#include "model/records.h"

namespace tarvel::engine {

// Puts the scenario's events and accounts in the order a run works through them: the RMD
// entries matched to the accounts' table choices, events by kind, accounts by access order.
void ArrangeForRun(model::Scenario& scenario);

// Arranges the scenario as the run did and copies into it every field the run wrote: the
// events' run-time fields, the accounts' balances, rates and rate statistics, the
// first-withdrawal ages, drawn-rate counts, allocation and budget working amounts and the
// start age the run used. Does nothing when the run did not get as far as its preparation.
void WriteBackRunFields(const Run& run, model::Scenario& scenario);

}  // namespace tarvel::engine
