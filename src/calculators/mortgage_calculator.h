// The mortgage calculator: the level monthly payment of a mortgage on an amount less its down
// payment.
#pragma once

#include <array>
#include <optional>

#include "calculators/calculator_input.h"

namespace tarvel::calculators {

enum MortgageInput { kMortgageAmount, kMortgageDownPayment, kMortgageRate, kMortgageYears };
// Amount and down payment in currency, rate in percent per year, years whole (1 to 100).
using MortgageInputs = std::array<double, 4>;

// The checks in order: rate, amount, down payment, years (whole), then a down payment larger
// than the amount, which would borrow a negative sum.
std::optional<InputProblem> CheckMortgage(const MortgageInputs& inputs);

// Payment = MonthlyPayment(amount - down payment, rate x 0.01 x (1/12), years x 12), the
// amounts and the monthly rate as 4-byte floats.
float MortgagePayment(const MortgageInputs& inputs);

// What is borrowed: amount - down payment.
float FinancedAmount(const MortgageInputs& inputs);

}  // namespace tarvel::calculators
