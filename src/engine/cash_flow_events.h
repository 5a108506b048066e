// The events that move money without debt: Fundamentals, Deposit, Withdrawal (with budget
// withdrawals) and Transfer (with Rule 72T transfers), and the rules for recurring amounts
// they share.
#pragma once

#include <array>

#include "engine/run.h"
#include "model/records.h"

namespace tarvel::engine {

// Rules of recurring amounts.

bool IsOneTime(const model::FinancialEvent& event);
// The budget a budget withdrawal follows, with the run's amounts of its items this year.
struct RunBudget {
  const model::Budget* budget = nullptr;
  std::array<float, model::kMaxItems>* amounts = nullptr;
  explicit operator bool() const { return budget != nullptr; }
};
// Empty for any event other than a budget withdrawal (or a budget number outside 1..5).
RunBudget BudgetOf(const model::Scenario& scenario, Run& run, const model::FinancialEvent& event);
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
void ApplyTodaysDollarsStart(const model::Scenario& scenario, Run& run, int slot);

// The yearly and start actions of the kinds.

// Start action of a Fundamentals event: the new account, tax and inflation rates.
void StartFundamentals(const model::Scenario& scenario, Run& run, int slot);
void DepositYear(const model::Scenario& scenario, Run& run, int slot);
void WithdrawalYear(const model::Scenario& scenario, Run& run, int slot);
void TransferYear(const model::Scenario& scenario, Run& run, int slot);

// Moves the amount from the Transfer event's source account to its destination; a source
// that holds less moves what it has and the rest is reported as not transferred.
void TransferBetweenAccounts(const model::Scenario& scenario, Run& run, int slot, double amount);

}  // namespace tarvel::engine
