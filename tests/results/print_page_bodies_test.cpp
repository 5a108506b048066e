// Printed report tables group the digits of their amounts as money is shown.
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

}  // namespace
}  // namespace tarvel::results
