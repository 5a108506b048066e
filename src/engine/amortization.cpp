// Level monthly payments and the yearly stretch of an amortisation schedule, month by month
// in single precision as the schedule is stored.
#include "engine/amortization.h"

#include <cmath>

namespace tarvel::engine {

float MonthlyPayment(double principal, double monthly_rate, int months) {
  if (months <= 0) return 0;
  if (monthly_rate == 0) return static_cast<float>(principal / months);
  const double discount = 1.0 / std::pow(1.0 + monthly_rate, months);
  return static_cast<float>(principal * monthly_rate / (1.0 - discount));
}

AmortizedYear AmortizeYear(double principal, double monthly_rate, int months, int first, int last,
                           double extra_principal, int first_extra_month) {
  AmortizationCursor cursor;
  return AmortizeYear(principal, monthly_rate, months, first, last, extra_principal,
                      first_extra_month, cursor);
}

namespace {

bool SameSchedule(const AmortizationCursor& cursor, double principal, double monthly_rate,
                  int months, double extra_principal, int first_extra_month) {
  return cursor.valid && cursor.principal == principal && cursor.monthly_rate == monthly_rate &&
         cursor.months == months && cursor.extra_principal == extra_principal &&
         cursor.first_extra_month == first_extra_month;
}

}  // namespace

AmortizedYear AmortizeYear(double principal, double monthly_rate, int months, int first, int last,
                           double extra_principal, int first_extra_month,
                           AmortizationCursor& cursor) {
  AmortizedYear year;
  if (last < 0 || months <= 0 || !(principal > 0)) return year;
  const float payment = MonthlyPayment(principal, monthly_rate, months);
  float balance = static_cast<float>(principal);
  int start = 0;
  if (SameSchedule(cursor, principal, monthly_rate, months, extra_principal, first_extra_month) &&
      cursor.month <= first) {
    start = cursor.month;
    balance = cursor.balance;
  }
  // A schedule that ends inside this stretch is walked again from its start next time.
  cursor = AmortizationCursor{};
  float repaid = 0;
  for (int month = start; month <= last; ++month) {
    const float interest = static_cast<float>(static_cast<double>(balance) * monthly_rate);
    float part = static_cast<float>(static_cast<double>(payment) - interest);
    if (month >= first_extra_month) part = static_cast<float>(part + extra_principal);
    if (month >= first) {
      year.interest += interest;
      ++year.payments;
      if (balance < part) {
        year.principal = repaid + balance;
        return year;
      }
      repaid += part;
    }
    balance -= part;
    if (balance <= 0) {
      const float rest = repaid + balance;
      year.principal = rest < 0 ? 0 : rest;
      return year;
    }
  }
  year.principal = repaid;
  cursor = {true,     principal, monthly_rate, months, extra_principal, first_extra_month,
            last + 1, balance};
  return year;
}

}  // namespace tarvel::engine
