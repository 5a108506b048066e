// The inflation calculator: what an amount grows to at a yearly inflation rate between two ages.
#pragma once

#include <optional>

#include "calculators/calculator_input.h"
#include "model/calculator_inputs.h"

namespace tarvel::calculators {

enum InflationInput { kInflationStartAge, kInflationEndAge, kInflationRate, kInflationStartAmount };

// The calculator's checks in order; the first refused input, or none.
std::optional<InputProblem> CheckInflation(const model::InflationInputs& inputs);

// amount = start amount; for each whole age k from the whole start age to the whole end age - 1:
// amount = amount x rate x 0.01 + amount, the product formed in double and stored as a float.
float InflatedAmount(const model::InflationInputs& inputs);

}  // namespace tarvel::calculators
