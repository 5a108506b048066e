// The Rule 72T dialog's checks of ages and rate.
#include "calculators/rule72t_checks.h"

namespace tarvel::calculators {
namespace {

constexpr char kAgeError[] = "Age Error";

}  // namespace

std::optional<InputProblem> CheckRule72TValues(const Rule72TValues& v) {
  if (v.table == engine::LifeExpectancySource::UniformLifetime &&
      (v.start_age < 10 || v.beneficiary_age < 10)) {
    return {{v.start_age < 10 ? kRule72TStartAge : kRule72TBeneficiaryAge,
             "Ages cannot be less than 10 when using the Uniform Life Table.", kAgeError}};
  }
  if (v.start_age > 115 || v.beneficiary_age > 115) {
    return {{v.start_age > 115 ? kRule72TStartAge : kRule72TBeneficiaryAge,
             "Ages cannot be more than 115.", kAgeError}};
  }
  if (!(v.rate > 0) || v.rate > 100) {
    return {{kRule72TRate, "Rates must be between 0.0% and 100.0%", "Rate Error"}};
  }
  if (!(v.start_age > 0) || !(v.beneficiary_age > 0)) {
    return {{v.start_age > 0 ? kRule72TBeneficiaryAge : kRule72TStartAge,
             "Ages must be greater than 0.0", kAgeError}};
  }
  if (v.end_age < v.start_age) {
    return {{kRule72TEndAge, "The End Age must be greater than the Age.", kAgeError}};
  }
  return std::nullopt;
}

}  // namespace tarvel::calculators
