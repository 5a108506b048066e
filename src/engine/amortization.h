// Level monthly payments of a loan or mortgage and the principal and interest of one year of
// its amortisation schedule.
#pragma once

namespace tarvel::engine {

// The level monthly payment that repays the principal in the given number of months at the
// monthly rate (yearly percent x 0.01 / 12): P x i / (1 - 1 / (1 + i)^n). No months give 0;
// a rate of 0 gives principal / months.
float MonthlyPayment(double principal, double monthly_rate, int months);

// One stretch of the schedule: the principal repaid, the interest paid and the number of
// payments made in its months.
struct AmortizedYear {
  float principal = 0;
  float interest = 0;
  int payments = 0;
};

// The principal repaid and the interest paid in months first..last (counted from 0 at the
// first payment) of a loan of principal P at the monthly rate over the given months. From
// month first_extra_month on, every payment carries extra principal. The last payment only
// clears what is left of the balance.
AmortizedYear AmortizeYear(double principal, double monthly_rate, int months, int first, int last,
                           double extra_principal, int first_extra_month);

// Where a schedule stood after the months already walked: the next stretch of the same
// schedule goes on from there instead of walking it again from its first month.
struct AmortizationCursor {
  bool valid = false;
  double principal = 0;
  double monthly_rate = 0;
  int months = 0;
  double extra_principal = 0;
  int first_extra_month = 0;
  int month = 0;      // the next month to walk
  float balance = 0;  // the balance before that month
};

// The same, going on from the cursor when it holds the same schedule at or before month
// first, and leaving the cursor after month last.
AmortizedYear AmortizeYear(double principal, double monthly_rate, int months, int first, int last,
                           double extra_principal, int first_extra_month,
                           AmortizationCursor& cursor);

}  // namespace tarvel::engine
