// The mortgage, accelerated payment and refinance calculators: the figures their dialogs show
// and every check's message.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <string>

#include "calculators/accelerated_payment.h"
#include "calculators/mortgage_calculator.h"
#include "calculators/refinance_analysis.h"
#include "engine/amortization.h"

namespace tarvel::calculators {
namespace {

std::string Shown(const char* format, double value) {
  char text[64];
  std::snprintf(text, sizeof text, format, value);
  return text;
}

TEST(MortgagePayment, ShowsTheLevelPaymentOfTheFinancedAmount) {
  struct Case {
    MortgageInputs inputs;
    const char* shown;
  };
  const Case cases[] = {
      {{160000, 0, 6, 30}, "959.28   "},
      {{200000, 40000, 6, 30}, "959.28   "},
      {{100000, 0, 6, 30}, "599.55   "},
      {{100000, 0, 6, 30.9}, "599.55   "},  // the years are read as a whole number
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Shown("%-9.2f", MortgagePayment(c.inputs)), c.shown) << c.inputs[0];
  }
}

TEST(CheckMortgage, RefusesEachFieldInOrderWithItsMessage) {
  const MortgageInputs good{160000, 0, 6, 30};
  struct Case {
    int input;
    double value;
    const char* message;
    const char* caption;
  };
  const Case cases[] = {
      {kMortgageRate, 0.5, "Loan/Mortgage rates must be greater than 0.0 and less than 1000.0.",
       "RATE ERROR"},
      {kMortgageAmount, NAN, "This amount must be greater than 0.00 and less than 99999999.00.",
       "AMOUNT ERROR"},
      {kMortgageDownPayment, -1, "This amount must be greater than 0.00 and less than 99999999.00.",
       "DOWN PAYMENT ERROR"},
      {kMortgageDownPayment, 160000.01,
       "The down payment cannot be larger than the amount of the mortgage.", "DOWN PAYMENT ERROR"},
      {kMortgageYears, 0.9, "The number of years must be between 1 and 100.", "NO OF YEARS ERROR"},
      {kMortgageYears, 101, "The number of years must be between 1 and 100.", "NO OF YEARS ERROR"},
  };
  EXPECT_FALSE(CheckMortgage(good));
  EXPECT_FALSE(CheckMortgage({1, 1, 1000, 100}));  // the bounds themselves are accepted
  for (const Case& c : cases) {
    MortgageInputs inputs = good;
    inputs[c.input] = c.value;
    const auto problem = CheckMortgage(inputs);
    ASSERT_TRUE(problem) << c.caption << " " << c.value;
    EXPECT_EQ(problem->input, c.input);
    EXPECT_EQ(problem->message, c.message);
    EXPECT_EQ(problem->caption, c.caption);
  }
}

// Payments and the amortised balance against the annuity formula in double precision.
TEST(MortgagePayment, AgreesWithTheAnnuityFormulaWithinACent) {
  for (double amount : {1000.0, 25000.0, 160000.0}) {
    for (double rate : {0.0, 1.0, 6.0, 12.5}) {
      for (int years : {1, 15, 30}) {
        const double i = rate * 0.01 / 12;
        const int n = years * 12;
        const double exact = i == 0 ? amount / n : amount * i / (1 - std::pow(1 + i, -n));
        const float payment = MortgagePayment({amount, 0, rate, double(years)});
        EXPECT_NEAR(payment, exact, 0.01) << amount << " " << rate << " " << years;
        // The principal repaid in the first half of the term leaves the annuity's balance.
        const int half = n / 2;
        const double grown = std::pow(1 + i, half);
        const double balance =
            i == 0 ? amount - exact * half : amount * grown - exact * (grown - 1) / i;
        const float repaid = engine::AmortizeYear(amount, i, n, 0, half - 1, 0, 0).principal;
        // Single precision carries a relative error of about 1e-7 a month into the balance.
        EXPECT_NEAR(amount - repaid, balance, 0.01 + amount * 1e-7 * half)
            << amount << " " << rate << " " << years;
      }
    }
  }
}

AcceleratedInputs Accelerated(double loan, double years, double left, double rate, double extra) {
  return {loan, years, left, rate, extra, 5, 0, 0};
}

TEST(AnalyzeAccelerated, NoAdditionalPaymentRunsTheFullTerm) {
  for (double rate : {5.0, 6.0, 7.5, 8.0, 10.0}) {
    const AcceleratedResult result = AnalyzeAccelerated(Accelerated(200000, 30, 30, rate, 0));
    EXPECT_EQ(result.paying_months, 360) << rate;
    EXPECT_EQ(Shown("%-7.3f", result.paying_months * (1.0f / 12)), "30.000 ");
    EXPECT_EQ(result.accelerated_total_payments, result.total_payments);
    EXPECT_EQ(Shown("%13.2f", result.savings), "         0.00");
  }
  EXPECT_EQ(Shown("%.2f", AnalyzeAccelerated(Accelerated(100000, 30, 30, 6, 0)).payment), "599.55");
}

TEST(AnalyzeAccelerated, AdditionalPaymentShortensTheTermAndIsInvestedOverTheYearsPaid) {
  const AcceleratedResult now = AnalyzeAccelerated(Accelerated(200000, 30, 30, 6, 200));
  EXPECT_EQ(now.paying_months, 252);
  EXPECT_NEAR(now.accelerated_payment, 1199.10 + 200, 0.01);
  EXPECT_GT(now.savings, 50000);
  EXPECT_NEAR(now.total_payments - now.savings, now.accelerated_total_payments, 0.1);
  EXPECT_EQ(now.invested_years, 21);
  // Ten years already paid: the extra payment starts only now, so the mortgage, counted from
  // its start, ends later, and only the years it is actually paid are invested.
  const AcceleratedResult later = AnalyzeAccelerated(Accelerated(200000, 30, 20, 6, 200));
  EXPECT_GT(later.paying_months, now.paying_months);
  EXPECT_LT(later.paying_months, 360);
  EXPECT_EQ(later.invested_years, (later.paying_months - 120) / 12);
  // No whole year invested leaves the first year's payments: 12 x E.
  AcceleratedInputs short_loan = Accelerated(1000, 1, 1, 6, 500);
  EXPECT_EQ(AnalyzeAccelerated(short_loan).invested_years, 0);
  EXPECT_FLOAT_EQ(AnalyzeAccelerated(short_loan).invested_value, 6000);
  // One year at 10 %, half taxed, no inflation: 12E + gain less tax + 12E.
  short_loan = {20000, 2, 2, 6, 100, 10, 50, 0};
  EXPECT_EQ(AnalyzeAccelerated(short_loan).invested_years, 1);
  EXPECT_FLOAT_EQ(AnalyzeAccelerated(short_loan).invested_value, 1200 + 60 + 1200);
}

TEST(CheckAccelerated, RefusesEachFieldInOrderWithItsMessage) {
  const AcceleratedInputs good = Accelerated(200000, 30, 30, 6, 200);
  struct Case {
    int input;
    double value;
    const char* message;
    const char* caption;
  };
  const Case cases[] = {
      {kAcceleratedLoan, 0,
       "The mortgage amount must be greater than 0.00 and less than 10,000,000.00.",
       "Amount Error!"},
      {kAcceleratedYears, 51, "The number of years must be greater than 0 and less than 50.",
       "Number of Years Error!"},
      {kAcceleratedYearsLeft, 31,
       "The number of years left must be greater than 0 and less than the life of the "
       "mortgage.",
       "Number of Years Left Error!"},
      {kAcceleratedRate, 0, "The mortgage rate must be greater than 0.0% and less than 50.0%",
       "Rate Error!"},
      {kAcceleratedExtra, 100000.5,
       "The addition monthly payment must be greater than 0.00 and less than 100,000.00",
       "Additional Amount Error!"},
      {kAcceleratedInvestmentRate, -1,
       "The investment rate must be greater than 0.0% and less than 50.0%", "Rate Error!"},
      {kAcceleratedTaxRate, 51, "The tax rate must be greater than 0.0% and less than 50.0%",
       "Rate Error!"},
      {kAcceleratedInflationRate, NAN,
       "The inflation rate must be greater than 0.0% and less than 50.0%", "Rate Error!"},
  };
  EXPECT_FALSE(CheckAccelerated(good));
  EXPECT_FALSE(CheckAccelerated({1e7, 50, 50, 50, 100000, 50, 50, 50}));
  for (const Case& c : cases) {
    AcceleratedInputs inputs = good;
    inputs[c.input] = c.value;
    const auto problem = CheckAccelerated(inputs);
    ASSERT_TRUE(problem) << c.caption;
    EXPECT_EQ(problem->input, c.input);
    EXPECT_EQ(problem->message, c.message);
    EXPECT_EQ(problem->caption, c.caption);
  }
}

TEST(YearsLeft, CountsTheTermLessTheYearsElapsedAtLeastOne) {
  EXPECT_EQ(YearsLeft(30, 40, 50), 20);
  EXPECT_EQ(YearsLeft(30, 55, 50), 30);  // starting later: the whole term
  EXPECT_EQ(YearsLeft(30, 10, 50), 1);
}

}  // namespace
}  // namespace tarvel::calculators
