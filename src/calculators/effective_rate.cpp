// The effective yearly rate calculator's formula, formed in double precision
// and kept as a 4-byte float.
#include "calculators/effective_rate.h"

#include <cmath>

namespace tarvel::calculators {

float EffectiveRate(float nominal_rate, int compoundings_per_year) {
  const int periods = compoundings_per_year < 1 ? 1 : compoundings_per_year;
  const double growth = 1.0 + static_cast<double>(nominal_rate) * 0.01 / periods;
  const double power = std::pow(growth, periods);
  return static_cast<float>((power - 1.0) * 100.0);
}

}  // namespace tarvel::calculators
