// The events that move money without debt: Fundamentals, Deposit, Withdrawal (with budget
// withdrawals) and Transfer (with Rule 72T transfers), and the rules for recurring amounts
// they share.
#pragma once

#include "engine/run.h"
#include "model/records.h"

namespace tarvel::engine {

// Rules of recurring amounts.

bool IsOneTime(const model::FinancialEvent& event);
// The budget a budget withdrawal follows, or null for any other event (or a budget number
// outside 1..5).
model::Budget* BudgetOf(model::Scenario& scenario, const model::FinancialEvent& event);
// The number of items of a budget, kept within the item arrays.
int ItemCount(const model::Budget& budget);

// Whether the event acts in the run's current year: while the current age is not above its
// end age, and a one-time event in the year of its whole start age.
bool ActsThisYear(const model::FinancialEvent& event, const Run& run);
// Finishes the event after the action of its last year (a one-time event in its start year,
// a recurring one when the current age reaches its end age).
void FinishAfterAction(model::FinancialEvent& event, const Run& run);
// Grows the working amount by the apply rate and, when asked, the run's inflation rate.
void GrowWorkingAmount(model::FinancialEvent& event, const Run& run);
// In the year of the event's whole start age, an amount in dollars of the start age becomes
// the amount inflated by the inflation recorded for every year since the start age.
void ApplyTodaysDollarsStart(model::Scenario& scenario, const Run& run, int slot);

// The yearly and start actions of the kinds.

// Start action of a Fundamentals event: the new account, tax and inflation rates.
void StartFundamentals(model::Scenario& scenario, Run& run, int slot);
void DepositYear(model::Scenario& scenario, Run& run, int slot);
void WithdrawalYear(model::Scenario& scenario, Run& run, int slot);
void TransferYear(model::Scenario& scenario, Run& run, int slot);

// Moves the amount from the Transfer event's source account to its destination; a source
// that holds less moves what it has and the rest is reported as not transferred.
void TransferBetweenAccounts(model::Scenario& scenario, Run& run, int slot, double amount);

}  // namespace tarvel::engine
