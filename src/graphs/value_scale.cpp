// The value-scale rule: a rounded top, a widened bottom, R snapped to a round number and the
// zero line moved onto a grid line. Arithmetic is in four-byte floats, as the scale was
// always computed, so the grid lines land on the same values.
#include "graphs/value_scale.h"

#include <array>
#include <cmath>

namespace tarvel::graphs {
namespace {

constexpr float kLargestValue = 1e30f;
constexpr int kMaxRaises = 100;  // raising the top by S needs at most about 10 steps
// The leading digit d rounds a magnitude down by less than (d + 1) / d, at most twice.
constexpr int kMaxWidenings = 20;
constexpr double kGridSteps = 10;                      // grid lines 0 to 10
constexpr std::array<double, 3> kRoundSteps{1, 2, 5};  // times a power of ten
constexpr double kSlack = 1e-6;                        // of a grid step

float Sound(float value) {
  if (std::isnan(value)) return 0;
  if (value > kLargestValue) return kLargestValue;
  if (value < -kLargestValue) return -kLargestValue;
  return value;
}

float PowerOfTen(int exponent) {
  float power = 1.0f;
  for (int i = 0; i < exponent; ++i) power *= 10.0f;
  return power;
}

// Divides by 10 until the value is at most 1; returns the number of divisions.
int ShrinkToUnit(float& value) {
  int exponent = 0;
  while (value > 1.0f) {
    value = value * 0.1f;
    ++exponent;
  }
  return exponent;
}

float ProvisionalTop(float maximum, bool zoomed) {
  float t = maximum;
  const int e = ShrinkToUnit(t);
  const float p = e <= 1 ? 1.0f : PowerOfTen(e - 1);
  return std::trunc(t * (zoomed ? 10.0f : 11.0f)) * p;
}

// The bottom: the rounded magnitude of a negative minimum, widened by steps of 10 % until it
// holds the minimum. Rounding takes the leading digit only, so a minimum such as -18,000
// rounds to -10,000 and needs 80 %; the bottom never stops above the minimum.
float WidenedBottom(float minimum) {
  if (minimum > 0) return 0;
  float a = std::fabs(minimum);
  const int k = ShrinkToUnit(a);
  const float q = k <= 1 ? 1.0f : PowerOfTen(k - 1);
  const float b = std::trunc(a * 10.0f) * q;
  float candidate = -b;
  float widening = 0.1f;
  for (int made = 0; candidate > minimum && made < kMaxWidenings; ++made) {
    candidate = -b * (1.0f + widening);
    widening += 0.1f;
  }
  if (candidate > minimum) candidate = minimum;  // a magnitude too small to round
  return candidate == 0 ? 0.0f : candidate;      // no negative zero
}

// 1, 2, 3, 4, 5, 6 or 10 times a power of ten, at least the given range.
float SnapRange(float range) {
  float u = range;
  int d = 0;
  while (0.1f * u > 1.0f) {
    u = 0.1f * u;
    ++d;
  }
  const float g = std::trunc(u);
  return g > 5 ? PowerOfTen(d + 1) : (g + 1) * PowerOfTen(d);
}

// Lowers a negative minimum to a whole multiple of the step so 0 falls on a grid line.
float ZeroOnGridLine(float minimum, float step) {
  if (!(minimum < 0)) return minimum;
  float sum = minimum;
  for (int i = 0; i < 10; ++i) {  // with no values above 0, zero is the top line
    sum += step;
    if (sum == 0) break;
    if (sum > 0) return minimum - sum;
  }
  return minimum;
}

}  // namespace

ValueScale ChooseValueScale(float minimum, float maximum, bool zoomed) {
  minimum = Sound(minimum);
  maximum = std::fmax(Sound(maximum), 0.0f);  // the scale always holds the zero line
  float top = ProvisionalTop(maximum, zoomed);
  minimum = WidenedBottom(minimum);

  float range = std::fabs(minimum) + top;
  if (range == 0) range = 1.0f;
  float step = 0.1f * range;
  for (int i = 0; top < maximum && i < kMaxRaises; ++i) top += step;
  range = std::fabs(minimum) + top;

  if (!zoomed) range = SnapRange(range);
  if (range == 0) range = 1.0f;
  step = 0.1f * range;
  return ValueScale{ZeroOnGridLine(minimum, step), range, step};
}

ValueScale ChooseZoomScale(float minimum, float maximum) {
  const double low = std::fmin(Sound(minimum), 0.0f);
  const double high = std::fmax(Sound(maximum), 0.0f);
  if (!(high - low > 0)) return ValueScale{};
  const double decade = std::pow(10.0, std::floor(std::log10((high - low) / kGridSteps)) - 1);
  for (double power = decade;; power *= 10) {
    for (const double multiple : kRoundSteps) {
      const double step = multiple * power;
      // A hair of slack so that a value on a grid line does not ask for one more line.
      const double bottom = std::floor(low / step + kSlack);
      const double top = std::ceil(high / step - kSlack);
      if (top - bottom > kGridSteps) continue;
      // Spare lines go above the values, or below them when no value is above 0.
      const double first_line = high > 0 ? bottom : -kGridSteps;
      return ValueScale{static_cast<float>(first_line * step),
                        static_cast<float>(kGridSteps * step), static_cast<float>(step)};
    }
  }
}

}  // namespace tarvel::graphs
