// How long a credit-card debt takes to pay off: month by month, purchases are added, 30 days of
// interest at the yearly rate are charged (balance x rate x 30 / 365 %), and the payment less
// that interest comes off, for at most 100 years. A month whose balance less the payment is at
// most the payment is the last: it pays the whole balance and its interest.
#pragma once

namespace tarvel::ui {

struct CreditCardDebt {
  double balance = 0;
  double yearly_rate_percent = 0;
  double monthly_payment = 0;
  double monthly_purchases = 0;
};

struct CreditCardPayoff {
  bool paid_off = false;  // false: the payments never clear the debt within 100 years
  int months = 0;
  double total_interest = 0;
  double years() const { return months / 12.0; }
};

inline constexpr int kPayoffMonthLimit = 100 * 12;

CreditCardPayoff PayOffCreditCard(const CreditCardDebt& debt);

}  // namespace tarvel::ui
