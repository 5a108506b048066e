// Loans, credit-card debts, equity loans and mortgages.
#include "engine/debt_events.h"

namespace tarvel::engine {

// Debt and property events are not simulated yet: their start leaves the run unchanged.
void StartDebtEvent(model::Scenario&, Run&, int) {}

// Debt and property events are not simulated yet: their years leave the run unchanged.
void DebtEventYear(model::Scenario&, Run&, int) {}

}  // namespace tarvel::engine
