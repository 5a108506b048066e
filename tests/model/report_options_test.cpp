#include "model/report_options.h"

#include <gtest/gtest.h>

#include <memory>

#include "model/scenario_codec.h"
#include "model/scenario_ops.h"

namespace tarvel::model {
namespace {

std::unique_ptr<Scenario> Cleared() {
  auto scenario = std::make_unique<Scenario>();
  ClearScenario(*scenario);
  return scenario;
}

ReportOptions EveryOptionOn() {
  ReportOptions options;
  options.use_title = {true, false, true};
  options.titles = {"Smith family plan", "", std::string(50, 'x')};
  options.banding = options.boxing = options.columns = true;
  options.report_graphs = options.logo = options.banner = options.watermark = true;
  return options;
}

TEST(ReportOptionsStorage, AFileWrittenWithTheOptionsReadsThemBack) {
  auto written = Cleared();
  StoreReportOptions(EveryOptionOn(), *written);
  const auto bytes = EncodeScenario(*written);

  auto read = Cleared();
  ASSERT_TRUE(DecodeScenario(bytes, *read).valid);
  ReportOptions expected = EveryOptionOn();
  expected.titles[2] = std::string(kReportTitleLength, 'x');  // the dialog keeps 39
  EXPECT_EQ(ReadReportOptions(*read), expected);
  // Each flag sits at its documented byte of the window block (block 10 at 7308, no events).
  for (int offset :
       {kBandingOptionOffset, kBoxingOptionOffset, kColumnsOptionOffset, kReportGraphsOptionOffset,
        kLogoOptionOffset, kBannerOptionOffset, kWatermarkOptionOffset}) {
    EXPECT_EQ(bytes[7308 + offset], 1) << offset;
  }
}

TEST(ReportOptionsStorage, OlderFilesWithoutTheOptionsReadThemOff) {
  auto written = Cleared();
  StoreReportOptions(EveryOptionOn(), *written);
  auto bytes = EncodeScenario(*written);
  // A file of an earlier version ends before the window block; one written before the
  // options existed holds zeros in their places.
  const std::vector<std::uint8_t> short_file(bytes.begin(), bytes.begin() + 7308);
  std::vector<std::uint8_t> zeros = bytes;
  std::fill(zeros.begin() + 7308 + 40, zeros.begin() + 7308 + 124, 0);

  for (const auto& file : {short_file, zeros}) {
    auto read = Cleared();
    ASSERT_TRUE(DecodeScenario(file, *read).valid);
    const ReportOptions options = ReadReportOptions(*read);
    EXPECT_FALSE(options.banding || options.boxing || options.columns || options.report_graphs ||
                 options.logo || options.banner || options.watermark);
  }
}

TEST(PrinterFont, StoredHeightsReadAsPointsBetween6And78) {
  struct Case {
    std::int32_t height;
    int points;
  };
  const Case cases[] = {{-16, 12}, {16, 12}, {0, 10}, {-2, 6}, {-400, 78}, {-13, 10}};
  for (const Case& c : cases) {
    auto scenario = Cleared();
    scenario->report_fonts[0].height = c.height;
    EXPECT_EQ(ReadPrinterFont(*scenario).points, c.points) << c.height;
  }
  auto scenario = Cleared();
  StorePrinterFont({"Courier New", 99, 700, true}, *scenario);
  EXPECT_EQ(scenario->report_fonts[0].height, -104);  // 78 points at 96 dots per inch
  const PrinterFontChoice read = ReadPrinterFont(*scenario);
  EXPECT_EQ(read.face, "Courier New");
  EXPECT_EQ(read.points, 78);
  EXPECT_TRUE(read.italic);
}

}  // namespace
}  // namespace tarvel::model
