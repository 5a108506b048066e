// Small helpers for tests: a cleared scenario on the heap, accounts and events added the
// way the editors add them.
#pragma once

#include <memory>
#include <string_view>

#include "model/records.h"

namespace tarvel::test_support {

// A heap scenario in its cleared state (event count 0).
std::unique_ptr<model::Scenario> MakeClearedScenario();

// Adds an account at position count with the given initial amount and yearly rate (percent),
// gives it an id and counts it. Returns its position.
int AddAccount(model::Scenario& scenario, model::AccountType type, float amount, float rate,
               std::string_view name = "Account");

// Writes a cleared event of this kind at slot count (start and end age in whole years) and
// counts it. Returns the event for further setup. Both throw std::out_of_range when full.
model::FinancialEvent& AddEvent(model::Scenario& scenario, model::EventKind kind, float start_age,
                                float end_age = 0);

}  // namespace tarvel::test_support
