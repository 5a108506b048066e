// The rounded value scale: ten grid lines holding every value, round ranges, 0 on a line.
#include "graphs/value_scale.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

namespace tarvel::graphs {
namespace {

void ExpectScale(const ValueScale& scale, float minimum, float range, float step) {
  EXPECT_FLOAT_EQ(scale.minimum, minimum);
  EXPECT_FLOAT_EQ(scale.range, range);
  EXPECT_FLOAT_EQ(scale.step, step);
}

TEST(ChooseValueScale, RoundsTheTopUpToARoundRange) {
  ExpectScale(ChooseValueScale(0, 8500), 0, 10000, 1000);
  ExpectScale(ChooseValueScale(0, 100000), 0, 200000, 20000);
  ExpectScale(ChooseValueScale(0, 0.5f), 0, 6, 0.6f);
  ExpectScale(ChooseValueScale(0, 3000), 0, 4000, 400);
}

TEST(ChooseValueScale, PutsZeroOnAGridLineWhenValuesGoNegative) {
  // -450 widens to -480; R 3,828 snaps to 4,000; -480 drops to -800 so 0 is line 2.
  ExpectScale(ChooseValueScale(-450, 3200), -800, 4000, 400);
  ExpectScale(ChooseValueScale(-50, 100), -60, 200, 20);
}

TEST(ChooseValueScale, KeepsEveryValueBetweenBottomAndTopLines) {
  const float cases[][2] = {{-450, 3200}, {-50, 100},   {-1, 1},         {-9999, 12},
                            {0, 1},       {-250000, 0}, {-37.5f, 99.9f}, {-3e6f, 7.5e6f}};
  for (const auto& [minimum, maximum] : cases) {
    const ValueScale scale = ChooseValueScale(minimum, maximum);
    EXPECT_LE(scale.minimum, minimum) << minimum << " " << maximum;
    EXPECT_GE(scale.Top(), maximum) << minimum << " " << maximum;
    const float zero_line = -scale.minimum / scale.step;
    EXPECT_NEAR(zero_line, std::round(zero_line), 1e-3) << minimum << " " << maximum;
  }
}

TEST(ChooseValueScale, BottomLineIsNeverAboveTheMinimum) {
  // Minimums whose leading digit rounds them far down (-18,000 rounds to -10,000), over
  // negative, mixed and positive ranges, and magnitudes too small to round.
  struct Case {
    float minimum, maximum;
  };
  const Case cases[] = {{-18000, 0},      {-18000, -500}, {-1999, -1999},  {-19.5f, 0},
                        {-1.9f, 0},       {-0.05f, 0},    {-18000, 5000},  {-17500, 2e5f},
                        {-1.99e6f, 3e5f}, {-190, 1},      {-0.05f, 0.02f}, {0, 18000},
                        {12, 19000},      {1e-3f, 0.02f}, {-1e-20f, 1}};
  for (const auto& [minimum, maximum] : cases) {
    const ValueScale scale = ChooseValueScale(minimum, maximum);
    const std::string shown = std::to_string(minimum) + " .. " + std::to_string(maximum);
    EXPECT_LE(scale.minimum, std::fmin(minimum, 0.0f)) << shown;
    EXPECT_GE(scale.Top() + 1e-6f * scale.range, maximum) << shown;  // four-byte sums
    EXPECT_GT(scale.minimum, std::fmin(minimum, 0.0f) - scale.range) << shown;
    const float zero_line = -scale.minimum / scale.step;
    EXPECT_NEAR(zero_line, std::round(zero_line), 1e-3) << shown;
  }
  // -18,000 widens by 80 % to -18,000; R 18,000 + 6,000 snaps to 30,000 with 0 on line 6.
  ExpectScale(ChooseValueScale(-18000, 5000), -18000, 30000, 3000);
}

TEST(ChooseValueScale, AllZeroValuesGiveAUnitRangeWithZeroAtTheBottom) {
  ExpectScale(ChooseValueScale(0, 0), 0, 1, 0.1f);
  EXPECT_FALSE(std::signbit(ChooseValueScale(0, 0).minimum));
}

TEST(ChooseValueScale, ZoomedScaleKeepsTheUnsnappedRange) {
  // Top trunc(8.5) x 1000 = 8,000, raised by steps of 800 to 8,800; no snapping.
  ExpectScale(ChooseValueScale(0, 8500, true), 0, 8800, 880);
}

TEST(ChooseValueScale, UnsoundInputStillGivesAUsableScale) {
  const float nan = std::numeric_limits<float>::quiet_NaN();
  const float infinity = std::numeric_limits<float>::infinity();
  for (const ValueScale& scale : {ChooseValueScale(nan, nan), ChooseValueScale(-infinity, infinity),
                                  ChooseValueScale(0, 3e38f), ChooseValueScale(5, -5)}) {
    EXPECT_TRUE(std::isfinite(scale.minimum));
    EXPECT_TRUE(std::isfinite(scale.range));
    EXPECT_GT(scale.range, 0);
  }
}

struct ZoomScaleCase {
  float minimum;
  float maximum;
  float expected_minimum;
  float expected_range;
};

// A zoomed range is fitted to its own values with steps of 1, 2 or 5 times a power of ten;
// the zoom marks' heights play no part.
TEST(ChooseZoomScale, FitsTheShownValuesWithRoundSteps) {
  const ZoomScaleCase cases[] = {
      {0, 1'568'181, 0, 2'000'000},           // step 200,000, not 156,818.1
      {0, 5432, 0, 10'000},                   // step 1,000
      {0, 1000, 0, 1000},                     // a value on the top line needs no more
      {-350, 1200, -400, 2000},               // step 200, 0 on line 2
      {-90'000, -10'000, -100'000, 100'000},  // all below 0: 0 is the top line
      {0, 0.37f, 0, 0.5f},                    // step 0.05
      {0, 0, 0, 1},                           // nothing to show
  };
  for (const ZoomScaleCase& c : cases) {
    const ValueScale scale = ChooseZoomScale(c.minimum, c.maximum);
    SCOPED_TRACE(std::to_string(c.minimum) + " to " + std::to_string(c.maximum));
    EXPECT_FLOAT_EQ(scale.minimum, c.expected_minimum);
    EXPECT_FLOAT_EQ(scale.range, c.expected_range);
    EXPECT_FLOAT_EQ(scale.step, c.expected_range / 10);
    EXPECT_LE(scale.minimum, std::fmin(c.minimum, 0.0f));
    EXPECT_GE(scale.Top(), c.maximum);
  }
  const ValueScale wild = ChooseZoomScale(std::numeric_limits<float>::quiet_NaN(), 3e38f);
  EXPECT_TRUE(std::isfinite(wild.range) && wild.range > 0);
}

}  // namespace
}  // namespace tarvel::graphs
