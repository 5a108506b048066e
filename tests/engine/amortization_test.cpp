// Level payments and the yearly stretches of an amortisation schedule.
#include "engine/amortization.h"

#include <gtest/gtest.h>

namespace tarvel::engine {
namespace {

constexpr double kSixPercentMonthly = 6 * 0.01 / 12;

TEST(MonthlyPayment, RepaysTheLoanInLevelPayments) {
  EXPECT_NEAR(MonthlyPayment(100000, kSixPercentMonthly, 360), 599.55, 0.005);
  EXPECT_NEAR(MonthlyPayment(360000, 6.5 * 0.01 / 12, 360), 2275.44, 0.005);
}

TEST(MonthlyPayment, NoMonthsGiveNoPaymentAndNoInterestSharesThePrincipal) {
  EXPECT_FLOAT_EQ(MonthlyPayment(100000, kSixPercentMonthly, 0), 0);
  EXPECT_FLOAT_EQ(MonthlyPayment(12000, 0, 24), 500);
}

TEST(AmortizeYear, FirstYearSplitsTwelvePaymentsIntoPrincipalAndInterest) {
  const AmortizedYear year = AmortizeYear(100000, kSixPercentMonthly, 360, 0, 11, 0, 0);
  EXPECT_NEAR(year.principal, 1228.01, 0.01);
  EXPECT_NEAR(year.interest, 5966.60, 0.01);
  EXPECT_EQ(year.payments, 12);
  EXPECT_NEAR(year.principal + year.interest, 12 * 599.55, 0.1);
}

TEST(AmortizeYear, LaterYearsCountOnlyTheirOwnMonths) {
  const AmortizedYear first = AmortizeYear(100000, kSixPercentMonthly, 360, 0, 11, 0, 0);
  const AmortizedYear two = AmortizeYear(100000, kSixPercentMonthly, 360, 0, 23, 0, 0);
  const AmortizedYear second = AmortizeYear(100000, kSixPercentMonthly, 360, 12, 23, 0, 0);
  EXPECT_NEAR(second.principal, two.principal - first.principal, 0.02);
  EXPECT_GT(second.principal, first.principal);
  EXPECT_LT(second.interest, first.interest);
  EXPECT_EQ(second.payments, 12);
}

TEST(AmortizeYear, TheWholeTermRepaysThePrincipal) {
  double repaid = 0;
  for (int year = 0; year < 30; ++year) {
    repaid +=
        AmortizeYear(100000, kSixPercentMonthly, 360, year * 12, year * 12 + 11, 0, 0).principal;
  }
  EXPECT_NEAR(repaid, 100000, 1.0);
  // Past the term only a rounding residue of the single-precision balance is left.
  EXPECT_LT(AmortizeYear(100000, kSixPercentMonthly, 360, 360, 371, 0, 0).principal, 1.0f);
}

TEST(AmortizeYear, ExtraPrincipalFromItsFirstMonthShortensTheSchedule) {
  const AmortizedYear plain = AmortizeYear(100000, kSixPercentMonthly, 360, 12, 23, 0, 0);
  const AmortizedYear extra = AmortizeYear(100000, kSixPercentMonthly, 360, 12, 23, 500, 18);
  EXPECT_NEAR(extra.principal - plain.principal, 6 * 500 + 25, 25);
  // With a large extra amount the balance is gone within the year: the last payment only
  // clears what is left, and the months after it pay nothing.
  const AmortizedYear cleared = AmortizeYear(10000, kSixPercentMonthly, 360, 0, 11, 2000, 0);
  EXPECT_NEAR(cleared.principal, 10000, 0.01);
  EXPECT_LT(cleared.payments, 12);
  EXPECT_FLOAT_EQ(AmortizeYear(10000, kSixPercentMonthly, 360, 12, 23, 2000, 0).principal, 0);
}

// A schedule walked on from where the last year left it gives every year exactly what walking
// it from its first month gives, also when the schedule ends early or its extra amount changes.
TEST(AmortizeYear, GoingOnFromTheCursorGivesWhatWalkingFromTheStartGives) {
  struct Case {
    double principal;
    int months;
    double extra;
    int first_extra_month;
    int extra_from_year;  // the extra amount applies from this year on (a changed schedule)
  };
  const Case cases[] = {{100000, 360, 0, 0, 0},
                        {250000, 180, 800, 24, 0},
                        {20000, 60, 2000, 0, 0},
                        {300000, 360, 1500, 60, 5}};
  for (const Case& c : cases) {
    AmortizationCursor cursor;
    for (int year = 0; year * 12 < c.months + 24; ++year) {
      const double extra = year >= c.extra_from_year ? c.extra : 0;
      const int first = year * 12;
      const AmortizedYear walked = AmortizeYear(c.principal, kSixPercentMonthly, c.months, first,
                                                first + 11, extra, c.first_extra_month);
      const AmortizedYear resumed = AmortizeYear(c.principal, kSixPercentMonthly, c.months, first,
                                                 first + 11, extra, c.first_extra_month, cursor);
      EXPECT_EQ(resumed.principal, walked.principal) << c.principal << " year " << year;
      EXPECT_EQ(resumed.interest, walked.interest) << c.principal << " year " << year;
      EXPECT_EQ(resumed.payments, walked.payments) << c.principal << " year " << year;
    }
  }
}

TEST(AmortizeYear, NothingIsRepaidWithoutMonthsPrincipalOrAYear) {
  EXPECT_FLOAT_EQ(AmortizeYear(100000, kSixPercentMonthly, 360, 0, -1, 0, 0).principal, 0);
  EXPECT_FLOAT_EQ(AmortizeYear(100000, kSixPercentMonthly, 0, 0, 11, 0, 0).principal, 0);
  EXPECT_FLOAT_EQ(AmortizeYear(-5000, kSixPercentMonthly, 360, 0, 11, 0, 0).principal, 0);
}

}  // namespace
}  // namespace tarvel::engine
