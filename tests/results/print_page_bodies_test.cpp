// Printed report tables group the digits of their amounts as money is shown, and column
// titles stay as large as the table.
#include "results/print_page_bodies.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "support/recording_canvas.h"

namespace tarvel::results {
namespace {

TEST(DrawReportPageBody, AmountsAndPercentagesCarryThousandsSeparators) {
  test_support::RecordingCanvas canvas({1100, 850});
  const std::vector<std::string> lines = {" Age\tNet Worth\tInvestment Accounts\tShare",
                                          "---------------------------", "",
                                          " 45.0\t   1234567.89\t     -98765.40\t  12.50%",
                                          " 46.0\t       999.00\t         0.00\t 100.00%"};
  DrawReportPageBody(canvas, {96, 96, 1004, 754}, 96, lines, PrintLook{});
  EXPECT_THAT(canvas.Texts(),
              testing::IsSupersetOf({"45.0", "1,234,567.89", "-98,765.40", "12.50%", "999.00",
                                     "0.00", "100.00%", "Investment Accounts"}));
}

TEST(DrawReportPageBody, ColumnTitlesTooWideForTheirColumnTakeTwoLinesAtFullSize) {
  test_support::RecordingCanvas canvas({816, 1056});
  const std::vector<std::string> lines = {
      " Age\tNet Worth\tInvestment Accounts\tTax-Free Accounts\tRetirement Accounts"
      "\tAsset Accounts\tEquity Accounts\tLiabilities",
      "---------------------------", "", " 45.0\t1.00\t2.00\t3.00\t4.00\t5.00\t6.00\t7.00"};
  DrawReportPageBody(canvas, {96, 96, 768, 960}, 96, lines, PrintLook{});
  const std::string body_font = "font Courier/-13/400";  // 10 points at 96 dots per inch
  std::string font;
  int wrapped = 0;
  for (const std::string& line : canvas.lines()) {
    if (line.starts_with("font ")) font = line;
    if (line.ends_with("\"Investment\"") || line.ends_with("\"Accounts\"")) {
      ++wrapped;
      EXPECT_EQ(font, body_font) << line;
    }
  }
  EXPECT_GE(wrapped, 2) << canvas.Dump();
}

}  // namespace
}  // namespace tarvel::results
