// Bounds checks of the calculators' typed inputs.
#include "calculators/calculator_input.h"

#include <cmath>

namespace tarvel::calculators {

bool WithinBound(const InputBound& bound, double value) {
  if (std::isnan(value) || value > bound.maximum) return false;
  return bound.minimum_refused ? value > bound.minimum : value >= bound.minimum;
}

std::optional<InputProblem> FirstRefused(std::span<const InputBound> bounds,
                                         std::span<const double> values) {
  for (const InputBound& bound : bounds) {
    const double value = bound.input < static_cast<int>(values.size())
                             ? values[static_cast<std::size_t>(bound.input)]
                             : std::nan("");
    if (!WithinBound(bound, value)) return InputProblem{bound.input, bound.message, bound.caption};
  }
  return std::nullopt;
}

double WholePart(double value) { return std::isnan(value) ? value : std::trunc(value); }

}  // namespace tarvel::calculators
