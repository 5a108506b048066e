// Credit-card debts: monthly payments against a debt that monthly purchases and 30-day
// interest increase, and the payoff of what is left at the payoff age.
#include <string>

#include "engine/debt_events_internal.h"
#include "engine/line_text.h"
#include "model/event_views.h"
#include "model/money_format.h"

namespace tarvel::engine::debt {
namespace {

// One year's months (fewer in a first year that is only partly simulated).
void PayMonths(const model::Scenario& scenario, Run& run, int slot) {
  model::FinancialEvent& event = run.state.events[slot];
  const model::CreditCardTerms card(event);
  const int months = static_cast<int>(12.0 * run.year_fraction);
  const double payment = card.monthly_payment();
  double debt = card.debt();
  double paid = 0;
  for (int month = 1; month <= months; ++month) {
    // Purchases are new debt.
    debt += card.monthly_purchases();
    AddTo(run.liabilities, card.monthly_purchases());
    const double interest = debt * card.yearly_rate_percent() * (1.0 / 365.0) * 30.0 * 0.01;
    AddTo(run.year.interest_paid, interest);
    if (debt - payment < payment) {
      paid += debt;
      AddTo(run.liabilities, -debt);
      AddTo(run.year.withdrawals, debt);
      debt = 0;
      break;
    }
    const double principal = payment - interest;
    debt -= principal;
    AddTo(run.liabilities, -principal);
    paid += payment;
    AddTo(run.year.withdrawals, payment);
  }
  card.debt() = static_cast<float>(debt);
  // A first year shorter than a month makes no payment but still says what it paid.
  AddTo(run.year.other_payments, paid);
  Line(run, slot, [&] {
    return LineText("  %s - Withdraw %s to pay off credit card.", event.description.view(),
                    MoneyText(run, paid).c_str());
  });
  Pay(scenario, run, slot, paid);
}

void PayOffCard(const model::Scenario& scenario, Run& run, int slot) {
  model::FinancialEvent& event = run.state.events[slot];
  const model::CreditCardTerms card(event);
  const double debt = card.debt();
  Line(run, slot, [&] {
    return LineText("   %s - Paid off credit card with %s", event.description.view(),
                    MoneyText(run, debt).c_str());
  });
  AddTo(run.liabilities, -debt);
  AddTo(run.year.withdrawals, debt);
  AddTo(run.year.other_payments, debt);
  card.debt() = 0;
  Pay(scenario, run, slot, debt);
}

}  // namespace

// A credit card has no selling age.
void CreditCardYear(const model::Scenario& scenario, Run& run, int slot) {
  model::FinancialEvent& event = run.state.events[slot];
  const model::CreditCardTerms card(event);
  const float age = run.current_age;
  if (age < event.end_age && card.paid_off() == 0 && card.debt() > 0) {
    PayMonths(scenario, run, slot);
  }
  if (age >= event.end_age && card.paid_off() == 0) {
    card.paid_off() = 1;
    if (card.debt() > 0) PayOffCard(scenario, run, slot);
  }
}

}  // namespace tarvel::engine::debt
