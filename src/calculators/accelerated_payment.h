// The accelerated mortgage payment analysis: an existing mortgage beside the same mortgage paid
// down faster by an additional monthly payment, and what that payment would grow to if invested.
#pragma once

#include <array>
#include <optional>

#include "calculators/calculator_input.h"

namespace tarvel::calculators {

enum AcceleratedInput {
  kAcceleratedLoan,            // L, currency
  kAcceleratedYears,           // N, whole years, 1 to 50
  kAcceleratedYearsLeft,       // Y, whole years, 1 to N
  kAcceleratedRate,            // R, percent per year
  kAcceleratedExtra,           // E, currency per month
  kAcceleratedInvestmentRate,  // Ri, percent per year
  kAcceleratedTaxRate,         // Rt, percent
  kAcceleratedInflationRate,   // Rf, percent per year
};
using AcceleratedInputs = std::array<double, 8>;

// The checks in order: loan, years, years left (at most the years), rate, additional payment,
// investment, tax and inflation rates.
std::optional<InputProblem> CheckAccelerated(const AcceleratedInputs& inputs);

struct AcceleratedResult {
  // The existing mortgage.
  float payment = 0;         // P
  float total_payments = 0;  // S1 + L
  float total_interest = 0;  // S1
  // The accelerated mortgage.
  int paying_months = 0;          // K: the month that clears the balance, counted from the start
  float accelerated_payment = 0;  // P + E
  float accelerated_total_payments = 0;
  float accelerated_total_interest = 0;
  float savings = 0;
  // The additional payment invested instead, over the whole years it is paid.
  int invested_years = 0;
  float invested_value = 0;
};

// Months k = 1..N x 12 at i = R x 0.01 / 12 with P = MonthlyPayment(L, i, N x 12): both
// balances pay P; from the month after the (N - Y) x 12 months already paid the accelerated one
// pays P + E, its last payment only what is left. K is the month that clears it (the full term
// when E is 0). Investment: Z = (K - (N - Y) x 12) / 12 whole years; v = 12E, then Z times
// g = Ri% x v, v -= g x Rt%, v -= v x Rf%, v += g + 12E.
AcceleratedResult AnalyzeAccelerated(const AcceleratedInputs& inputs);

// The years left of a mortgage of term_years that started at start_age when the plan starts at
// plan_start_age: the term less the whole years already elapsed, at least 1.
int YearsLeft(int term_years, double start_age, double plan_start_age);

}  // namespace tarvel::calculators
