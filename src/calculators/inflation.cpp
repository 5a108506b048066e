// The inflation calculator's checks and compounding.
#include "calculators/inflation.h"

#include "model/whole_age.h"

namespace tarvel::calculators {
namespace {

constexpr char kEndAgeError[] = "End Age Error!";

bool InRange(float value, float low, float high) { return value >= low && value <= high; }

}  // namespace

std::optional<InputProblem> CheckInflation(const model::InflationInputs& inputs) {
  if (!InRange(inputs.start_age, 1, 120)) {
    return {{kInflationStartAge, "Start age must be a value from 1 - 120.", "Start Age Error!"}};
  }
  if (!InRange(inputs.end_age, 1, 120)) {
    return {{kInflationEndAge, "End Age must be a value from 1 - 120.", kEndAgeError}};
  }
  if (!(inputs.end_age > inputs.start_age)) {
    return {{kInflationEndAge, "End Age must be greater the Start Age.", kEndAgeError}};
  }
  if (!InRange(inputs.rate, -100, 100)) {
    return {{kInflationRate, "Inflation Rate must be a value from -100 - 100.", "Rate Error!"}};
  }
  if (!InRange(inputs.start_amount, 1.0f, 99999999.0f)) {
    return {{kInflationStartAmount, "This amount must be a value from 1.0 - 99999999.00",
             "Amount Error!"}};
  }
  return std::nullopt;
}

float InflatedAmount(const model::InflationInputs& inputs) {
  float amount = inputs.start_amount;
  const int last = model::WholeAge(inputs.end_age);
  for (int age = model::WholeAge(inputs.start_age); age < last; ++age) {
    amount = static_cast<float>(static_cast<double>(amount) * inputs.rate * 0.01 + amount);
  }
  return amount;
}

}  // namespace tarvel::calculators
