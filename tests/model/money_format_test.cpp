// Money, rate and typed-number texts as the planner shows them.
#include "model/money_format.h"

#include <gtest/gtest.h>

#include <string>

namespace tarvel::model {
namespace {

const Currency kDollars = Currency::Dollars();

std::string SymbolOf(const Currency& currency) { return std::string(1, currency.symbol); }

TEST(FormatMoney, GroupsDigitsLeftOfThePointWithSymbolFirst) {
  EXPECT_EQ(FormatMoney("1234567.89", kDollars), "$1,234,567.89");
  EXPECT_EQ(FormatMoney("123456.00", kDollars), "$123,456.00");
  EXPECT_EQ(FormatMoney("999.99", kDollars), "$999.99");
  EXPECT_EQ(FormatMoney("1000.00", kDollars), "$1,000.00");
  EXPECT_EQ(FormatMoney("0.50", kDollars), "$0.50");
}

TEST(FormatMoney, KeepsMinusSignAfterSymbolAndOutOfTheGrouping) {
  EXPECT_EQ(FormatMoney("  -1234567.89 ", kDollars), "$-1,234,567.89");
  EXPECT_EQ(FormatMoney("-123456.00", kDollars), "$-123,456.00");
  EXPECT_EQ(FormatMoney("-12.50", kDollars), "$-12.50");
}

TEST(FormatMoney, RemovesBlanksOfPaddedFormats) {
  EXPECT_EQ(FormatMoney("12345.00     ", kDollars), "$12,345.00");
  EXPECT_EQ(FormatMoney("     12345.00", kDollars), "$12,345.00");
}

TEST(FormatMoney, TextWithoutPointGetsSymbolOnly) {
  EXPECT_EQ(FormatMoney("1234567", kDollars), "$1234567");
  EXPECT_EQ(FormatMoney("", kDollars), "$");
}

TEST(FormatMoney, UsesTheChosenCurrencySymbolByte) {
  EXPECT_EQ(SymbolOf(Currency::Pounds()), "\xA3");
  EXPECT_EQ(SymbolOf(Currency::Euros()), "\x80");
  EXPECT_EQ(SymbolOf(Currency::Yen()), "\xA5");
  EXPECT_EQ(Currency::Euros().word, "Euros");
  EXPECT_EQ(FormatMoney("1500.00", Currency::Pounds()), "\xA3" + std::string("1,500.00"));
  EXPECT_EQ(FormatMoney("-1500.00", Currency::Yen()), "\xA5-1,500.00");
}

TEST(FormatMoneyLabel, LabelsZeroAsPlainZero) {
  EXPECT_EQ(FormatMoneyLabel("0.00         ", kDollars), "0");
  EXPECT_EQ(FormatMoneyLabel("-0.00", kDollars), "0");
  EXPECT_EQ(FormatMoneyLabel("2500.00", kDollars), "$2,500.00");
  EXPECT_EQ(FormatMoneyLabel("0.01", kDollars), "$0.01");
}

TEST(FormatMoneyWhole, GroupsDigitsOfWholeNumbers) {
  EXPECT_EQ(FormatMoneyWhole("1234567", kDollars), "$1,234,567");
  EXPECT_EQ(FormatMoneyWhole(" -45000 ", kDollars), "$-45,000");
  EXPECT_EQ(FormatMoneyWhole("999", kDollars), "$999");
  EXPECT_EQ(FormatMoneyWhole("1234.50", kDollars), "$1,234.50");
}

TEST(Money, PrintsTwoDecimalsThenFormats) {
  EXPECT_EQ(Money(1234567.891, kDollars), "$1,234,567.89");
  EXPECT_EQ(Money(-0.5, kDollars), "$-0.50");
  EXPECT_EQ(Money(0, kDollars), "$0.00");
  // Larger than any bounded field of the printf format.
  EXPECT_EQ(Money(1e20, kDollars), "$100,000,000,000,000,000,000.00");
}

TEST(CompactNumber, RemovesBlanksAndCutsAtTheFirstForeignCharacter) {
  EXPECT_EQ(CompactNumber(" 12 345.50 ", kDollars), "12345.50");
  EXPECT_EQ(CompactNumber("$-250.75abc", kDollars), "$-250.75");
  EXPECT_EQ(CompactNumber("1,234", kDollars), "1");
  EXPECT_EQ(CompactNumber("x12", kDollars), "");
  const std::string pounds = SymbolOf(Currency::Pounds()) + "99";
  EXPECT_EQ(CompactNumber(pounds, Currency::Pounds()), pounds);
  EXPECT_EQ(CompactNumber("$99", Currency::Pounds()), "");
}

TEST(RateText, PrintsThreeDecimalsAndPercent) {
  EXPECT_EQ(RateText(4.0), "4.000%");
  EXPECT_EQ(RateText(-12.3456), "-12.346%");
  EXPECT_EQ(RateText(1234.5), "1234.500%");
}

TEST(Format, PrintsTextsOfAnyLength) {
  EXPECT_EQ(Format("Budget %d", 3), "Budget 3");
  EXPECT_EQ(Format("%s", ""), "");
  const std::string long_text(5000, 'x');
  EXPECT_EQ(Format("[%s]", long_text.c_str()), "[" + long_text + "]");
}

}  // namespace
}  // namespace tarvel::model
