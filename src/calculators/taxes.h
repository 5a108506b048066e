// Taxes, inflation and your investment: what an amount grows to after taxes on its return,
// and what that is worth in today's money.
#pragma once

#include <optional>

#include "calculators/calculator_input.h"
#include "model/calculator_inputs.h"

namespace tarvel::calculators {

enum TaxesInput { kTaxesAmount, kTaxesYears, kTaxesInflationRate, kTaxesTaxRate };

inline constexpr int kMostTaxYears = 100;

// The checks in order: an amount above 0, 1 to 100 whole years, a tax rate of 0 to 100 %, an
// inflation rate above -100 % (today's value divides by 1 + inflation).
std::optional<InputProblem> CheckTaxes(const model::TaxesInputs& inputs);

// A tax rate taken off a return or a value: 0 to 100 percent. The problem names the input.
std::optional<InputProblem> CheckTaxRate(int input, double tax_rate);

struct TaxesResults {
  float worth = 0;         // after taxes, in the money of the last year
  float todays_value = 0;  // the worth in today's money
  float yearly_rate = 0;   // percent, the simple average over the years
};

// In 4-byte floats, pow(x, n) being x multiplied by itself n times:
//   after-tax rate a = r - tax x 0.01 x r
//   worth W = P x pow(1 + a x 0.01, n)
//   real rate q = (1 + a x 0.01) / (1 + inflation x 0.01) - 1; today's value T = P x pow(1 + q, n)
//   yearly rate = (T - P) / P x 100 / n
TaxesResults AnalyzeTaxes(const model::TaxesInputs& inputs);

}  // namespace tarvel::calculators
