// Required minimum distributions: the shares and carries of the three options, taxes, the
// problem lines, the depletion red flag and the RMD entries that follow the accounts.
#include "engine/rmd.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "engine/run_scenario.h"
#include "engine/run_write_back.h"
#include "engine_test_support.h"
#include "event_year_fixture.h"
#include "model/scenario_ops.h"

namespace tarvel {
namespace {

using model::AccountType;
using model::EventKind;

constexpr float kIraDivisor = 27.4f;

class Rmd : public test_support::EventYearTest {
 protected:
  Rmd() {
    brokerage_ = test_support::AddAccount(*scenario_, AccountType::Investment, 0, 0, "Brokerage");
    auto& settings = scenario_->settings;
    settings.rmd_transfer_account = static_cast<std::int16_t>(AccountAt(brokerage_).id);
    settings.rmd_start_age = {70, 70, 70};
    settings.rmd_table_name[0].assign("IRA");
    settings.rmd_table_name[1].assign("Old 401k");
    settings.rmd_life_expectancy[0].fill(kIraDivisor);
    settings.rmd_life_expectancy[1].fill(kIraDivisor);
    scenario_->accounts.rmd_method = 1;
  }

  // A Retirement account assigned to the table.
  int AddIra(float balance, const char* name, int table = 1) {
    const int position =
        test_support::AddAccount(*scenario_, AccountType::Retirement, balance, 0, name);
    scenario_->settings.rmd_table[AccountAt(position).slot] =
        static_cast<std::uint16_t>(table * 10);
    return position;
  }

  void AddEntry(int table = 1, float start_age = 70) {
    test_support::AddEvent(*scenario_, EventKind::RmdLine, start_age, 120).word_22 =
        static_cast<std::uint16_t>(table);
  }

  float Balance(int position) { return AccountAt(position).balance; }

  // An RMD of 4,000 from accounts of 1,000 and 50,000 in that order.
  void ExpectAccountOrder() {
    scenario_->settings.rmd_life_expectancy[0].fill(51000.0f / 4000.0f);
    const int small = AddIra(1000, "Small");
    const int large = AddIra(50000, "Large");
    AddEntry();
    Year(70);
    EXPECT_FLOAT_EQ(Balance(small), 0);
    EXPECT_FLOAT_EQ(Balance(large), 47000);
    EXPECT_FLOAT_EQ(Balance(brokerage_), 4000);
  }

  int brokerage_ = 0;
};

TEST_F(Rmd, ProportionalSharesFollowTheBalancesAndAreTaxed) {
  const int first = AddIra(60000, "IRA one");
  const int second = AddIra(40000, "IRA two");
  AddEntry();
  run_.categories.retirement = 100000;
  Year(70);
  EXPECT_NEAR(Balance(first), 60000 - 2189.78, 0.01);
  EXPECT_NEAR(Balance(second), 40000 - 1459.85, 0.01);
  EXPECT_NEAR(Balance(brokerage_), 3649.64, 0.01);
  EXPECT_NEAR(run_.categories.retirement, 100000 - 3649.64, 0.01);
  EXPECT_NEAR(run_.categories.investment, 3649.64, 0.01);
  EXPECT_NEAR(run_.year.withdrawal_taxes, 547.45, 0.01);
  EXPECT_NEAR(run_.year.total_taxes, 547.45, 0.01);
  EXPECT_FLOAT_EQ(run_.year.penalties, 0);
  EXPECT_TRUE(
      HasLine("  IRA (using RMD Table 1) -  $3,649.64 Transferred to the Brokerage account."))
      << AllLines();
}

TEST_F(Rmd, EqualSharesCarryWhatASmallAccountCannotGiveToTheNext) {
  scenario_->accounts.rmd_method = 2;
  scenario_->settings.rmd_life_expectancy[0].fill(51000.0f / 4000.0f);  // R = 4,000
  const int small = AddIra(1000, "Small");
  const int large = AddIra(50000, "Large");
  AddEntry();
  Year(70);
  EXPECT_FLOAT_EQ(Balance(small), 0);
  EXPECT_FLOAT_EQ(Balance(large), 47000);
  EXPECT_FLOAT_EQ(Balance(brokerage_), 4000);
}

TEST_F(Rmd, ACarryLeftAfterTheLastAccountIsTakenInASecondPass) {
  scenario_->accounts.rmd_method = 2;
  scenario_->settings.rmd_life_expectancy[0].fill(51000.0f / 4000.0f);
  const int large = AddIra(50000, "Large");
  const int small = AddIra(1000, "Small");
  AddEntry();
  Year(70);
  EXPECT_FLOAT_EQ(Balance(large), 47000);  // its 2,000 share, then the 1,000 carried
  EXPECT_FLOAT_EQ(Balance(small), 0);
  EXPECT_FLOAT_EQ(Balance(brokerage_), 4000);
}

TEST_F(Rmd, AccountOrderEmptiesTheFirstAccountsFirst) {
  scenario_->accounts.rmd_method = 3;
  ExpectAccountOrder();
}

TEST_F(Rmd, AnUnknownOptionWorksAsAccountOrder) {
  scenario_->accounts.rmd_method = 0;
  ExpectAccountOrder();
}

TEST_F(Rmd, AccountsOfOtherTablesAndOtherTypesKeepTheirMoney) {
  const int ira = AddIra(27400, "IRA");
  const int other = AddIra(27400, "Other table", 2);
  const int roth = test_support::AddAccount(*scenario_, AccountType::TaxFree, 5000, 0, "Roth");
  AddEntry();
  Year(70);
  EXPECT_FLOAT_EQ(Balance(ira), 26400);
  EXPECT_FLOAT_EQ(Balance(other), 27400);
  EXPECT_FLOAT_EQ(Balance(roth), 5000);
}

TEST_F(Rmd, DetailedResultsNameEveryAccountTaken) {
  run_.options.detailed = true;
  AddIra(27400, "IRA");
  AddEntry();
  Year(70);
  EXPECT_TRUE(HasLine("      $1,000.00 from IRA")) << AllLines();
}

TEST_F(Rmd, AnAgeBeforeTheTableStartIsAProblemAndMovesNothing) {
  const int ira = AddIra(27400, "IRA");
  AddEntry(1, 65);
  Year(66);
  EXPECT_TRUE(
      HasLine("  Required Minimum Distribution - Detected a possible problem with the "
              "start age of the distributions 66 70 0."))
      << AllLines();
  EXPECT_FLOAT_EQ(Balance(ira), 27400);
}

TEST_F(Rmd, AnAgeBeyondTheThirtyDivisorsUsesTheLastOne) {
  scenario_->settings.rmd_life_expectancy[0][29] = 6.7f;
  const int ira = AddIra(6700, "IRA");
  AddEntry();
  Year(100);
  EXPECT_TRUE(
      HasLine("  Required Minimum Distribution - Detected a possible problem with the "
              "end age of the distributions 100 70 29."))
      << AllLines();
  EXPECT_NEAR(Balance(ira), 5700, 0.01);
}

TEST_F(Rmd, AYearWithoutADivisorWritesItsProblemLineAndDistributesNothing) {
  scenario_->settings.rmd_life_expectancy[0][0] = 0;
  scenario_->settings.rmd_life_expectancy[1][0] = -1;
  const int first = AddIra(27400, "IRA");
  const int second = AddIra(27400, "401k", 2);
  AddEntry(1);
  AddEntry(2);
  Year(70);
  EXPECT_TRUE(
      HasLine("  Required Minimum Distribution - Detected a possible problem with the "
              "Life Expectancy Values in Table 1."))
      << AllLines();
  EXPECT_TRUE(
      HasLine("  Required Minimum Distribution - Detected a possible problem with the "
              "Life Expectancy Values in Table 2.-0,-1.000000"))
      << AllLines();
  EXPECT_FLOAT_EQ(Balance(first), 27400);
  EXPECT_FLOAT_EQ(Balance(second), 27400);
  EXPECT_FLOAT_EQ(Balance(brokerage_), 0);
  EXPECT_FALSE(run_.red_flags.rmd_depleted.set);
}

TEST_F(Rmd, EmptyAccountsRaiseTheRedFlagAtTheirFirstYearOnly) {
  AddIra(0, "IRA");
  AddEntry();
  Years(71, 73);
  const std::string line = "  IRA (using RMD Table 1) - selected RMD accounts were depleted.";
  EXPECT_EQ(std::count(Lines().begin(), Lines().end(), line), 3) << AllLines();
  EXPECT_TRUE(run_.red_flags.rmd_depleted.set);
  EXPECT_EQ(run_.red_flags.rmd_depleted.age, 71);
}

TEST(RequiredDistributions, BeginAtTheTableStartAgeOfARun) {
  engine_test::TestClock clock;
  auto scenario = engine_test::MakeScenario(68, 73);
  model::ApplyNewScenarioDefaults(*scenario);
  const int checking =
      engine_test::AddAccount(*scenario, AccountType::Investment, 0, 0, "Checking");
  const int ira = engine_test::AddAccount(*scenario, AccountType::Retirement, 274000, 0, "IRA");
  scenario->settings.rmd_table[ira] = 10;
  scenario->settings.rmd_transfer_account =
      static_cast<std::int16_t>(scenario->accounts.records[checking].id);
  scenario->settings.rmd_life_expectancy[0].fill(27.4f);
  scenario->accounts.rmd_method = 3;
  model::RecomputeInitialTotals(*scenario);
  auto run = engine_test::MakeRun(clock);
  ASSERT_TRUE(engine::RunScenario(*scenario, *run));
  engine::WriteBackRunFields(*run, *scenario);

  const std::string first =
      "  IRA 1 (using RMD Table 1) -  $10,000.00 Transferred to the "
      "Checking account.";
  EXPECT_EQ(engine_test::CountLines(*run, first), 1);
  // Three distributions (ages 70, 71, 72) of 1/27.4 of what is left each time.
  const float left = 274000.0f * (1 - 1 / 27.4f) * (1 - 1 / 27.4f) * (1 - 1 / 27.4f);
  float ira_balance = 0;
  for (int i = 0; i < scenario->accounts.count; ++i) {
    if (scenario->accounts.records[i].name.str() == "IRA") {
      ira_balance = scenario->accounts.records[i].balance;
    }
  }
  EXPECT_NEAR(ira_balance, left, 0.05);
  EXPECT_EQ(scenario->initial.event_count, 1);
}

TEST(RequiredDistributions, AMissingDivisorIsExplainedOnceNamingTheTableAndAge) {
  const struct {
    const char* label;
    int first_zero;  // position of the first divisor that is 0
    const char* name;
    const char* explanation;
  } cases[] = {
      {"an empty table", 0, "IRA 1",
       "  Table 1 (IRA 1) has no life-expectancy divisor for age 70 (value 0.0): no distribution "
       "is taken in a year without one."},
      {"a table filled up to age 72", 3, "",
       "  Table 1 has no life-expectancy divisor for age 73 (value 0.0): no distribution is taken "
       "in a year without one."},
  };
  const std::string problem =
      "  Required Minimum Distribution - Detected a possible problem with the Life Expectancy "
      "Values in Table 1.";
  const std::string how =
      "  To fill the table, choose Edit > Required Minimum Distribution > Edit Table 1 Life "
      "Expectancy Values > Fill from the IRS Uniform Lifetime Table.";
  for (const auto& test : cases) {
    SCOPED_TRACE(test.label);
    engine_test::TestClock clock;
    auto scenario = engine_test::MakeScenario(68, 78);
    model::ApplyNewScenarioDefaults(*scenario);
    scenario->settings.rmd_table_name[0].assign(test.name);
    const int checking =
        engine_test::AddAccount(*scenario, AccountType::Investment, 0, 0, "Checking");
    const int ira = engine_test::AddAccount(*scenario, AccountType::Retirement, 274000, 0, "IRA");
    scenario->settings.rmd_table[ira] = 10;
    scenario->settings.rmd_transfer_account =
        static_cast<std::int16_t>(scenario->accounts.records[checking].id);
    for (int k = 0; k < test.first_zero; ++k) scenario->settings.rmd_life_expectancy[0][k] = 27.4f;
    model::AddRmdLine(*scenario, 1);
    model::RecomputeInitialTotals(*scenario);
    auto run = engine_test::MakeRun(clock);
    ASSERT_TRUE(engine::RunScenario(*scenario, *run));
    // The problem line stays in every year without a divisor (of the years at 70 .. 77); the
    // explanation comes once.
    EXPECT_EQ(engine_test::CountLines(*run, problem), 8 - test.first_zero);
    EXPECT_EQ(engine_test::CountLines(*run, test.explanation), 1);
    EXPECT_EQ(engine_test::CountLines(*run, how), 1);
  }
}

}  // namespace
}  // namespace tarvel
