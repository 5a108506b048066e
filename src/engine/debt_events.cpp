// Loans, credit-card debts, equity loans and mortgages: the order of their yearly work and
// the helpers their actions share (accounts, amounts owed, lines and payments).
#include "engine/debt_events.h"

#include <cstdint>

#include "engine/debt_events_internal.h"
#include "engine/funding.h"
#include "engine/line_text.h"
#include "engine/run_internal.h"
#include "model/event_views.h"
#include "model/money_format.h"
#include "model/scenario_ops.h"

namespace tarvel::engine {
namespace debt {
namespace {

int PositionOf(const RunState& state, std::uint16_t id) {
  if (static_cast<std::int16_t>(id) < 0) return -1;
  return state.FindAccount(id);
}

}  // namespace

int PaymentAccount(const RunState& state, const model::FinancialEvent& event) {
  // A credit card keeps its payment account where other loans keep the deposit account.
  if (model::IsCreditCard(event)) {
    const model::CreditCardTerms card(event);
    if (card.payment_account_chosen() != model::kChosenAccountMarker) return -1;
    return PositionOf(state, card.payment_account());
  }
  const model::DebtTerms debt(event);
  if (debt.payment_account_chosen() != model::kChosenAccountMarker) return -1;
  return PositionOf(state, debt.payment_account());
}

int DepositAccount(const RunState& state, const model::FinancialEvent& event) {
  return PositionOf(state, model::LoanTerms(event).deposit_account());
}

int EquityAccount(const RunState& state, const model::FinancialEvent& event) {
  // Mortgages and equity loans keep it in the same place.
  return PositionOf(state, model::MortgageTerms(event).equity_account());
}

bool IsEquityLoanWithoutAccount(const RunState& state, const model::FinancialEvent& event) {
  return model::IsEquityLoan(event) && EquityAccount(state, event) < 0;
}

bool DepositsTo(const RunState& state, const model::FinancialEvent& event,
                model::AccountType type) {
  const int position = DepositAccount(state, event);
  return position >= 0 && state.accounts[position].type == type;
}

double Borrowed(const model::FinancialEvent& event) { return model::DebtTerms(event).principal(); }

double Outstanding(const model::FinancialEvent& event) {
  return Borrowed(event) - model::DebtTerms(event).principal_repaid();
}

void AddTo(float& total, double amount) { total = static_cast<float>(total + amount); }

std::string MoneyText(const Run& run, double amount) {
  return model::Money(amount, run.options.currency);
}

void Line(Run& run, int slot, const std::string& text) { run.sink.Emit(text, slot); }

void IncomingLine(Run& run, int position, double amount) {
  if (position < 0 || run.current_age < run.shown_start_age) return;
  run.files.Incoming(run.current_age, run.state.accounts[position].name.view(), amount);
}

void TotalsLine(Run& run, int slot, const model::FinancialEvent& event) {
  const model::DebtTerms debt(event);
  Line(run, slot, [&] {
    return LineText("    Total Principal=%s Total Interest=%s",
                    MoneyText(run, debt.principal_repaid()).c_str(),
                    MoneyText(run, debt.interest_paid()).c_str());
  });
}

void Pay(const model::Scenario& scenario, Run& run, int slot, double amount) {
  if (!(amount > 0)) return;
  double rest = amount;
  const int position = PaymentAccount(run.state, run.state.events[slot]);
  if (position >= 0) {
    rest = WithdrawFromAccount(scenario, run, amount, slot, FundingReason::Payment, position);
  }
  if (rest > 0) FundFromSavings(scenario, run, rest, FundingReason::Payment, slot);
}

}  // namespace debt

void StartDebtEvent(const model::Scenario& scenario, Run& run, int slot) {
  if (slot < 0 || slot >= model::kEventSlots) return;
  const model::FinancialEvent& event = run.state.events[slot];
  // A credit card's debt is its amount, already its working amount.
  if (model::IsCreditCard(event)) return;
  if (event.kind == model::EventKind::Mortgage) {
    debt::StartMortgage(scenario, run, slot);
  } else if (event.kind == model::EventKind::Loan) {
    debt::StartLoan(scenario, run, slot);
  }
}

void DebtEventYear(const model::Scenario& scenario, Run& run, int slot) {
  if (slot < 0 || slot >= model::kEventSlots) return;
  model::FinancialEvent& event = run.state.events[slot];
  if (model::IsCreditCard(event)) {
    debt::CreditCardYear(scenario, run, slot);
    return;
  }
  const bool mortgage = event.kind == model::EventKind::Mortgage;
  if (!mortgage && event.kind != model::EventKind::Loan) return;
  const model::DebtTerms terms(event);
  const float age = run.current_age;
  // A loan of no years has no schedule: it is repaid at its payoff age.
  if (terms.term_years() > 0 && event.start_age + terms.term_years() <= age) terms.paid_off() = 1;
  const bool selling_year = debt::SaleDue(event, run) && age == terms.sell_age();
  if (!selling_year && age < event.end_age && terms.paid_off() == 0) {
    debt::PayLoanOrMortgageYear(scenario, run, slot);
  }
  if (mortgage && model::MortgageTerms(event).sold() == 0) debt::PropertyTaxes(scenario, run, slot);
  if (age >= event.end_age && terms.paid_off() == 0) {
    terms.paid_off() = 1;
    if (mortgage) {
      debt::PayOffMortgage(scenario, run, slot);
    } else {
      debt::PayOffLoan(scenario, run, slot);
    }
  }
  if (debt::SaleDue(event, run)) debt::Sell(scenario, run, slot);
}

}  // namespace tarvel::engine
