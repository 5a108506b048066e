// The credit-card payoff calculation.
#include "ui/editors/credit_card_payoff.h"

namespace tarvel::ui {
namespace {

double MonthInterest(double balance, double yearly_rate_percent) {
  return balance * yearly_rate_percent * (1.0 / 365.0) * 30.0 * 0.01;
}

}  // namespace

CreditCardPayoff PayOffCreditCard(const CreditCardDebt& debt) {
  CreditCardPayoff payoff;
  double balance = debt.balance;
  for (int month = 0; month < kPayoffMonthLimit; ++month) {
    balance += debt.monthly_purchases;
    const double interest = MonthInterest(balance, debt.yearly_rate_percent);
    payoff.total_interest += interest;
    if (balance - debt.monthly_payment <= debt.monthly_payment) {
      ++payoff.months;
      payoff.paid_off = true;
      return payoff;
    }
    balance -= debt.monthly_payment - interest;
    if (balance <= 0) {
      payoff.paid_off = true;
      return payoff;
    }
    ++payoff.months;
  }
  return payoff;
}

}  // namespace tarvel::ui
