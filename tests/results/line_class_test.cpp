// Recognising schedule lines in the results list: classes, red-flag colouring, summary-row
// cells, the purchasing-power row and the band colour.
#include "results/line_class.h"

#include <gtest/gtest.h>

#include <string>

namespace tarvel::results {
namespace {

constexpr char kDollar = '$';

TEST(ClassifyLine, RecognisesLayoutClassesByTheirText) {
  EXPECT_EQ(ClassifyLine("??", kDollar), LineClass::HeadingMarker);
  EXPECT_EQ(ClassifyLine("??Financial Scenario", kDollar), LineClass::HeadingMarker);
  EXPECT_EQ(ClassifyLine(std::string(184, '-'), kDollar), LineClass::Separator);
  EXPECT_EQ(ClassifyLine("65.0 \t   $1,000.00", kDollar), LineClass::SummaryRow);
  EXPECT_EQ(
      ClassifyLine("\t\t\t\t\t\t\t\tNet Worth in Age 45.00 Purchasing Power    $1,000.00", kDollar),
      LineClass::PurchasingPower);
  EXPECT_EQ(ClassifyLine("Financial Events:", kDollar), LineClass::Other);
  EXPECT_EQ(ClassifyLine("", kDollar), LineClass::Other);
}

TEST(ClassifyLine, ALineBeginningWithASpaceOrZeroIsNotASummaryRow) {
  EXPECT_EQ(ClassifyLine(" 65.0 Salary - Deposit $1.00", kDollar), LineClass::Other);
  EXPECT_EQ(ClassifyLine("0.5 something", kDollar), LineClass::Other);
}

TEST(IsRedFlagLine, MatchesEveryPhrase) {
  for (const char* line :
       {"Red flags at age 70:", "  you must select an account", "  The withdrawal was not made",
        "  A 10% penalty was imposed", "  Penalties Paid = $100.00", "  A penalty was paid on IRA",
        "  Minimum age for withdrawal is 59", "  Liquid accounts were depleted",
        "  $100.00 was not transferred", "  insufficient funds in Savings",
        "  Your net worth went negative at age 80"}) {
    EXPECT_TRUE(IsRedFlagLine(line)) << line;
  }
  EXPECT_FALSE(IsRedFlagLine("  Salary - Deposit $1.00 to Savings"));
}

TEST(IsRedFlagLine, WithdrawalAccountCountsOnlyTogetherWithDepleted) {
  EXPECT_TRUE(IsRedFlagLine("  The withdrawal account Savings was depleted"));
  EXPECT_FALSE(IsRedFlagLine("  Funds taken from the withdrawal account Savings"));
  EXPECT_FALSE(IsRedFlagLine("  Savings depleted"));
}

TEST(IsNegativeLine, NeedsTheSymbolFollowedByMinusAndNoLeadingBlankOrMinus) {
  EXPECT_TRUE(IsNegativeLine("80.0 \t  $-1,200.00\t", kDollar));
  EXPECT_TRUE(
      IsNegativeLine("\t\t\t\t\t\t\t\tNet Worth in Age 45.00 Purchasing Power $-5.00", kDollar));
  EXPECT_FALSE(IsNegativeLine("  Savings=$-12.00", kDollar));
  EXPECT_FALSE(IsNegativeLine("-$-12.00", kDollar));
  EXPECT_FALSE(IsNegativeLine("80.0 \t  -$1,200.00", kDollar));
  EXPECT_FALSE(IsNegativeLine("80.0 \t  $1,200.00-", kDollar));
  EXPECT_TRUE(IsNegativeLine("80.0 \t \xA3-1.00", '\xA3'));
  EXPECT_FALSE(IsNegativeLine("80.0 \t $-1.00", '\xA3'));
}

TEST(UsesRedFlagColour, ColoursANegativeSummaryRowWithoutChangingItsLayout) {
  const std::string row = "80.0 \t  $-1,200.00\t       $0.00";
  EXPECT_EQ(ClassifyLine(row, kDollar), LineClass::SummaryRow);
  EXPECT_TRUE(UsesRedFlagColour(row, kDollar));
  EXPECT_EQ(ClassifyLine("Savings $-3.00", kDollar), LineClass::Negative);
  EXPECT_EQ(ClassifyLine("Red flags at age 70:", kDollar), LineClass::RedFlag);
  EXPECT_FALSE(UsesRedFlagColour(" 65.0 Salary - Deposit $1.00", kDollar));
}

TEST(SplitSummaryRow, GivesTheAgeAndTheSevenMoneyCells) {
  const std::string row =
      "65.0 \t   $1,000.00\t      $20.00\t       $0.00\t  $-3,000.00\t       $0.00\t"
      "       $0.00\t  $-1,980.00";
  const auto cells = SplitSummaryRow(row);
  EXPECT_EQ(cells[0], "65.0");
  EXPECT_EQ(cells[1], "$1,000.00");
  EXPECT_EQ(cells[4], "$-3,000.00");
  EXPECT_EQ(cells[7], "$-1,980.00");
}

TEST(SplitSummaryRow, SkipsLeadingBlanksAndLeavesMissingCellsEmpty) {
  const auto cells = SplitSummaryRow("  \t100.0\t$5.00");
  EXPECT_EQ(cells[0], "100.0");
  EXPECT_EQ(cells[1], "$5.00");
  EXPECT_EQ(cells[2], "");
  EXPECT_EQ(cells[7], "");
}

TEST(SplitPurchasingPowerRow, LabelsTheStartAgeAndKeepsTheAmount) {
  const auto cells = SplitPurchasingPowerRow(
      "\t\t\t\t\t\t\t\tNet Worth in Age 45.40 Purchasing Power     $12,345.00", 45.4f, kDollar);
  EXPECT_EQ(cells.label, "Net Worth in Age 45.40 Purchasing Power");
  EXPECT_EQ(cells.value, "$12,345.00");
  EXPECT_EQ(SplitPurchasingPowerRow("Purchasing Power", 45, kDollar).value, "");
}

TEST(LightenBandColour, RaisesEachChannelByAThirdOfTheSmallestHeadroom) {
  EXPECT_EQ(LightenBandColour(0x646464), 0x979797u);  // h = 156, d = 51
  EXPECT_EQ(LightenBandColour(0xC8C8C8), 0xDADADAu);  // h = 56, d = 18
  EXPECT_EQ(LightenBandColour(0x102040), 0x4F5F7Fu);  // h = 192 from 0x40, d = 63
  EXPECT_EQ(LightenBandColour(0xFEFEFE), 0xFEFEFEu);  // h = 2, d = 0
}

TEST(LightenBandColour, AColourWithAZeroChannelStaysUnchanged) {
  EXPECT_EQ(LightenBandColour(0x000000), 0x000000u);
  EXPECT_EQ(LightenBandColour(0x0000FF), 0x0000FFu);
  EXPECT_EQ(LightenBandColour(0x646400), 0x646400u);
}

}  // namespace
}  // namespace tarvel::results
