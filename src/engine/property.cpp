// Property held through loans and mortgages: its yearly growth by the account's rate or the
// property's appreciation, and the balances of the accounts that hold mortgage equity.
#include "engine/property.h"

#include <algorithm>
#include <array>

#include "engine/debt_events_internal.h"
#include "engine/run_internal.h"
#include "model/event_views.h"
#include "model/record_counts.h"
#include "model/scenario_ops.h"

namespace tarvel::engine {
namespace {

using model::AccountType;
using model::EventKind;

bool Started(const model::FinancialEvent& event, const Run& run) {
  return model::StatusOf(event) != model::EventStatus::NotStarted &&
         event.start_age <= run.current_age;
}

// What a loan bought grows by its account's rate for a whole year. Before the shown start
// age the accounts carry no run rate yet, so their entered yearly rate applies.
void RevalueLoanPurchase(const Run& run, model::FinancialEvent& event) {
  const int position = debt::DepositAccount(run.state, event);
  if (position < 0) return;
  const model::Account& account = run.state.accounts[position];
  if (account.type != AccountType::Asset && account.type != AccountType::Equity) return;
  const double rate = run.current_age < run.shown_start_age ? account.yearly_rate : account.rate;
  const model::LoanTerms loan(event);
  loan.bought_value() = static_cast<float>(loan.bought_value() * (1.0 + rate * 0.01));
}

// The property appreciates by its percent for the part of the year simulated; its equity is
// the value less what is still owed, or the whole value once paid off.
void RevalueMortgagedProperty(Run& run, model::FinancialEvent& event) {
  const model::MortgageTerms mortgage(event);
  const double percent = mortgage.appreciation_rate_percent();
  const double growth = percent * 0.01 * mortgage.bought_value() * run.year_fraction;
  debt::IncomingLine(run, debt::EquityAccount(run.state, event), growth);
  debt::AddTo(run.categories.equity, growth);
  if (percent < 0) debt::AddTo(run.year.depreciation, growth);
  if (percent > 0) debt::AddTo(run.year.equity_appreciation, growth);
  debt::AddTo(mortgage.bought_value(), growth);
  if (mortgage.owned_outright() != 0) {
    mortgage.owned_value() = mortgage.bought_value();
  } else {
    mortgage.owned_value() = static_cast<float>(
        static_cast<double>(mortgage.bought_value()) - mortgage.purchase_price() +
        mortgage.down_payment() + mortgage.principal_repaid());
  }
}

// What each account some active mortgage holds its equity in is worth: its mortgages'
// equity, added up in event order.
struct MortgageEquity {
  std::array<bool, model::kMaxAccounts> holders{};
  std::array<double, model::kMaxAccounts> equity{};
  bool any = false;

  void Add(int position, double owned_value) {
    if (position < 0) return;
    holders[position] = true;
    equity[position] += owned_value;
    any = true;
  }
};

// Each mortgage equity account holds the equity of its mortgages.
void SetEquityAccounts(Run& run, const MortgageEquity& mortgages) {
  for (int position = 0; position < run.state.account_count; ++position) {
    if (mortgages.holders[position]) {
      run.state.accounts[position].balance = static_cast<float>(mortgages.equity[position]);
    }
  }
}

// An equity loan not yet repaid lowers the equity shown in its mortgage's equity account.
// The loan itself is among the liabilities, so the net worth is not changed here.
void SubtractEquityLoans(Run& run, const std::array<bool, model::kMaxAccounts>& holders) {
  for (int d = 0; d < run.state.debt_count; ++d) {
    const model::FinancialEvent& loan = run.state.events[run.state.debt_events[d]];
    if (loan.kind != EventKind::Loan || !model::IsEquityLoan(loan) || !Started(loan, run) ||
        model::EquityLoanTerms(loan).paid_off() != 0) {
      continue;
    }
    const int position = debt::EquityAccount(run.state, loan);
    // Only accounts set afresh this year: any other would lose the amount again each year.
    if (position < 0 || !holders[position]) continue;
    model::Account& account = run.state.accounts[position];
    account.balance = static_cast<float>(account.balance - debt::Outstanding(loan));
  }
}

}  // namespace

void RevalueProperty(Run& run) {
  if (!run.state.has_debts) return;
  MortgageEquity mortgages;
  bool loans = false;
  for (int d = 0; d < run.state.debt_count; ++d) {
    model::FinancialEvent& event = run.state.events[run.state.debt_events[d]];
    loans = loans || event.kind == EventKind::Loan;
    const bool mortgage = event.kind == EventKind::Mortgage;
    if (Started(event, run)) {
      if (event.kind == EventKind::Loan && !model::IsCreditCard(event)) {
        RevalueLoanPurchase(run, event);
      } else if (mortgage && model::MortgageTerms(event).sold() == 0) {
        RevalueMortgagedProperty(run, event);
      }
    }
    if (mortgage && !model::IsInactive(event)) {
      mortgages.Add(debt::EquityAccount(run.state, event),
                    model::MortgageTerms(event).owned_value());
    }
  }
  // Without a mortgage equity account there is nothing to set or lower.
  if (!mortgages.any) return;
  SetEquityAccounts(run, mortgages);
  if (loans) SubtractEquityLoans(run, mortgages.holders);
}

}  // namespace tarvel::engine
