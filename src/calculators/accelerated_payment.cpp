// The accelerated payment analysis, month by month in 4-byte floats.
#include "calculators/accelerated_payment.h"

#include <algorithm>
#include <cmath>

#include "engine/amortization.h"

namespace tarvel::calculators {
namespace {

constexpr char kRateCaption[] = "Rate Error!";

constexpr InputBound kAcceleratedBounds[] = {
    {kAcceleratedLoan, 0.0, 1e7, true,
     "The mortgage amount must be greater than 0.00 and less than 10,000,000.00.", "Amount Error!"},
    {kAcceleratedYears, 1.0, 50.0, false,
     "The number of years must be greater than 0 and less than 50.", "Number of Years Error!"},
    {kAcceleratedRate, 0.0, 50.0, true,
     "The mortgage rate must be greater than 0.0% and less than 50.0%", kRateCaption},
    {kAcceleratedExtra, 0.0, 100000.0, false,
     "The addition monthly payment must be greater than 0.00 and less than 100,000.00",
     "Additional Amount Error!"},
    {kAcceleratedInvestmentRate, 0.0, 50.0, false,
     "The investment rate must be greater than 0.0% and less than 50.0%", kRateCaption},
    {kAcceleratedTaxRate, 0.0, 50.0, false,
     "The tax rate must be greater than 0.0% and less than 50.0%", kRateCaption},
    {kAcceleratedInflationRate, 0.0, 50.0, false,
     "The inflation rate must be greater than 0.0% and less than 50.0%", kRateCaption},
};
// Checked after the number of years, against it.
constexpr int kYearsLeftPosition = 2;

// A balance within half a cent of the payment is cleared by it.
constexpr float kClearedWithin = 0.005f;

float InvestedValue(float extra, int years, const AcceleratedInputs& inputs) {
  const float yearly_extra = 12.0f * extra;
  const float growth = static_cast<float>(inputs[kAcceleratedInvestmentRate]) * 0.01f;
  const float tax = static_cast<float>(inputs[kAcceleratedTaxRate]) * 0.01f;
  const float inflation = static_cast<float>(inputs[kAcceleratedInflationRate]) * 0.01f;
  float value = yearly_extra;
  for (int year = 0; year < years; ++year) {
    const float gain = growth * value;
    value -= gain * tax;
    value -= value * inflation;
    value += gain + yearly_extra;
  }
  return value;
}

}  // namespace

std::optional<InputProblem> CheckAccelerated(const AcceleratedInputs& inputs) {
  AcceleratedInputs read = inputs;
  read[kAcceleratedYears] = WholePart(read[kAcceleratedYears]);
  read[kAcceleratedYearsLeft] = WholePart(read[kAcceleratedYearsLeft]);
  const std::span<const InputBound> bounds(kAcceleratedBounds);
  if (auto problem = FirstRefused(bounds.first(kYearsLeftPosition), read)) return problem;
  const InputBound years_left{kAcceleratedYearsLeft,
                              1.0,
                              read[kAcceleratedYears],
                              false,
                              "The number of years left must be greater than 0 and less than the "
                              "life of the mortgage.",
                              "Number of Years Left Error!"};
  if (!WithinBound(years_left, read[kAcceleratedYearsLeft])) {
    return InputProblem{kAcceleratedYearsLeft, years_left.message, years_left.caption};
  }
  return FirstRefused(bounds.subspan(kYearsLeftPosition), read);
}

AcceleratedResult AnalyzeAccelerated(const AcceleratedInputs& inputs) {
  const float loan = static_cast<float>(inputs[kAcceleratedLoan]);
  const int years = static_cast<int>(WholePart(inputs[kAcceleratedYears]));
  const int years_left = static_cast<int>(WholePart(inputs[kAcceleratedYearsLeft]));
  const float extra = static_cast<float>(inputs[kAcceleratedExtra]);
  const float rate = (1.0f / 12.0f) * static_cast<float>(inputs[kAcceleratedRate]) * 0.01f;
  const int months = years * 12;
  const int months_paid = std::max(0, years - years_left) * 12;

  AcceleratedResult result;
  result.payment = engine::MonthlyPayment(loan, rate, months);
  float existing = loan;
  float accelerated = loan;
  float existing_interest = 0;
  float accelerated_interest = 0;
  for (int month = 1; month <= months; ++month) {
    if (existing > 0) {
      const float interest = rate * existing;
      existing_interest += interest;
      existing = std::max(0.0f, existing - (result.payment - interest));
    }
    if (accelerated > 0) {
      const float interest = rate * accelerated;
      accelerated_interest += interest;
      float principal = result.payment - interest;
      if (month > months_paid) principal += extra;
      // The paying-off month counts: it is the last month a payment is made.
      result.paying_months = month;
      accelerated = accelerated - principal <= kClearedWithin ? 0 : accelerated - principal;
    }
  }
  result.total_interest = existing_interest;
  result.total_payments = existing_interest + loan;
  result.accelerated_payment = result.payment + extra;
  result.accelerated_total_interest = accelerated_interest;
  result.accelerated_total_payments = accelerated_interest + loan;
  result.savings = result.total_payments - result.accelerated_total_payments;
  result.invested_years = std::max(0, result.paying_months - months_paid) / 12;
  result.invested_value = InvestedValue(extra, result.invested_years, inputs);
  return result;
}

int YearsLeft(int term_years, double start_age, double plan_start_age) {
  const int elapsed = std::max(0, static_cast<int>(plan_start_age) - static_cast<int>(start_age));
  return std::max(1, term_years - elapsed);
}

}  // namespace tarvel::calculators
