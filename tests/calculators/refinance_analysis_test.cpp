// The refinance analysis: the amount refinanced, its costs, the yearly comparison and its files.
#include "calculators/refinance_analysis.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <string>

namespace tarvel::calculators {
namespace {

// 100,000 at 8 % for 30 years from 40, refinanced at 45 for 30 years at 6 %.
RefinanceInputs Sample() {
  RefinanceInputs inputs;
  inputs.values = {40, 100000, 8, 30, 45, 0, 0, 6, 30, 2000, 0, 25, 3};
  return inputs;
}

std::string Shown(double value) {
  char text[32];
  std::snprintf(text, sizeof text, "%-12.2f", value);
  return text;
}

TEST(CompareRefinance, ReplacesNoAmountByWhatIsStillOwedPlusTheCashOut) {
  RefinanceInputs inputs = Sample();
  RefinanceResult result = CompareRefinance(inputs);
  EXPECT_TRUE(result.amount_computed);
  EXPECT_EQ(Shown(result.owed_amount), "95069.86    ");
  EXPECT_EQ(Shown(result.costs), "2000.00     ");
  inputs.values[kCashOut] = 5000;
  EXPECT_EQ(Shown(CompareRefinance(inputs).refinanced_amount), "100069.86   ");
}

TEST(CompareRefinance, IncludedPointsAreChargedOnTheIncreasedAmount) {
  RefinanceInputs inputs = Sample();
  inputs.values[kRefinancedAmount] = 100000;
  inputs.values[kPoints] = 1;
  inputs.include_points = true;
  const RefinanceResult result = CompareRefinance(inputs);
  EXPECT_FALSE(result.amount_computed);
  EXPECT_FLOAT_EQ(result.refinanced_amount, 101000);
  EXPECT_FLOAT_EQ(result.costs, 1010 + 2000);
  EXPECT_EQ(Shown(result.refinanced_payment), "605.55      ");
  // Closing costs included come first, then the points on the sum.
  inputs.include_closing_costs = true;
  EXPECT_FLOAT_EQ(CompareRefinance(inputs).refinanced_amount, 102000 * 1.01f);
}

TEST(CompareRefinance, EachMortgagePaysOnlyBeforeItsEndAge) {
  const RefinanceResult result = CompareRefinance(Sample());
  EXPECT_NEAR(result.existing_payment, 733.76, 0.01);
  // Two starting rows at 45, then two rows for each year from 45 up to 75, the refinanced
  // mortgage's end; the existing one ends at 70.
  ASSERT_EQ(result.rows.size(), 2u + 2u * 30u);
  EXPECT_EQ(result.rows.front().age, 45);
  EXPECT_EQ(result.rows.back().age, 75);
  // A year that pays repays principal; once a mortgage has ended nothing is charged as
  // interest (no year pays the whole payment as interest on no balance).
  for (std::size_t index = 2; index < result.rows.size(); ++index) {
    const RefinanceRow& row = result.rows[index];
    const bool paying = row.household == 'R' || row.age <= 70;
    EXPECT_EQ(row.values[4] > 0, paying) << row.age << row.household;
    EXPECT_EQ(row.values[5] > 0, paying) << row.age << row.household;
  }
  // The existing mortgage's equity reaches what was owed at 45.
  EXPECT_NEAR(result.rows[2 * 25].values[2], 95069.86, 1.0);
  EXPECT_EQ(result.plotted_months, 30 * 12);
  ASSERT_TRUE(result.break_even_month);
  EXPECT_GT(*result.break_even_month, 0);
}

TEST(CompareRefinance, BreakEvenIsTheFirstMonthAfterWhichTheRefinancedNetWorthHasCaughtUp) {
  // Costs of 0 and a cheaper mortgage: the first month already pays off.
  RefinanceInputs cheap = Sample();
  cheap.values[kClosingCosts] = 0;
  EXPECT_EQ(CompareRefinance(cheap).break_even_month, 1);
  for (const double costs : {500.0, 2000.0, 2345.0, 8000.0}) {
    RefinanceInputs inputs = Sample();
    inputs.values[kClosingCosts] = costs;
    const RefinanceResult result = CompareRefinance(inputs);
    ASSERT_TRUE(result.break_even_month) << costs;
    const int month = *result.break_even_month;
    // The graph holds that month's point: caught up there, and behind at every earlier point.
    bool plotted = false;
    for (const RefinancePoint& point : result.points) {
      if (point.month == month) {
        plotted = true;
        EXPECT_LE(point.existing, point.refinanced) << costs;
      } else if (point.month > 0 && point.month < month) {
        EXPECT_GT(point.existing, point.refinanced) << costs << " month " << point.month;
      }
    }
    EXPECT_TRUE(plotted) << costs;
  }
}

TEST(CompareRefinance, BreakEvenNeverReachedAndCashOutKeptOutOfTheComparison) {
  RefinanceInputs inputs = Sample();
  inputs.values[kRefinancedRate] = 9;  // a dearer mortgage never catches up
  EXPECT_FALSE(CompareRefinance(inputs).break_even_month);
  inputs = Sample();
  inputs.values[kCashOut] = 50000;
  inputs.cash_out_as_savings = true;
  const RefinanceResult with_savings = CompareRefinance(inputs);
  EXPECT_FLOAT_EQ(with_savings.rows[1].values[1], 50000);  // the savings hold it
  EXPECT_FLOAT_EQ(with_savings.rows[1].values[0], 0);      // the net worth does not
  EXPECT_FLOAT_EQ(with_savings.points.front().refinanced, 0);
}

TEST(CompareRefinance, WritesTheDetailsAndGraphFiles) {
  RefinanceInputs inputs = Sample();
  inputs.values[kExistingYears] = 1;
  inputs.values[kRefinanceAge] = 40;
  inputs.values[kRefinancedYears] = 1;
  inputs.values[kRefinancedAmount] = 12000;
  inputs.values[kClosingCosts] = 0;
  inputs.values[kSavingsRate] = 0;
  inputs.values[kExistingAmount] = 12000;
  const RefinanceResult result = CompareRefinance(inputs);
  const std::string details = RefinanceDetailsText(result);
  EXPECT_EQ(details.substr(0, details.find('\n') + 1),
            "Age\tNet Worth\tSavings\tEquity\t+Diff. in Mon. Pay.\t+Principal\t-Interest\t+Tax "
            "Savings\t-Savings Interest\t-Tax on Interest\n");
  EXPECT_NE(details.find(" 40 O\t            0.00\t            0.00\t            0.00\t"),
            std::string::npos);
  EXPECT_EQ(RefinanceRowCells(result.rows[2])[0], " 41 O");
  const std::string graph = RefinanceGraphText(result);
  const std::string start =
      "1\nDummy\nDummy\nDummy\n12.000000\n2\nExisting Mortgage\nRefinanced Mortgage\n0.0\n0.0\n"
      "0.000000 0.000000 0.000000\n0.0\n0.0\n1.000000 ";
  EXPECT_EQ(graph.substr(0, start.size()), start);
  // The start, the break-even after the first month, and months 4, 8 and 12.
  EXPECT_EQ(result.points.size(), 5u);
  EXPECT_EQ(result.points.back().month, 12);
}

TEST(CheckRefinance, RefusesEachFieldInOrderWithItsMessage) {
  struct Case {
    int input;
    double value;
    const char* message;
    const char* caption;
  };
  const char* years_low = "The number of years be greater than 0.";
  const char* years_high = "The number of years be less than 50.";
  const Case cases[] = {
      {kExistingStartAge, 121, "This age must be between 1.0 and 120.0.", "AGE ERROR"},
      {kExistingAmount, 0.5, "This amount must be greater than 0.00 and less than 99999999.00.",
       "AMOUNT ERROR"},
      {kExistingRate, 1001, "Loan/Mortgage rates must be greater than 0.0 and less than 1000.0.",
       "RATE ERROR"},
      {kExistingYears, 0, years_low, "Number of Years Error!"},
      {kExistingYears, 51, years_high, "Number of Years Error!"},
      {kRefinanceAge, 0.5, "This age must be between 1.0 and 120.0.", "AGE ERROR"},
      {kRefinanceAge, 39,
       "The age at refinancing must be greater the the age of the orginal mortgage.", "Age Error!"},
      {kRefinancedRate, 0, "Loan/Mortgage rates must be greater than 0.0 and less than 1000.0.",
       "RATE ERROR"},
      {kRefinancedYears, 0, years_low, "Number of Years Error!"},
      {kRefinancedYears, 50.5 + 1, years_high, "Number of Years Error!"},
      {kTaxRate, 0.5, "The Tax Rate must be between 1.00   % and 100.00 %.", "RATE ERROR"},
      {kSavingsRate, 250, "The Savings Rate must be between -200.00% and 200.00 %.", "RATE ERROR"},
  };
  EXPECT_FALSE(CheckRefinance(Sample().values));
  for (const Case& c : cases) {
    RefinanceValues values = Sample().values;
    values[c.input] = c.value;
    const auto problem = CheckRefinance(values);
    ASSERT_TRUE(problem) << c.message;
    EXPECT_EQ(problem->input, c.input);
    EXPECT_EQ(problem->message, c.message);
    EXPECT_EQ(problem->caption, c.caption);
  }
}

}  // namespace
}  // namespace tarvel::calculators
