// The yearly account step: growth by account type, dividends and their taxes, the tax and
// penalty lines, the "Summary:" block and the account list.
#include "engine/account_step.h"

#include <gtest/gtest.h>

#include "engine/run.h"
#include "engine/scenario_in_run.h"
#include "engine_test_support.h"

namespace tarvel::engine_test {
namespace {

using model::AccountType;

// One year at age 30 of a scenario starting at 30, in memory.
struct AccountStepTest : ::testing::Test {
  std::unique_ptr<model::Scenario> scenario = MakeScenario();
  TestClock clock;
  std::unique_ptr<results::ScheduleRun> run = MakeRun(clock);

  void StartYear(float age = 30, float fraction = 1.0f) {
    run->shown_start_age = 30;
    run->start_age = 30;
    run->current_age = age;
    run->year_fraction = fraction;
    run->sink.Begin(engine::OutputMode::ResultsList, nullptr, 30);
    run->sink.set_current_age(age);
  }
  model::Account& Account(int position) { return scenario->accounts.records[position]; }
  void AccountYear(model::Scenario& stepped, engine::Run& stepping) {
    test_support::OnScenario(stepped, stepping,
                             [&] { engine::YearlyAccountStep(stepped, stepping); });
  }
  void SetDividend(int position, float percent, float taxable, int destination_id) {
    scenario->dividends.yearly_percent[position] = percent;
    scenario->dividends.taxable_percent[position] = taxable;
    scenario->dividends.deposit_account[position] = static_cast<std::int16_t>(destination_id);
  }
};

TEST_F(AccountStepTest, InvestmentInterestIsTaxedAndTheTaxPaidFromSavings) {
  scenario->initial.tax_rate = 15;
  const int savings = AddAccount(*scenario, AccountType::Investment, 1000, 10, "Savings");
  run->tax_rate = 15;
  StartYear();
  AccountYear(*scenario, *run);
  EXPECT_FLOAT_EQ(run->year.taxable_income, 100);
  EXPECT_FLOAT_EQ(run->year.taxable_interest, 100);
  EXPECT_TRUE(HasLine(*run, "  Pay $15.00 Tax on Savings Interest"));
  EXPECT_FLOAT_EQ(Account(savings).balance, 1085);
  EXPECT_FLOAT_EQ(run->categories.investment, 85);
  // Cleared at the end of the step, after the year's result was written.
  EXPECT_FLOAT_EQ(run->year.savings_interest_tax, 0);
}

TEST_F(AccountStepTest, ShelteredAccountsGrowUntaxed) {
  const int tax_free = AddAccount(*scenario, AccountType::TaxFree, 1000, 5, "Roth");
  const int retirement = AddAccount(*scenario, AccountType::Retirement, 2000, 10, "IRA");
  run->tax_rate = 15;
  StartYear();
  AccountYear(*scenario, *run);
  EXPECT_FLOAT_EQ(Account(tax_free).balance, 1050);
  EXPECT_FLOAT_EQ(Account(retirement).balance, 2200);
  EXPECT_FLOAT_EQ(run->year.nontaxable_income, 250);
  EXPECT_FLOAT_EQ(run->year.tax_free_interest, 50);
  EXPECT_FLOAT_EQ(run->year.retirement_interest, 200);
  EXPECT_FLOAT_EQ(run->categories.tax_free, 50);
  EXPECT_FLOAT_EQ(run->categories.retirement, 200);
  EXPECT_FALSE(HasLine(*run, "  Pay $0.00 Tax on Savings Interest"));
}

TEST_F(AccountStepTest, ShelteredGrowthIsCountedInItsCategoryAfterTheDividend) {
  // At 2^24 a four-byte total keeps only even values, so the order of the additions shows:
  // dividend 1.5 first (16777218), then growth 1 (16777219, rounded to even: 16777220).
  const int roth = AddAccount(*scenario, AccountType::TaxFree, 100, 1, "Roth");
  SetDividend(roth, 1.5f, 0, -1);
  run->categories.tax_free = 16777216.0f;
  StartYear();
  AccountYear(*scenario, *run);
  EXPECT_FLOAT_EQ(Account(roth).balance, 102.5f);
  EXPECT_EQ(run->categories.tax_free, 16777220.0f);
}

TEST_F(AccountStepTest, EquityAppreciatesAndAssetsDepreciate) {
  const int house = AddAccount(*scenario, AccountType::Equity, 100000, 3, "House");
  const int car = AddAccount(*scenario, AccountType::Asset, 20000, -10, "Car");
  StartYear();
  AccountYear(*scenario, *run);
  EXPECT_FLOAT_EQ(Account(house).balance, 103000);
  EXPECT_FLOAT_EQ(Account(car).balance, 18000);
  EXPECT_FLOAT_EQ(run->categories.equity, 3000);
  EXPECT_FLOAT_EQ(run->categories.asset, -2000);
  EXPECT_TRUE(HasLine(*run, "       Appreciation=$3,000.00"));
  EXPECT_TRUE(HasLine(*run, "       Depreciation=$2,000.00"));
  EXPECT_TRUE(HasLine(*run, "    Total Outgoing=$2,000.00"));
}

TEST_F(AccountStepTest, AMortgagedPropertyAndEmptyAccountsDoNotGrow) {
  const int house = AddAccount(*scenario, AccountType::Equity, 100000, 3, "House");
  const int empty = AddAccount(*scenario, AccountType::Investment, 0, 10, "Empty");
  const int overdrawn = AddAccount(*scenario, AccountType::Investment, -500, 10, "Overdrawn");
  SetDividend(empty, 5, 100, -1);
  auto& mortgage = test_support::AddEvent(*scenario, model::EventKind::Mortgage, 30, 60);
  mortgage.equity_account = Account(house).id;
  // A running mortgage whose equity is the whole (unchanging) price holds the house's value.
  mortgage.status = 1;
  mortgage.amount = mortgage.value_32 = mortgage.working_amount_28 = 100000;
  StartYear();
  AccountYear(*scenario, *run);
  EXPECT_FLOAT_EQ(Account(house).balance, 100000);
  EXPECT_FLOAT_EQ(Account(empty).balance, 0);
  EXPECT_FLOAT_EQ(Account(overdrawn).balance, -500);
  EXPECT_FLOAT_EQ(run->year.total_incoming, 0);
}

TEST_F(AccountStepTest, NothingGrowsBeforeTheShownStartAge) {
  const int savings = AddAccount(*scenario, AccountType::Investment, 1000, 10, "Savings");
  StartYear(28);
  AccountYear(*scenario, *run);
  EXPECT_FLOAT_EQ(Account(savings).balance, 1000);
  EXPECT_TRUE(Lines(*run).empty());
}

TEST_F(AccountStepTest, APartialFirstYearScalesGrowthDividendAndItsTax) {
  const int savings = AddAccount(*scenario, AccountType::Investment, 10000, 8, "Savings");
  SetDividend(savings, 4, 100, -1);
  run->dividend_tax_rate = 10;
  StartYear(30, 0.75f);
  AccountYear(*scenario, *run);
  // Growth 10000 x 8 % x 0.75 = 600; dividend 10000 x 4 % x 0.75 = 300, taxed 10 % x 0.75.
  EXPECT_FLOAT_EQ(run->year.taxable_interest, 600);
  EXPECT_FLOAT_EQ(run->year.taxable_dividends, 300);
  EXPECT_TRUE(HasLine(*run, "  Taxes on Dividends = $22.50"));
  EXPECT_FLOAT_EQ(Account(savings).balance, 10000 + 600 + 300 - 22.5f);
}

TEST_F(AccountStepTest, DividendLinesNameTheDestination) {
  const int fund = AddAccount(*scenario, AccountType::Investment, 10000, 0, "Fund");
  const int cash = AddAccount(*scenario, AccountType::Investment, 0, 0, "Cash");
  SetDividend(fund, 2, 0, Account(cash).id);
  StartYear();
  AccountYear(*scenario, *run);
  EXPECT_TRUE(HasLine(*run, "  Dividend received = $200.00"));
  EXPECT_TRUE(HasLine(*run, "      $200.00 from Fund deposited to Cash "));
  EXPECT_FLOAT_EQ(Account(cash).balance, 200);
  EXPECT_FLOAT_EQ(Account(fund).balance, 10000);
}

TEST_F(AccountStepTest, SmallDividendsArePaidWithoutScheduleLines) {
  const int half = AddAccount(*scenario, AccountType::Investment, 50, 0, "Half");
  const int tiny = AddAccount(*scenario, AccountType::Investment, 5, 0, "Tiny");
  SetDividend(half, 1, 0, -1);  // 0.50
  SetDividend(tiny, 1, 0, -1);  // 0.05
  StartYear();
  AccountYear(*scenario, *run);
  EXPECT_FLOAT_EQ(Account(half).balance, 50.5f);
  EXPECT_FLOAT_EQ(Account(tiny).balance, 5.05f);
  EXPECT_NEAR(run->year.taxable_dividends, 0.55f, 1e-6);
  for (const auto& line : Lines(*run)) EXPECT_EQ(line.find("Dividend received"), std::string::npos);
}

TEST_F(AccountStepTest, DividendsBetweenShelteredAccountsAreUntaxed) {
  const int ira = AddAccount(*scenario, AccountType::Retirement, 10000, 0, "IRA");
  const int roth = AddAccount(*scenario, AccountType::TaxFree, 0, 0, "Roth");
  SetDividend(ira, 5, 100, Account(roth).id);
  run->dividend_tax_rate = 20;
  StartYear();
  AccountYear(*scenario, *run);
  EXPECT_FLOAT_EQ(Account(roth).balance, 500);
  EXPECT_FLOAT_EQ(run->year.nontaxable_dividends, 500);
  EXPECT_FLOAT_EQ(run->year.dividend_taxes, 0);
}

TEST_F(AccountStepTest, ARetirementDividendIntoInvestmentIsTaxed) {
  const int ira = AddAccount(*scenario, AccountType::Retirement, 10000, 0, "IRA");
  const int cash = AddAccount(*scenario, AccountType::Investment, 0, 0, "Cash");
  SetDividend(ira, 5, 100, Account(cash).id);
  run->dividend_tax_rate = 20;
  StartYear();
  AccountYear(*scenario, *run);
  EXPECT_TRUE(HasLine(*run, "  Taxes on Dividends = $100.00"));
  EXPECT_FLOAT_EQ(run->categories.investment, 500);
}

TEST_F(AccountStepTest, ADividendToAMissingAccountStaysInThePayingAccount) {
  const int fund = AddAccount(*scenario, AccountType::Investment, 1000, 0, "Fund");
  SetDividend(fund, 10, 0, 4321);
  StartYear();
  AccountYear(*scenario, *run);
  EXPECT_FLOAT_EQ(Account(fund).balance, 1100);
  EXPECT_TRUE(HasLine(*run, "      $100.00 from Fund deposited to Fund "));
}

TEST_F(AccountStepTest, ADividendEarnsTheGrowthOfALaterAccountOnly) {
  const int first = AddAccount(*scenario, AccountType::Investment, 1000, 10, "First");
  const int second = AddAccount(*scenario, AccountType::Investment, 1000, 10, "Second");
  SetDividend(first, 10, 0, Account(second).id);
  SetDividend(second, 10, 0, Account(first).id);
  StartYear();
  AccountYear(*scenario, *run);
  EXPECT_FLOAT_EQ(Account(second).balance, 1000 + 100 + 110);  // grew after receiving
  EXPECT_FLOAT_EQ(Account(first).balance, 1000 + 100 + 110);   // received 10 % of 1100
}

TEST_F(AccountStepTest, SummaryShowsTotalsOverTheirThresholds) {
  AddAccount(*scenario, AccountType::Investment, 1234567.0f, 10, "Savings");
  run->year.deposits = 5000;
  run->year.withdrawals = 2500;
  StartYear();
  AccountYear(*scenario, *run);
  const auto& lines = Lines(*run);
  const std::vector<std::string> expected = {"Summary:",
                                             "    Total Incoming=$128,456.70",
                                             "       Deposits=$5,000.00",
                                             "       Taxable Income=$123,456.70",
                                             "           Interest=$123,456.70",
                                             "    Total Outgoing=$2,500.00",
                                             "       Withdrawals=$2,500.00"};
  const auto start = std::find(lines.begin(), lines.end(), "Summary:");
  ASSERT_NE(start, lines.end());
  EXPECT_EQ(std::vector<std::string>(start, lines.end()), expected);
}

TEST_F(AccountStepTest, SummaryCanBeLeftOutAndAccountsListed) {
  AddAccount(*scenario, AccountType::Investment, 1500, 0, "Savings");
  run->options.add_summary = false;
  run->options.show_accounts = true;
  StartYear();
  AccountYear(*scenario, *run);
  EXPECT_FALSE(HasLine(*run, "Summary:"));
  const std::vector<std::string> expected = {"End Of Year Account Summary:",
                                             "  Savings=$1,500.00           "};
  EXPECT_EQ(Lines(*run), expected);
}

TEST_F(AccountStepTest, PenaltiesArePaidAndFlaggedAtTheirFirstAge) {
  const int savings = AddAccount(*scenario, AccountType::Investment, 1000, 0, "Savings");
  run->year.penalties = 100;
  StartYear(31);
  AccountYear(*scenario, *run);
  run->year.penalties = 50;
  StartYear(32);
  AccountYear(*scenario, *run);
  EXPECT_TRUE(HasLine(*run, "  Penalties Paid = $50.00"));
  EXPECT_TRUE(run->red_flags.penalty_paid.set);
  EXPECT_EQ(run->red_flags.penalty_paid.age, 31);
  EXPECT_FLOAT_EQ(Account(savings).balance, 850);
}

TEST_F(AccountStepTest, DepositTaxesAreShownButNotPaidAgain) {
  const int savings = AddAccount(*scenario, AccountType::Investment, 1000, 0, "Savings");
  run->year.deposit_taxes = 150;
  StartYear();
  AccountYear(*scenario, *run);
  EXPECT_TRUE(HasLine(*run, "  Deposit Taxes = $150.00"));
  EXPECT_FLOAT_EQ(Account(savings).balance, 1000);
}

}  // namespace
}  // namespace tarvel::engine_test
