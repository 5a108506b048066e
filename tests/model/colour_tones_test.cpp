// Colours moved in tone keep their hue; contrast counts luminance, not lightness.
#include "model/colour_tones.h"

#include <gtest/gtest.h>

namespace tarvel::model {
namespace {

constexpr Colour kBlue = platform::Rgb(0, 0, 255);
constexpr Colour kDark = platform::Rgb(35, 38, 41);

TEST(LightenedUntil, KeepsTheHueAndStopsAtTheContrastAsked) {
  for (double contrast : {kVisibleContrast, kReadableContrast}) {
    const Colour shown = LightenedUntil(kBlue, kDark, contrast);
    EXPECT_GE(ContrastRatio(shown, kDark), contrast);
    EXPECT_EQ(platform::BlueOf(shown), 255);
    EXPECT_EQ(platform::RedOf(shown), platform::GreenOf(shown));  // still a pure blue hue
    EXPECT_LT(ContrastRatio(shown, kDark), contrast + 0.5);       // lightened no further
  }
  const Colour red = platform::Rgb(255, 0, 0);
  EXPECT_EQ(LightenedUntil(red, kDark, kVisibleContrast), red);  // it stands out already
  EXPECT_EQ(LightenedUntil(kBlue, platform::kWhite, 25.0), platform::kWhite);
}

TEST(WithLightness, KeepsHueAndSaturation) {
  EXPECT_EQ(WithLightness(kBlue, 0.25), platform::Rgb(0, 0, 128));
  EXPECT_EQ(WithLightness(platform::Rgb(100, 100, 100), 1.0), platform::kWhite);
  EXPECT_NEAR(Lightness(WithLightness(kBlue, 0.75)), 0.75, 0.01);
}

TEST(LighterThan, ComparesByLuminance) {
  EXPECT_TRUE(LighterThan(platform::kWhite, kDark));
  EXPECT_FALSE(LighterThan(kDark, platform::kWhite));
  // Green looks lighter than blue of the same lightness.
  EXPECT_TRUE(LighterThan(platform::Rgb(0, 255, 0), kBlue));
}

}  // namespace
}  // namespace tarvel::model
