// The sale of what a loan or mortgage bought: the price (less selling expenses for a
// property) is deposited, the bought value leaves its totals and what is owed is repaid.
#include <string>
#include <string_view>

#include "engine/debt_events_internal.h"
#include "engine/line_text.h"
#include "model/event_views.h"
#include "model/money_format.h"

namespace tarvel::engine::debt {
namespace {

using model::AccountType;

// The account that receives sale proceeds: the payment account, else the first Investment
// account in table order, else none (-1).
int ProceedsAccount(const RunState& state, const model::FinancialEvent& event) {
  const int chosen = PaymentAccount(state, event);
  if (chosen >= 0) return chosen;
  for (int i = 0; i < state.account_count && i < model::kMaxAccounts; ++i) {
    if (state.accounts[i].type == AccountType::Investment) return i;
  }
  return -1;
}

void DepositProceeds(Run& run, int slot, double proceeds) {
  const int position = ProceedsAccount(run.state, run.state.events[slot]);
  const auto money = model::MoneyLater(proceeds, run.options.currency);
  if (position < 0) {
    Line(run, slot, [&] { return LineText("      Deposited %s to Investment Savings", money()); });
    run.categories.Add(AccountType::Investment, proceeds);
    return;
  }
  model::Account& account = run.state.accounts[position];
  Line(run, slot,
       [&] { return LineText("      Deposited %s to %s", money(), account.name.view()); });
  account.balance = static_cast<float>(account.balance + proceeds);
  run.categories.Add(account.type, proceeds);
  IncomingLine(run, position, proceeds);
}

// What a loan still owes leaves the liabilities (or, for an equity loan without an equity
// account, returns to the Equity total).
void SettleLoanPrincipal(Run& run, const model::FinancialEvent& event) {
  const double rest = Outstanding(event);
  if (IsEquityLoanWithoutAccount(run.state, event)) {
    AddTo(run.categories.equity, rest);
  } else {
    AddTo(run.liabilities, -rest);
  }
}

void SellLoanPurchase(Run& run, int slot) {
  model::FinancialEvent& event = run.state.events[slot];
  const model::LoanTerms loan(event);
  const int position = DepositAccount(run.state, event);
  model::Account& account = run.state.accounts[position];
  const double price = loan.bought_value();
  const std::string_view name = event.description.view();
  const auto money = model::MoneyLater(price, run.options.currency);
  if (account.type == AccountType::Equity) {
    Line(run, slot, [&] { return LineText("  %s - Sold equity for %s", name, money()); });
    AddTo(run.categories.equity, -price);
    if (loan.paid_off() == 0) SettleLoanPrincipal(run, event);
    AddTo(run.year.sale_of_property, price);
  } else {
    Line(run, slot, [&] { return LineText("  %s - Sold asset for %s", name, money()); });
    AddTo(run.categories.asset, -price);
    SettleLoanPrincipal(run, event);
    AddTo(run.year.sale_of_assets, price);
  }
  DepositProceeds(run, slot, price);
  account.balance = static_cast<float>(account.balance - price);
  loan.bought_value() = 0;
}

void SellProperty(Run& run, int slot) {
  model::FinancialEvent& event = run.state.events[slot];
  const model::MortgageTerms mortgage(event);
  const double price = mortgage.bought_value();
  const double expenses = mortgage.selling_percent() * 0.01 * price;
  mortgage.sold() = 1;
  if (mortgage.owned_outright() != 0) {
    // Paid off: the equity is the whole value and nothing is owed any more.
    AddTo(run.categories.equity, -price);
  } else {
    const double rest = Outstanding(event);
    AddTo(run.categories.equity,
          -(static_cast<double>(mortgage.principal_repaid()) + mortgage.down_payment()));
    AddTo(run.categories.equity, -(price - event.amount));
    AddTo(run.categories.asset, -rest);
    AddTo(run.liabilities, -rest);
  }
  const std::string_view name = event.description.view();
  Line(run, slot, [&] {
    return LineText("  %s - Sold property for %s", name, MoneyText(run, price).c_str());
  });
  Line(run, slot,
       [&] { return LineText("     Selling expenses = %s", MoneyText(run, expenses).c_str()); });
  AddTo(run.year.sale_of_property, price - expenses);
  DepositProceeds(run, slot, price - expenses);
  mortgage.bought_value() = 0;
}

// A sale ends the debt: what is still owed is repaid from the payment account and savings.
void RepayAfterSale(const model::Scenario& scenario, Run& run, int slot) {
  model::FinancialEvent& event = run.state.events[slot];
  const model::DebtTerms debt(event);
  if (debt.paid_off() != 0) return;
  debt.paid_off() = 1;
  const double rest = Outstanding(event);
  const char* what = event.kind == model::EventKind::Mortgage ? "mortgage" : "loan";
  Line(run, slot,
       [&] { return LineText("   Paid off %s with %s", what, MoneyText(run, rest).c_str()); });
  AddTo(run.year.other_payments, rest);
  Pay(scenario, run, slot, rest);
  if (Borrowed(event) > debt.principal_repaid()) {
    TotalsLine(run, slot, event);
  }
}

// Loans sell only what they bought into an Asset or Equity account.
bool HasSomethingToSell(const RunState& state, const model::FinancialEvent& event) {
  if (event.kind == model::EventKind::Mortgage) return true;
  if (event.kind != model::EventKind::Loan || model::IsCreditCard(event)) return false;
  return DepositsTo(state, event, AccountType::Asset) ||
         DepositsTo(state, event, AccountType::Equity);
}

}  // namespace

bool SaleDue(const model::FinancialEvent& event, const Run& run) {
  const float sell_age = model::DebtTerms(event).sell_age();
  return sell_age > 0 && run.current_age >= sell_age && sell_age >= event.start_age &&
         HasSomethingToSell(run.state, event);
}

void Sell(const model::Scenario& scenario, Run& run, int slot) {
  model::FinancialEvent& event = run.state.events[slot];
  const model::DebtTerms debt(event);
  model::SetStatus(event, model::EventStatus::Finished);
  debt.owned_value() = 0;
  if (event.kind == model::EventKind::Mortgage) {
    SellProperty(run, slot);
  } else {
    SellLoanPurchase(run, slot);
  }
  RepayAfterSale(scenario, run, slot);
  debt.paid_off() = 1;
  if (event.kind == model::EventKind::Loan && DepositsTo(run.state, event, AccountType::Asset)) {
    debt.principal_repaid() = static_cast<float>(Borrowed(event));
  }
}

}  // namespace tarvel::engine::debt
