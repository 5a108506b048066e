// Mortgages: the purchase, payments that turn debt into equity, extra principal, property
// taxes, payoff and sale in either order, and a mortgage that began before the scenario.
#include "engine/amortization.h"
#include "engine/debt_events.h"
#include "engine/debt_fixture.h"
#include "engine/engine_test_support.h"
#include "engine/run_scenario.h"
#include "engine/run_write_back.h"

namespace tarvel::engine {
namespace {

using model::AccountType;
using test_support::AddAccount;

constexpr double kSixPercentMonthly = 6 * 0.01 / 12;

class Mortgage : public test_support::DebtYearTest {
 protected:
  Mortgage() { home_ = AddAccount(*scenario_, AccountType::Equity, 0, 0, "Home"); }

  model::FinancialEvent& AddHouse(float start = 60, float payoff = 90) {
    model::FinancialEvent& mortgage = AddMortgage(300000, 60000, start, payoff);
    mortgage.equity_account = AccountAt(home_).id;
    return mortgage;
  }

  int home_ = 0;
};

TEST_F(Mortgage, PurchaseBorrowsThePriceLessTheDownPaymentAndPaysTheCosts) {
  model::FinancialEvent& mortgage = AddHouse();
  mortgage.value_138 = 5000;

  DebtYear(60);
  EXPECT_TRUE(HasLine("  House - Withdraw $60,000.00 for down payment"));
  EXPECT_TRUE(HasLine("  House - Withdraw $5,000.00 for closing costs"));
  EXPECT_NEAR(mortgage.monthly_payment, MonthlyPayment(240000, kSixPercentMonthly, 360), 0.001);
  const double principal = mortgage.accumulator_50;
  EXPECT_NEAR(run_.liabilities, 240000 - principal, 0.05);
  EXPECT_NEAR(run_.categories.asset, 240000 - principal, 0.05);
  EXPECT_NEAR(run_.categories.equity, 60000 + principal, 0.05);
  EXPECT_FLOAT_EQ(run_.year.closing_costs, 5000);
  // The year costs the closing costs and the interest; the equity is in the Home account.
  EXPECT_NEAR(NetWorth(), kSavings - 5000 - mortgage.accumulator_54, 0.5);
  EXPECT_NEAR(AccountAt(home_).balance, 60000 + principal, 0.05);
}

TEST_F(Mortgage, DownPaymentFromEquityIsNotWithdrawn) {
  model::FinancialEvent& mortgage = AddHouse();
  mortgage.account_24 = 1;

  DebtYear(60);
  EXPECT_TRUE(HasLine("  House - $60,000.00 to equity."));
  EXPECT_NEAR(kSavings - Savings(), 12 * mortgage.monthly_payment, 0.1);
}

TEST_F(Mortgage, ExtraPrincipalFromTheFirstPaymentOrFromTheScenarioStart) {
  model::FinancialEvent& first = AddHouse(55);
  first.marker = 3;
  first.value_146 = 500;
  model::FinancialEvent& later = AddHouse(55);
  later.marker = 2;
  later.value_146 = 500;

  DebtYears(55, 60);
  EXPECT_NEAR(first.accumulator_50,
              AmortizeYear(240000, kSixPercentMonthly, 360, 0, 71, 500, 0).principal, 0.5);
  // Before the scenario's start age the schedule ran without the extra amount.
  const double without = AmortizeYear(240000, kSixPercentMonthly, 360, 0, 59, 0, 0).principal;
  const double year = AmortizeYear(240000, kSixPercentMonthly, 360, 60, 71, 500, 60).principal;
  EXPECT_NEAR(later.accumulator_50, without + year, 0.5);
}

TEST_F(Mortgage, PropertyTaxesGrowWithInflationAndSmallAmountsAreNeverCharged) {
  model::FinancialEvent& taxed = AddHouse(60, 61);
  taxed.value_134 = 1000;
  taxed.word_26 = 1;
  model::FinancialEvent& small = AddHouse(60, 61);
  small.description.assign("Shed");
  small.value_134 = 0.5f;

  DebtYears(60, 61);
  DebtYear(62);
  EXPECT_TRUE(HasLine("  Withdraw $1,060.90 for property taxes"));
  EXPECT_NEAR(run_.year.property_taxes, 1060.90, 0.01);
  EXPECT_NEAR(run_.year.total_taxes, 1060.90, 0.01);
  // After the payoff the name introduces the tax line of the year.
  EXPECT_TRUE(HasLine("  House:"));
  EXPECT_TRUE(HasLine("  Shed:"));
  EXPECT_EQ(AllLines().find("$0.50"), std::string::npos);
}

TEST_F(Mortgage, SaleBeforePayoffDepositsTheProceedsAndRepaysTheRest) {
  model::FinancialEvent& mortgage = AddHouse(60, 80);
  mortgage.value_10 = 65;
  mortgage.selling_percent = 6;

  DebtYears(60, 64);
  const double worth = NetWorth();
  const double owed = 240000.0 - mortgage.accumulator_50;
  DebtYear(65);
  EXPECT_TRUE(HasLine("  House - Sold property for $300,000.00"));
  EXPECT_TRUE(HasLine("     Selling expenses = $18,000.00"));
  EXPECT_TRUE(HasLine("      Deposited $282,000.00 to Savings"));
  EXPECT_TRUE(HasLine(model::Format("   Paid off mortgage with %s",
                                    model::Money(owed, run_.options.currency).c_str())));
  EXPECT_FLOAT_EQ(run_.year.sale_of_property, 282000);
  EXPECT_NEAR(run_.liabilities, 0, 0.1);
  EXPECT_NEAR(run_.categories.asset, 0, 0.1);
  EXPECT_NEAR(run_.categories.equity, 0, 0.1);
  EXPECT_NEAR(NetWorth(), worth - 18000, 0.5);
  EXPECT_EQ(mortgage.status, 2);
  EXPECT_EQ(mortgage.flag_14, 1);
  DebtYear(66);
  EXPECT_FLOAT_EQ(AccountAt(home_).balance, 0);
  EXPECT_NEAR(run_.categories.equity, 0, 0.1);
}

TEST_F(Mortgage, SaleAfterPayoffTakesNothingOutOfTheLiabilitiesAgain) {
  model::FinancialEvent& mortgage = AddHouse(60, 62);
  mortgage.value_10 = 64;
  mortgage.value_60 = 2;

  DebtYears(60, 62);
  EXPECT_EQ(mortgage.word_22, 1);
  EXPECT_NEAR(run_.liabilities, 0, 0.1);
  EXPECT_NEAR(AccountAt(home_).balance, mortgage.working_amount_28, 0.1);
  DebtYear(63);
  const float price = mortgage.working_amount_28;
  DebtYear(64);
  EXPECT_TRUE(HasLine(model::Format("  House - Sold property for %s",
                                    model::Money(price, run_.options.currency).c_str())));
  EXPECT_EQ(AllLines().find("   Paid off mortgage"), std::string::npos);
  EXPECT_NEAR(run_.liabilities, 0, 0.1);
  EXPECT_NEAR(run_.categories.asset, 0, 0.1);
  EXPECT_NEAR(run_.categories.equity, 0, 0.5);
  EXPECT_NEAR(run_.year.sale_of_property, price, 0.01);
}

TEST_F(Mortgage, MissingPaymentAndEquityAccountsAreNotUsed) {
  model::FinancialEvent& mortgage = AddMortgage(100000, 20000, 60, 90);
  mortgage.equity_account = 777;
  mortgage.word_158 = 778;
  mortgage.payment_marker = model::kChosenAccountMarker;
  mortgage.value_10 = 61;

  DebtYears(60, 61);
  EXPECT_TRUE(HasLine("      Deposited $100,000.00 to Savings"));
  EXPECT_NEAR(run_.liabilities, 0, 0.1);
}

// A mortgage taken out five years before the scenario starts arrives with its schedule,
// equity and debt of that age, and nothing was paid from the accounts before the start.
TEST(MortgageRun, StartedBeforeTheScenarioArrivesWithItsEquityAndDebt) {
  engine_test::TestClock clock;
  auto scenario = engine_test::MakeScenario(55, 58);
  const int savings =
      engine_test::AddAccount(*scenario, AccountType::Investment, 100000, 0, "Savings");
  const int home = engine_test::AddAccount(*scenario, AccountType::Equity, 0, 0, "Home");
  scenario->initial.initial_investment = 100000;
  model::FinancialEvent& mortgage =
      test_support::AddEvent(*scenario, model::EventKind::Mortgage, 50, 80);
  mortgage.description.assign("House");
  mortgage.amount = 200000;
  mortgage.value_32 = 40000;
  mortgage.rate_40 = 6;
  mortgage.word_44 = 30;
  mortgage.equity_account = scenario->accounts.records[home].id;
  auto run = engine_test::MakeRun(clock);

  ASSERT_TRUE(RunScenario(*scenario, *run));
  const double repaid = AmortizeYear(160000, kSixPercentMonthly, 360, 0, 59, 0, 0).principal;
  const PeriodResult& first = run->periods.at(0);
  EXPECT_NEAR(first[5], 40000 + repaid, 1);
  EXPECT_NEAR(first[6], 100000 + 40000 + repaid, 1);
  EXPECT_NEAR(run->balance_rows.at(0)[home], 40000 + repaid, 1);
  EXPECT_FLOAT_EQ(run->balance_rows.at(0)[savings], 100000);
  const double year = AmortizeYear(160000, kSixPercentMonthly, 360, 60, 71, 0, 0).principal;
  EXPECT_NEAR(run->balance_rows.at(1)[home], 40000 + repaid + year, 1);
  EXPECT_TRUE(engine_test::HasLine(*run,
                                   "  House - Withdraw $11,511.37 for monthly payments - "
                                   "principal=$2,650.24 interest=$8,861.13"));
}

// Equity loans are fitted into the life of a mortgage that will be sold; on one that is
// never sold they stay as entered.
TEST(MortgageRun, EquityLoansFollowOnlyAMortgageThatWillBeSold) {
  engine_test::TestClock clock;
  auto scenario = engine_test::MakeScenario(55, 58);
  engine_test::AddAccount(*scenario, AccountType::Investment, 100000, 0, "Savings");
  const int home = engine_test::AddAccount(*scenario, AccountType::Equity, 0, 0, "Home");
  const std::uint16_t home_id = scenario->accounts.records[home].id;
  auto add_pair = [&](float sell_age) -> model::FinancialEvent& {
    model::FinancialEvent& mortgage =
        test_support::AddEvent(*scenario, model::EventKind::Mortgage, 56, 80);
    mortgage.amount = 100000;
    mortgage.word_44 = 30;
    mortgage.value_10 = sell_age;
    mortgage.equity_account = home_id;
    model::FinancialEvent& loan = test_support::AddEvent(*scenario, model::EventKind::Loan, 55, 75);
    loan.word_26 = model::kEquityLoanMarker;
    loan.mortgage_link = mortgage.number;
    return loan;
  };
  model::FinancialEvent& kept = add_pair(0);
  const std::uint16_t kept_number = kept.number;
  model::FinancialEvent& fitted = add_pair(70);
  const std::uint16_t fitted_number = fitted.number;
  auto run = engine_test::MakeRun(clock);

  ASSERT_TRUE(RunScenario(*scenario, *run));
  WriteBackRunFields(*run, *scenario);
  for (const model::FinancialEvent& event : scenario->events) {
    if (event.number == kept_number) {
      EXPECT_FLOAT_EQ(event.start_age, 55);
      EXPECT_FLOAT_EQ(event.end_age, 75);
      EXPECT_EQ(event.equity_account, model::kNoAccount);
    } else if (event.number == fitted_number) {
      EXPECT_FLOAT_EQ(event.start_age, 56);
      EXPECT_FLOAT_EQ(event.end_age, 70);
      EXPECT_EQ(event.equity_account, home_id);
    }
  }
}

}  // namespace
}  // namespace tarvel::engine
