// The effective yearly rate, in 4-byte floats as the calculator shows it.
#include "calculators/effective_rate.h"

namespace tarvel::calculators {

double EffectiveYearlyRate(double nominal_percent, int periods_per_year) {
  const int periods = periods_per_year < 1 ? 1 : periods_per_year;
  const float growth =
      1.0f + static_cast<float>(nominal_percent) * 0.01f / static_cast<float>(periods);
  float power = 1.0f;
  for (int period = 0; period < periods; ++period) power *= growth;
  return (power - 1.0f) * 100.0f;
}

}  // namespace tarvel::calculators
