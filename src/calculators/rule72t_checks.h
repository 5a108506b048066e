// The checks the Rule 72T dialog makes before it works out a distribution.
#pragma once

#include <optional>

#include "calculators/calculator_input.h"
#include "engine/rule72t.h"

namespace tarvel::calculators {

enum Rule72TInput { kRule72TStartAge, kRule72TBeneficiaryAge, kRule72TEndAge, kRule72TRate };

struct Rule72TValues {
  float start_age = 0;
  float beneficiary_age = 0;
  float end_age = 0;
  float rate = 0;  // percent per year
  engine::LifeExpectancySource table = engine::LifeExpectancySource::SingleLife;
};

// In order: the uniform table needs both ages at least 10; neither age above 115; a rate above 0
// and at most 100; both ages above 0; an end age not below the start age.
std::optional<InputProblem> CheckRule72TValues(const Rule72TValues& values);

}  // namespace tarvel::calculators
