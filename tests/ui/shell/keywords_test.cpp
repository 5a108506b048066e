// Command-line keywords and the banding colour.
#include "ui/shell/keywords.h"

#include <gtest/gtest.h>

namespace tarvel::ui {
namespace {

TEST(ParseKeywords, FindsKeywordsInsideLongerWords) {
  const Keywords keywords = ParseKeywords("Pounds NORET");
  EXPECT_TRUE(keywords.runs_suppressed);
  EXPECT_EQ(keywords.currency.symbol, static_cast<char>(163));
  EXPECT_EQ(keywords.currency.word, "Pounds");
}

TEST(ParseKeywords, LetTheLaterCurrencyWin) {
  EXPECT_EQ(ParseKeywords("Yen Euro").currency.word, "Yen");
  EXPECT_EQ(ParseKeywords("--workdir /tmp/Euros").currency.symbol, static_cast<char>(128));
}

TEST(ParseKeywords, AreCaseSensitiveAndDefaultToDollars) {
  const Keywords keywords = ParseKeywords("noret pound lighter");
  EXPECT_FALSE(keywords.runs_suppressed);
  EXPECT_EQ(keywords.currency.word, "Dollars");
  EXPECT_TRUE(keywords.keep_dark_shade);
  const Keywords all = ParseKeywords("VOSK LIGHTER SUMMARY DARKYELLOW RPREVIEW");
  EXPECT_TRUE(all.alternate_tab_filter);
  EXPECT_FALSE(all.keep_dark_shade);
  EXPECT_FALSE(all.summary_lines);
  EXPECT_EQ(all.banding_shade, 0);
  EXPECT_TRUE(all.report_preview_variant);
}

TEST(BandingColour, LightensByAThirdOfTheHeadroomUnlessKeptDark) {
  Keywords keywords;
  // R 100, G 150, B 200: headroom 56, each channel + 18.
  EXPECT_EQ(BandingColour(0xC89664, keywords), 0xDAA876u);
  EXPECT_EQ(BandingColour(0x00FF10, keywords), 0x00FF10u);
  keywords.banding_shade = 0;
  EXPECT_EQ(BandingColour(0xC89664, keywords), 0xC89664u);
  keywords.keep_dark_shade = false;
  EXPECT_EQ(BandingColour(0xC89664, keywords), 0xDAA876u);
}

}  // namespace
}  // namespace tarvel::ui
