// The plan checks of a scenario read from its JSON form, each problem named by the JSON path
// of its value as the reader's other messages are: "accounts[0].initial_amount".
#pragma once

#include <string>

#include "model/plan_checks.h"
#include "model/records.h"

namespace tarvel::exchange {

// The JSON path of a checked value: an account's slot settings under the account, an event
// field under the name its kind gives it.
std::string JsonPathOf(const model::PlanPlace& place, const model::Scenario& scenario);

// The first problem of the scenario as the JSON reader tells it ("events[2].amount: not a
// finite number", or the end-age message); empty when the scenario can be a plan.
std::string FirstPlanProblem(const model::Scenario& scenario);

}  // namespace tarvel::exchange
