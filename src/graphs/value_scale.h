// The rounded value scale of a chart: minimum m, range R and grid step S = R / 10.
#pragma once

namespace tarvel::graphs {

struct ValueScale {
  float minimum = 0;  // m, the value of the bottom grid line
  float range = 1;    // R, from the bottom to the top grid line
  float step = 0.1f;  // S, between neighbouring grid lines

  float Top() const { return minimum + range; }
};

// Chooses m, R and S so that ten grid lines hold every value from minimum to maximum, R is
// 1, 2, 3, 4, 5, 6 or 10 times a power of ten (not when zoomed) and, when the minimum is
// below 0, the value 0 lies on a grid line. Values beyond +-1e30 and non-finite ones are
// taken as the nearest sound value.
ValueScale ChooseValueScale(float minimum, float maximum, bool zoomed = false);

// The scale of a zoomed range, fitted to the values shown there: the grid step S is 1, 2 or 5
// times a power of ten, the smallest whose ten grid lines hold every value from minimum to
// maximum and the value 0, with 0 on a grid line. Values that are all 0 give R = 1.
ValueScale ChooseZoomScale(float minimum, float maximum);

}  // namespace tarvel::graphs
