// The checks of a calculator's typed inputs: each input accepted between its bounds or refused
// with the message and caption its dialog shows; the first refused input in check order wins.
#pragma once

#include <optional>
#include <span>
#include <string>

namespace tarvel::calculators {

struct InputBound {
  int input = 0;  // the calculator's own input number, an index into its values
  double minimum = 0;
  double maximum = 0;
  bool minimum_refused = false;  // "above 0": the minimum itself is refused
  const char* message = "";
  const char* caption = "";
};

struct InputProblem {
  int input = 0;
  std::string message;
  std::string caption;
};

// True when the value lies within the bound; a value that is no number (NaN) never does.
bool WithinBound(const InputBound& bound, double value);

// The first input, in the bounds' order, whose value is refused.
std::optional<InputProblem> FirstRefused(std::span<const InputBound> bounds,
                                         std::span<const double> values);

// A whole-number input as the dialogs read it: the whole part of what was typed.
double WholePart(double value);

}  // namespace tarvel::calculators
