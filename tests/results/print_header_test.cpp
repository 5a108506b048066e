#include "results/print_header.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "results/print_page_bodies.h"
#include "support/recording_canvas.h"

namespace tarvel::results {
namespace {

using test_support::RecordingCanvas;

PrintLook Look() {
  PrintLook look;
  look.file_name = "couple.ret";
  look.date = {2026, 12, 7};
  look.time = {15, 4, 9};
  look.band_colour = 0xEEDDCC;
  look.pictures = {"/data/pictures/banner.png", "/data/pictures/logo.png",
                   "/data/pictures/wmark.png"};
  return look;
}

const platform::Rect kArea{96, 96, 780, 1000};

// The recording canvas's font is 14 pixels with 2 of leading; the 10-point printer font at
// 96 dots per inch asks for 13.
TEST(DrawPageHeader, DrawsTheBlockWithPicturesBandingBoxingAndPageNumber) {
  PrintLook look = Look();
  look.options.banding = look.options.boxing = true;
  look.options.logo = look.options.banner = look.options.watermark = true;
  RecordingCanvas canvas({850, 1100});
  const int body = DrawPageHeader(canvas, kArea, look, {"Net Worth", 2, PageBody::Report});
  const std::vector<std::string> expected = {
      "image 0,0,850,1100 wmark.png",
      "image 96,96,780,128 banner.png",
      "rect 96,136,780,208 pen=none/0/000000 brush=solid/eeddcc",
      "rect 96,136,780,208 pen=solid/1/000000 brush=hollow",
      "image 100,140,164,204 logo.png",
      "font Courier/-19/700",
      "text 438,140 centre/top 000000 \"Net Worth\"",
      "font Courier/-13/400",
      "text 168,156 left/top 000000 \" File: couple.ret\"",
      "text 168,172 left/top 000000 \"December 7, 2026\"",
      "text 168,188 left/top 000000 \"3:04:09 PM \"",
      "text 710,140 left/top 000000 \"Page 2\"",
  };
  EXPECT_EQ(canvas.lines(), expected) << canvas.Dump();
  EXPECT_EQ(body, 136 + 16 + 3 * 16 + 8);
}

TEST(DrawPageHeader, TitleLinesInUseReplaceFileDateAndTimeAndTheTitlePageIsBare) {
  PrintLook look = Look();
  look.options.use_title = {true, true, false};
  look.options.titles = {"Smith Family", "Plan B", "unused"};
  look.options.logo = look.options.banner = true;
  RecordingCanvas canvas({850, 1100});
  DrawPageHeader(canvas, kArea, look, {"Financial Schedule", 0, PageBody::Schedule});
  EXPECT_THAT(canvas.Texts(), testing::ElementsAre("Financial Schedule", "Smith Family",
                                                   "               Plan B", "3:04:09 PM "));
  EXPECT_TRUE(canvas.LinesStartingWith("image ").empty());
}

TEST(DrawSchedulePageBody, InactiveListingLinesPrintInTheRedFlagColourWithTheirTrueAge) {
  PrintLook look = Look();
  look.red_flag_colour = 0x0000FF;
  RecordingCanvas canvas({850, 1100});
  DrawSchedulePageBody(canvas, kArea, 300,
                       {"           1065.0 Car loan", "           45.0 Salary", "?BO",
                        "          ------------", "?Bo", "          Financial Events:"},
                       look);
  const std::vector<std::string> texts = canvas.LinesStartingWith("text ");
  ASSERT_EQ(texts.size(), 3u) << canvas.Dump();
  // Drawn without the page files' 10-space indent: the page has its margin.
  EXPECT_EQ(texts[0], "text 96,300 left/top 0000ff \" 65.0  Car loan\"");
  EXPECT_EQ(texts[1], "text 96,316 left/top 000000 \" 45.0 Salary\"");
  // "?BO" and the rule take no room, "?Bo" half a line; the heading is indented two units.
  EXPECT_EQ(texts[2], "text 110,340 left/top 000000 \"Financial Events:\"");
}

}  // namespace
}  // namespace tarvel::results
