// The rounded value scale: ten grid lines holding every value, round ranges, 0 on a line.
#include "graphs/value_scale.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

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

TEST(ChooseZoomScale, StartsAtZeroAndSpansTheZoomMaximum) {
  ExpectScale(ChooseZoomScale(5432), 0, 5432, 543.2f);
  ExpectScale(ChooseZoomScale(0), 0, 1, 0.1f);
  // A selection made below the zero line would turn the chart upside down.
  ExpectScale(ChooseZoomScale(-200), 0, 1, 0.1f);
  ExpectScale(ChooseZoomScale(std::numeric_limits<float>::quiet_NaN()), 0, 1, 0.1f);
}

}  // namespace
}  // namespace tarvel::graphs
