// The taxes, inflation and investment analysis.
#include "calculators/taxes.h"

namespace tarvel::calculators {
namespace {

constexpr char kYearsError[] = "Number of Years Error!";

float Power(float base, int times) {
  float result = 1.0f;
  for (int i = 0; i < times; ++i) result *= base;
  return result;
}

}  // namespace

std::optional<InputProblem> CheckTaxes(const model::TaxesInputs& inputs) {
  if (!(inputs.amount > 0)) {
    return {{kTaxesAmount, "The investment amount must be greater than 0.00.", "Amount Error!"}};
  }
  if (inputs.years < 1) {
    return {{kTaxesYears, "The number of years be greater than 0.", kYearsError}};
  }
  if (inputs.years > kMostTaxYears) {
    return {{kTaxesYears, "The number of years must be between 1 and 100.", kYearsError}};
  }
  if (auto problem = CheckTaxRate(kTaxesTaxRate, inputs.tax_rate)) return problem;
  if (!(inputs.inflation_rate > -100)) {
    return {
        {kTaxesInflationRate, "The inflation rate must be greater than -100.00%.", "Rate Error!"}};
  }
  return std::nullopt;
}

std::optional<InputProblem> CheckTaxRate(int input, double tax_rate) {
  const InputBound bound{
      input,        0.0, 100.0, false, "The Tax Rate must be between 0.00   % and 100.00 %.",
      "Rate Error!"};
  if (WithinBound(bound, tax_rate)) return std::nullopt;
  return InputProblem{input, bound.message, bound.caption};
}

TaxesResults AnalyzeTaxes(const model::TaxesInputs& inputs) {
  const float r = inputs.yearly_rate;
  const float after_tax = r - inputs.tax_rate * 0.01f * r;
  const float growth = 1.0f + after_tax * 0.01f;
  const float real_rate = growth / (1.0f + inputs.inflation_rate * 0.01f) - 1.0f;
  TaxesResults results;
  results.worth = inputs.amount * Power(growth, inputs.years);
  results.todays_value = inputs.amount * Power(1.0f + real_rate, inputs.years);
  results.yearly_rate = (results.todays_value - inputs.amount) / inputs.amount * 100.0f /
                        static_cast<float>(inputs.years);
  return results;
}

}  // namespace tarvel::calculators
