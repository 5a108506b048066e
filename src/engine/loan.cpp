// Loans and equity loans: the loan amount deposited at the start with its down payment and
// costs, and the payoff of what is still owed at the payoff age.
#include <string>
#include <string_view>

#include "engine/amortization.h"
#include "engine/debt_events_internal.h"
#include "engine/line_text.h"
#include "model/event_views.h"
#include "model/money_format.h"

namespace tarvel::engine::debt {
namespace {

using model::AccountType;

// Buying into an Asset or Equity account is a transfer; savings receive a deposit.
const char* DepositVerb(AccountType type) {
  return (type == AccountType::Asset || type == AccountType::Equity) ? "Transfer" : "Deposit";
}

void ReceiveLoanAmount(Run& run, int slot) {
  const model::FinancialEvent& event = run.state.events[slot];
  const std::string_view name = event.description.view();
  const auto money = model::MoneyLater(event.amount, run.options.currency);
  const int position = DepositAccount(run.state, event);
  if (position >= 0) {
    model::Account& account = run.state.accounts[position];
    account.balance = static_cast<float>(account.balance + static_cast<double>(event.amount));
    run.categories.Add(account.type, event.amount);
    Line(run, slot, [&] {
      return LineText("  %s - %s %s to %s from loan", name, DepositVerb(account.type), money(),
                      account.name.view());
    });
  } else {
    // Without its account the amount still counts among the savings.
    run.categories.Add(AccountType::Investment, event.amount);
    Line(run, slot, [&] {
      return LineText("  %s - Deposit %s to Investment Savings from loan", name, money());
    });
  }
}

}  // namespace

void StartLoan(const model::Scenario& scenario, Run& run, int slot) {
  model::FinancialEvent& event = run.state.events[slot];
  const model::EquityLoanTerms loan(event);
  const int months = loan.payments_per_year();
  loan.monthly_payment() = MonthlyPayment(
      loan.principal(), loan.yearly_rate_percent() * 0.01 / months, loan.term_years() * months);
  const bool lowers_equity = IsEquityLoanWithoutAccount(run.state, event);
  ReceiveLoanAmount(run, slot);
  AddTo(run.year.loans, event.amount);
  if (lowers_equity) {
    AddTo(run.categories.equity, -static_cast<double>(event.amount));
  } else {
    AddTo(run.liabilities, event.amount);
  }

  const std::string_view name = event.description.view();
  const float down_payment = loan.down_payment();
  if (down_payment > 0) {
    Line(run, slot, [&] {
      return LineText("  %s - Withdraw %s for down payment", name,
                      MoneyText(run, down_payment).c_str());
    });
    if (lowers_equity) {
      AddTo(run.categories.equity, down_payment);
    } else {
      AddTo(run.liabilities, -static_cast<double>(down_payment));
    }
    AddTo(run.year.loans, -static_cast<double>(down_payment));
    AddTo(run.year.other_payments, down_payment);
    Pay(scenario, run, slot, down_payment);
  }
  const float costs = loan.cost_of_loan();
  if (model::IsEquityLoan(event) && costs > 0) {
    Line(run, slot, [&] {
      return LineText("  %s - Withdraw %s for loan costs", name, MoneyText(run, costs).c_str());
    });
    AddTo(run.year.closing_costs, costs);
    AddTo(run.year.other_payments, costs);
    Pay(scenario, run, slot, costs);
  }
}

void PayOffLoan(const model::Scenario& scenario, Run& run, int slot) {
  model::FinancialEvent& event = run.state.events[slot];
  const model::LoanTerms loan(event);
  const double rest = Outstanding(event);
  const bool asset = DepositsTo(run.state, event, AccountType::Asset);
  Line(run, slot, [&] {
    return LineText("   %s - Paid off loan with %s", event.description.view(),
                    MoneyText(run, rest).c_str());
  });
  if (asset) loan.owned_value() = loan.bought_value();
  if (IsEquityLoanWithoutAccount(run.state, event)) {
    AddTo(run.categories.equity, rest);
  } else {
    AddTo(run.liabilities, -rest);
  }
  AddTo(run.year.other_payments, rest);
  Pay(scenario, run, slot, rest);
  TotalsLine(run, slot, event);
  // The asset is now owned outright: a later sale owes nothing.
  if (asset) loan.principal_repaid() = static_cast<float>(loan.principal());
}

}  // namespace tarvel::engine::debt
