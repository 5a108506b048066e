// Pieces shared by the loan, credit-card and mortgage actions; not used outside them.
#pragma once

#include <string>

#include "engine/run.h"
#include "model/records.h"

namespace tarvel::engine::debt {

// The account at this position receives or pays nothing when it is -1 (none, or an id
// that names no account).
int PaymentAccount(const RunState& state, const model::FinancialEvent& event);
// The position of the account the loan amount is deposited to, or -1.
int DepositAccount(const RunState& state, const model::FinancialEvent& event);
// The position of the event's equity account, or -1 when it names none.
int EquityAccount(const RunState& state, const model::FinancialEvent& event);

// An equity loan whose mortgage holds its equity in no account: the loan lowers the Equity
// total instead of raising the liabilities.
bool IsEquityLoanWithoutAccount(const RunState& state, const model::FinancialEvent& event);
// The type of the account a loan deposits to, when that account exists.
bool DepositsTo(const RunState& state, const model::FinancialEvent& event, model::AccountType type);
// Amount less down payment: what was borrowed.
double Borrowed(const model::FinancialEvent& event);
// What is still owed: borrowed less the principal repaid so far.
double Outstanding(const model::FinancialEvent& event);

void AddTo(float& total, double amount);
std::string MoneyText(const Run& run, double amount);
// A schedule line of the event, tagged with its slot.
void Line(Run& run, int slot, const std::string& text);
// The same, with the line built (by a callable returning it) only when it will be written.
template <typename BuildLine>
requires std::invocable<BuildLine&>
void Line(Run& run, int slot, BuildLine&& build_line) { run.sink.Emit(build_line, slot); }
// An incoming-amounts record for the account at this position, from the shown start age on.
void IncomingLine(Run& run, int position, double amount);

// "    Total Principal=%s Total Interest=%s": what the event has repaid and paid in interest.
void TotalsLine(Run& run, int slot, const model::FinancialEvent& event);

// Pays an outflow of the event: first from its chosen payment account, the rest from
// the savings in access order.
void Pay(const model::Scenario& scenario, Run& run, int slot, double amount);

// The kinds' actions.
void StartLoan(const model::Scenario& scenario, Run& run, int slot);
void StartMortgage(const model::Scenario& scenario, Run& run, int slot);
void CreditCardYear(const model::Scenario& scenario, Run& run, int slot);
// The year's payments of a loan or mortgage.
void PayLoanOrMortgageYear(const model::Scenario& scenario, Run& run, int slot);
void PropertyTaxes(const model::Scenario& scenario, Run& run, int slot);
void PayOffLoan(const model::Scenario& scenario, Run& run, int slot);
void PayOffMortgage(const model::Scenario& scenario, Run& run, int slot);
// Whether the event sells what it bought this year.
bool SaleDue(const model::FinancialEvent& event, const Run& run);
// Sells what the loan or mortgage bought, deposits the proceeds and repays what is owed.
void Sell(const model::Scenario& scenario, Run& run, int slot);

}  // namespace tarvel::engine::debt
