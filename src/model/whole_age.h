// Whole years of an age stored as a four-byte float.
#pragma once

#include <cmath>

namespace tarvel::model {

// The whole years of an age, rounded down; -1 for an age that is not a number or lies beyond
// a million years. The run driver, the summary rows and Rule 72T count ages this way.
inline int WholeAge(float age) {
  if (!(age > -1.0e6f && age < 1.0e6f)) return -1;
  return static_cast<int>(std::floor(age));
}

// The whole years of an age, rounded toward zero (so -0.5 gives 0); -1 beyond a million years
// or for an age that is not a number. Cash-flow events and the funding of outflows compare
// and record ages this way.
inline int WholeAgeTowardZero(float age) {
  if (!(age > -1.0e6f && age < 1.0e6f)) return -1;
  return static_cast<int>(age);
}

}  // namespace tarvel::model
