// Loans, credit-card debts, equity loans and mortgages: their start action and their yearly
// action, called by the event step.
#pragma once

#include "engine/run.h"
#include "model/records.h"

namespace tarvel::engine {

// The start action of a loan, credit card or mortgage, in the year the event starts: the
// monthly payment, the loan amount deposited or the property bought, down payment and costs.
void StartDebtEvent(const model::Scenario& scenario, Run& run, int slot);
// The yearly action of a loan, credit card or mortgage, every year while it runs: payments,
// property taxes, payoff at the payoff age and the sale at the selling age.
void DebtEventYear(const model::Scenario& scenario, Run& run, int slot);

}  // namespace tarvel::engine
