// On screen a chart follows the desktop's palette: a light palette draws it exactly as on
// paper; a dark one keeps every colour's hue and makes texts read and series and grid show.
#include "graphs/chart_scheme.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "graphs/paint_graph_page.h"
#include "model/colour_tones.h"
#include "page_test_source.h"
#include "support/recording_canvas.h"

namespace tarvel::graphs {
namespace {

using model::ContrastRatio;
using platform::Colour;
using test_support::RecordingCanvas;

constexpr Colour kDarkBase = platform::Rgb(35, 38, 41);
constexpr Colour kLightText = platform::Rgb(239, 240, 241);

const ChartScheme kDark = ScreenScheme(kDarkBase, kLightText);

// The channel that is strongest in the colour (0 red, 1 green, 2 blue): its hue family.
int StrongestChannel(Colour colour) {
  const int channels[] = {platform::RedOf(colour), platform::GreenOf(colour),
                          platform::BlueOf(colour)};
  return static_cast<int>(std::max_element(std::begin(channels), std::end(channels)) - channels);
}

TEST(ScreenScheme, ALightPaletteDrawsBlackOnWhiteAsOnPaper) {
  const Colour light_palettes[][2] = {{platform::kWhite, platform::kBlack},
                                      {platform::Rgb(239, 239, 239), platform::Rgb(32, 32, 32)},
                                      {platform::Rgb(252, 252, 252), platform::Rgb(35, 38, 39)}};
  for (const auto& [background, text] : light_palettes) {
    EXPECT_EQ(ScreenScheme(background, text), ChartScheme{}) << std::hex << background;
  }
  EXPECT_FALSE(ChartScheme{}.Dark());
}

TEST(ScreenScheme, ADarkPaletteDrawsItsTextOnItsBackground) {
  EXPECT_TRUE(kDark.Dark());
  EXPECT_EQ(kDark.background, kDarkBase);
  EXPECT_EQ(kDark.ink, kLightText);
  // Box edges are lit above the background, yet darker than the text.
  EXPECT_GT(model::Lightness(kDark.highlight), model::Lightness(kDarkBase));
  EXPECT_LT(model::Lightness(kDark.highlight), model::Lightness(kLightText));
}

TEST(InScheme, ALightSchemeKeepsEveryProgramColour) {
  Palette stored;
  stored.colours[3] = platform::Rgb(250, 250, 200);  // a pale series colour stays as chosen
  stored.colours[kGridEntry] = platform::Rgb(230, 230, 230);
  for (const Palette& palette : {Palette{}, stored}) {
    EXPECT_EQ(InScheme(palette, ChartScheme{}).colours, palette.colours);
  }
}

// Every series colour stands out on the dark background in its own hue family; colours that
// stood out already, and the entries without a drawing role, are kept.
TEST(InScheme, ADarkSchemeShowsEverySeriesInItsHue) {
  const Palette stored;
  const Palette shown = InScheme(stored, kDark);
  for (int entry = 1; entry <= kSeriesColourCount; ++entry) {
    const Colour before = stored.colours[entry];
    const Colour after = shown.colours[entry];
    EXPECT_GE(ContrastRatio(after, kDarkBase), model::kVisibleContrast) << entry;
    EXPECT_EQ(StrongestChannel(after), StrongestChannel(before)) << entry;
    if (ContrastRatio(before, kDarkBase) >= model::kVisibleContrast) {
      EXPECT_EQ(after, before) << entry;
    }
  }
  EXPECT_NE(shown.Series(0), stored.Series(0));  // the dark blue of net worth is lightened
  EXPECT_EQ(shown.colours[0], stored.colours[0]);
  EXPECT_EQ(shown.Band(), stored.Band());
}

TEST(InScheme, ADarkSchemeShowsTheGridFainterThanTextAndRedFlagsReadable) {
  const Palette shown = InScheme(Palette{}, kDark);
  EXPECT_GE(ContrastRatio(shown.Grid(), kDarkBase), 2.0);
  EXPECT_LT(ContrastRatio(shown.Grid(), kDarkBase), ContrastRatio(kLightText, kDarkBase));
  EXPECT_GE(ContrastRatio(shown.RedFlag(), kDarkBase), model::kReadableContrast);
  EXPECT_EQ(StrongestChannel(shown.RedFlag()), 0);
}

// A page painted in the dark scheme: a dark page, every text in the ink, no black axis.
TEST(PaintGraphPage, InADarkSchemeEveryTextReadsOnTheDarkPage) {
  testing::OwnedSource run(12, 60);
  for (int i = 0; i < 12; ++i) {
    run.periods[static_cast<std::size_t>(i)][6] = 1000.0f * static_cast<float>(i) - 3000.0f;
    run.periods[static_cast<std::size_t>(i)][1] = 500.0f * static_cast<float>(i);
  }
  run.Refresh();
  GraphPageState state;
  state.SetRunPeriods(run.source.PeriodCount());
  for (PageLayout layout : {PageLayout::Full, PageLayout::Summary}) {
    RecordingCanvas canvas({900, 700});
    PageRequest request;
    request.layout = layout;
    request.window = {0, 0, 900, 700};
    request.scheme = kDark;
    request.footer_lines = {"File: a.ret", "Date: May 1, 2024", "Time: 1:00:00 PM "};
    PaintGraphPage(canvas, run.source, state, request);
    const std::string dark_fill = "brush=solid/" + test_support::DescribeColour(kDarkBase);
    EXPECT_NE(canvas.lines().front().find(dark_fill), std::string::npos) << canvas.Dump();
    const std::string ink = test_support::DescribeColour(kLightText);
    const std::string red_flag = test_support::DescribeColour(InScheme(Palette{}, kDark).RedFlag());
    for (const std::string& text : canvas.LinesStartingWith("text ")) {
      const bool readable = text.find(" " + ink + " ") != std::string::npos ||
                            text.find(" " + red_flag + " ") != std::string::npos;
      EXPECT_TRUE(readable) << text;
    }
    EXPECT_TRUE(canvas.LinesStartingWith("line ").size() > 10);
    for (const std::string& line : canvas.LinesStartingWith("line ")) {
      EXPECT_EQ(line.find("/000000"), std::string::npos) << line;  // axes and ticks in ink
    }
  }
}

TEST(ScreenChartFont, GrowsWithTheDesktopFontAndNeverShrinks) {
  struct Case {
    int desktop_pixels;
    int chart_pixels;
    int callout_height;
  };
  for (const Case& c : {Case{0, 13, 18}, Case{12, 13, 18}, Case{13, 13, 18}, Case{16, 16, 22},
                        Case{18, 18, 25}, Case{20, 20, 28}}) {
    const platform::Font font = ScreenChartFont(c.desktop_pixels);
    EXPECT_EQ(font.height, -c.chart_pixels) << c.desktop_pixels;
    EXPECT_EQ(font.face, ScreenChartFont().face);
    EXPECT_EQ(ScreenCalloutHeight(font), c.callout_height) << c.desktop_pixels;
  }
}

}  // namespace
}  // namespace tarvel::graphs
