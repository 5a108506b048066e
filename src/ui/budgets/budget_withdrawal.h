// The withdrawal event that carries an active budget into the runs: one budget-withdrawal
// event per budget, written from the budget when the budget dialog confirms it and removed
// when the budget is no longer active.
#pragma once

#include "model/records.h"
#include "platform/prompter.h"

namespace tarvel::ui {

// The slot of the budget's withdrawal event (budget index 0..4), or -1.
int FindBudgetWithdrawal(const model::Scenario& scenario, int budget_index);

// Writes the budget's withdrawal: its existing event is updated in its slot, otherwise a new
// one is added. False, after the capacity message, when a new one finds the table full.
bool WriteBudgetWithdrawal(model::Scenario& scenario, platform::Prompter& prompter,
                           int budget_index);

// Removes every withdrawal event of the budget; true when there was one.
bool RemoveBudgetWithdrawal(model::Scenario& scenario, int budget_index);

}  // namespace tarvel::ui
