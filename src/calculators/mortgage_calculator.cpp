// The mortgage calculator's checks and payment.
#include "calculators/mortgage_calculator.h"

#include "engine/amortization.h"

namespace tarvel::calculators {
namespace {

constexpr char kAmountMessage[] =
    "This amount must be greater than 0.00 and less than 99999999.00.";
constexpr char kDownPaymentCaption[] = "DOWN PAYMENT ERROR";

constexpr InputBound kMortgageBounds[] = {
    {kMortgageRate, 1.0, 1000.0, false,
     "Loan/Mortgage rates must be greater than 0.0 and less than 1000.0.", "RATE ERROR"},
    {kMortgageAmount, 1.0, 1e8, false, kAmountMessage, "AMOUNT ERROR"},
    {kMortgageDownPayment, 0.0, 1e8, false, kAmountMessage, kDownPaymentCaption},
    {kMortgageYears, 1.0, 100.0, false, "The number of years must be between 1 and 100.",
     "NO OF YEARS ERROR"},
};

}  // namespace

std::optional<InputProblem> CheckMortgage(const MortgageInputs& inputs) {
  MortgageInputs read = inputs;
  read[kMortgageYears] = WholePart(read[kMortgageYears]);
  if (auto problem = FirstRefused(kMortgageBounds, read)) return problem;
  if (read[kMortgageDownPayment] > read[kMortgageAmount]) {
    return InputProblem{kMortgageDownPayment,
                        "The down payment cannot be larger than the amount of the mortgage.",
                        kDownPaymentCaption};
  }
  return std::nullopt;
}

float FinancedAmount(const MortgageInputs& inputs) {
  return static_cast<float>(inputs[kMortgageAmount]) -
         static_cast<float>(inputs[kMortgageDownPayment]);
}

float MortgagePayment(const MortgageInputs& inputs) {
  const float monthly_rate = static_cast<float>(inputs[kMortgageRate]) * 0.01f * (1.0f / 12.0f);
  const int months = static_cast<int>(WholePart(inputs[kMortgageYears])) * 12;
  return engine::MonthlyPayment(FinancedAmount(inputs), monthly_rate, months);
}

}  // namespace tarvel::calculators
