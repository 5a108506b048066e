// Banded rows keep the scenario's look in a light palette and stay readable, banded and in
// their hues in a dark one.
#include "ui/shell/band_colours.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>

#include "results/line_class.h"

namespace tarvel::ui {
namespace {

constexpr RgbColour kWhite = 0xFFFFFF;
constexpr RgbColour kBlack = 0x000000;
constexpr RgbColour kRedFlag = 0x0000FF;  // 0x00BBGGRR

std::array<int, 3> Channels(RgbColour colour) {
  return {static_cast<int>(colour & 0xFF), static_cast<int>((colour >> 8) & 0xFF),
          static_cast<int>((colour >> 16) & 0xFF)};
}

TEST(ContrastRatio, RunsFromOneForTheSameColourToTwentyOneForBlackOnWhite) {
  EXPECT_DOUBLE_EQ(ContrastRatio(kWhite, kWhite), 1.0);
  EXPECT_NEAR(ContrastRatio(kBlack, kWhite), 21.0, 1e-9);
  EXPECT_DOUBLE_EQ(ContrastRatio(kRedFlag, 0x202020), ContrastRatio(0x202020, kRedFlag));
  EXPECT_LT(ContrastRatio(kWhite, 0xDADADA), kReadableContrast);  // white on the light band
}

TEST(ScreenBandColour, IsTheStoredBandShadedByTheKeywordsAndTheScrollBarColourForZero) {
  Keywords keywords;
  EXPECT_EQ(ScreenBandColour(0, keywords), 0xDADADAu);
  EXPECT_EQ(ScreenBandColour(0xC89664, keywords), 0xDAA876u);
  keywords.banding_shade = 0;
  EXPECT_EQ(ScreenBandColour(0x404060, keywords), 0x404060u);
}

// Lists, reports and the results folder lighten a band one way: a zero channel keeps it.
TEST(BandingColour, LightensAsTheResultsListDoes) {
  const Keywords keywords;
  for (RgbColour band : {0xC8C8C8u, 0x404060u, 0x404000u, 0x00FFFFu, 0x102040u}) {
    EXPECT_EQ(BandingColour(band, keywords), results::LightenBandColour(band)) << band;
  }
}

TEST(InPalette, ALightPaletteKeepsTheLightLook) {
  const ListPalette palettes[] = {{kWhite, kBlack}, {0xF0F0F0, 0x202020}};
  const RowColours rows[] = {{kWhite, kBlack}, {0xDADADA, kBlack}, {0xDADADA, kRedFlag}};
  for (const ListPalette& palette : palettes) {
    EXPECT_FALSE(palette.Dark());
    for (const RowColours& row : rows) {
      const RowColours shown = InPalette(row, palette);
      EXPECT_EQ(shown.background, row.background);
      EXPECT_EQ(shown.text, row.text);
    }
  }
}

// Every band colour and text colour of the light look reads in a dark palette, white rows
// take the palette's base and the band rows stay apart from them.
TEST(InPalette, ADarkPaletteShowsEveryRowReadablyAndBanded) {
  const ListPalette palettes[] = {
      {0x292623, 0xF1F0EF}, {kBlack, kWhite}, {0x2A2A2A, 0xDDDDDD}, {0x3C3C3C, 0xC8C8C8}};
  const RgbColour bands[] = {0xDADADA, 0x404060, 0x00FFFF, 0xFFFF80, 0x202020, kBlack};
  const RgbColour texts[] = {kBlack, kRedFlag, 0x0000E0, 0x808080, 0x400000};
  for (const ListPalette& palette : palettes) {
    ASSERT_TRUE(palette.Dark());
    for (RgbColour band : bands) {
      for (RgbColour text : texts) {
        for (RgbColour background : {kWhite, band}) {
          const RowColours shown = InPalette({background, text}, palette);
          EXPECT_GE(ContrastRatio(shown.background, shown.text), kReadableContrast)
              << std::hex << palette.base << " band " << band << " text " << text;
        }
      }
      const RowColours plain = InPalette({kWhite, kBlack}, palette);
      EXPECT_EQ(plain.background, palette.base);
      EXPECT_EQ(plain.text, palette.text);
      EXPECT_NE(InPalette({band, kBlack}, palette).background, palette.base) << std::hex << band;
    }
  }
}

// A coloured band keeps its hue in the dark: its channels keep their order.
TEST(InPalette, ADarkBandKeepsTheHueOfTheBand) {
  const ListPalette dark{0x292623, 0xF1F0EF};
  for (RgbColour band : {0x404060u, 0x00FFFFu, 0xFFC080u, 0x80FF80u}) {
    const auto light = Channels(band);
    const auto shown = Channels(InPalette({band, kBlack}, dark).background);
    for (int a = 0; a < 3; ++a) {
      for (int b = 0; b < 3; ++b) {
        if (light[a] > light[b]) EXPECT_GT(shown[a], shown[b]) << std::hex << band;
      }
    }
    const auto red_flag = Channels(InPalette({band, kRedFlag}, dark).text);
    EXPECT_GT(red_flag[0], std::max(red_flag[1], red_flag[2])) << std::hex << band;
  }
}

}  // namespace
}  // namespace tarvel::ui
