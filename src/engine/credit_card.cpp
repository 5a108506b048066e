// Credit-card debts: monthly payments against a debt that monthly purchases and 30-day
// interest increase, and the payoff of what is left at the payoff age.
#include <string>

#include "engine/debt_events_internal.h"
#include "model/money_format.h"

namespace tarvel::engine::debt {
namespace {

// One year's months (fewer in a first year that is only partly simulated).
void PayMonths(model::Scenario& scenario, Run& run, int slot) {
  model::FinancialEvent& event = scenario.events[slot];
  const int months = static_cast<int>(12.0 * run.year_fraction);
  const double payment = event.monthly_payment;
  double debt = event.working_amount_28;
  double paid = 0;
  for (int month = 1; month <= months; ++month) {
    // Purchases are new debt.
    debt += event.value_134;
    AddTo(run.liabilities, event.value_134);
    const double interest = debt * event.rate_40 * (1.0 / 365.0) * 30.0 * 0.01;
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
  event.working_amount_28 = static_cast<float>(debt);
  // A first year shorter than a month makes no payment but still says what it paid.
  AddTo(run.year.other_payments, paid);
  Line(run, slot,
       model::Format("  %s - Withdraw %s to pay off credit card.", event.description.str().c_str(),
                     MoneyText(run, paid).c_str()));
  Pay(scenario, run, slot, paid);
}

void PayOffCard(model::Scenario& scenario, Run& run, int slot) {
  model::FinancialEvent& event = scenario.events[slot];
  const double debt = event.working_amount_28;
  Line(run, slot,
       model::Format("   %s - Paid off credit card with %s", event.description.str().c_str(),
                     MoneyText(run, debt).c_str()));
  AddTo(run.liabilities, -debt);
  AddTo(run.year.withdrawals, debt);
  AddTo(run.year.other_payments, debt);
  event.working_amount_28 = 0;
  Pay(scenario, run, slot, debt);
}

}  // namespace

// A credit card has no selling age: its offset 10 holds the months to pay off.
void CreditCardYear(model::Scenario& scenario, Run& run, int slot) {
  model::FinancialEvent& event = scenario.events[slot];
  const float age = run.current_age;
  if (age < event.end_age && event.flag_14 == 0 && event.working_amount_28 > 0) {
    PayMonths(scenario, run, slot);
  }
  if (age >= event.end_age && event.flag_14 == 0) {
    event.flag_14 = 1;
    if (event.working_amount_28 > 0) PayOffCard(scenario, run, slot);
  }
}

}  // namespace tarvel::engine::debt
