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
  AmortizedYear year;
  if (last < 0 || months <= 0 || !(principal > 0)) return year;
  const float payment = MonthlyPayment(principal, monthly_rate, months);
  float balance = static_cast<float>(principal);
  float repaid = 0;
  for (int month = 0; month <= last; ++month) {
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
  return year;
}

}  // namespace tarvel::engine
