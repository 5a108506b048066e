// The run driver's year loop: its bounds, the final record, the birthday fraction, the
// purchasing power, the order of events and accounts, and runs in parallel threads.
#include <gtest/gtest.h>

#include <thread>

#include "engine/account_order.h"
#include "engine/birthday_fraction.h"
#include "engine/run_scenario.h"
#include "engine/run_write_back.h"
#include "engine_test_support.h"

namespace tarvel::engine_test {
namespace {

using model::AccountType;

std::unique_ptr<results::ScheduleRun> RunOnce(model::Scenario& scenario,
                                              const platform::Clock& clock) {
  model::RecomputeInitialTotals(scenario);
  auto run = MakeRun(clock);
  EXPECT_TRUE(engine::RunScenario(scenario, *run));
  engine::WriteBackRunFields(*run, scenario);  // as the planner does after a run
  return run;
}

TEST(RunYearLoop, SimulatesFromStartToEndAgeWithAFinalRecord) {
  auto scenario = MakeScenario(30, 84);
  AddAccount(*scenario, AccountType::Investment, 1000, 0, "Savings");
  TestClock clock;
  auto run = RunOnce(*scenario, clock);
  ASSERT_EQ(run->periods.size(), 55u);  // ages 30 to 83 and the final record at 84
  EXPECT_FLOAT_EQ(run->periods.front()[0], 30);
  EXPECT_FLOAT_EQ(run->periods.back()[engine::IndexOf(engine::PeriodColumn::Age)], 84);
  EXPECT_EQ(run->purchasing_power.size(), 55u);
  EXPECT_EQ(run->balance_rows.size(), 55u);
  EXPECT_FLOAT_EQ(run->balance_rows.back()[0], 1000);
  EXPECT_EQ(run->year_index, 54);
}

TEST(RunYearLoop, TheFinalRecordRepeatsTheLastYearsFlowsButNotTheClearedTaxes) {
  auto scenario = MakeScenario(30, 33);
  scenario->initial.tax_rate = 10;
  AddAccount(*scenario, AccountType::Investment, 1000, 10, "Savings");
  TestClock clock;
  auto run = RunOnce(*scenario, clock);
  ASSERT_EQ(run->periods.size(), 4u);
  const auto& last_year = run->periods[2];
  const auto& final_record = run->periods[3];
  EXPECT_GT(last_year[9], 0);
  EXPECT_FLOAT_EQ(final_record[9], last_year[9]);  // taxable income repeated
  EXPECT_FLOAT_EQ(final_record[7], last_year[7]);  // total incoming repeated
  EXPECT_GT(last_year[13], 0);                     // tax on savings interest
  EXPECT_FLOAT_EQ(final_record[13], 0);            // cleared at the end of the year
}

TEST(RunYearLoop, EventsBeforeTheStartAgeBeginTheLoopEarlierButShowNothing) {
  auto scenario = MakeScenario(30, 40);
  const int savings = AddAccount(*scenario, AccountType::Investment, 1000, 0, "Savings");
  auto& deposit = test_support::AddEvent(*scenario, model::EventKind::Deposit, 25, 35);
  deposit.amount = 100;
  deposit.account_24 = scenario->accounts.records[savings].id;
  deposit.description.assign("Pay in");
  TestClock clock;
  auto run = RunOnce(*scenario, clock);
  EXPECT_FLOAT_EQ(run->first_simulated_age, 25);
  ASSERT_EQ(run->periods.size(), 11u);
  EXPECT_FLOAT_EQ(run->periods[0][engine::IndexOf(engine::PeriodColumn::Age)],
                  30);  // year index 0 is age 30
  for (const auto& line : Lines(*run)) {
    EXPECT_NE(line.rfind("25.0", 0), 0u) << line;
    EXPECT_NE(line.rfind("29.0", 0), 0u) << line;
  }
  EXPECT_EQ(run->results().age_line[30] >= 0, true);
}

TEST(RunYearLoop, SummaryRowShowsTheCategoriesAndNetWorth) {
  auto scenario = MakeScenario(30, 31);
  AddAccount(*scenario, AccountType::Investment, 1234.5f, 0, "Savings");
  AddAccount(*scenario, AccountType::Asset, 0.5f, 0, "Trinket");
  TestClock clock;
  auto run = RunOnce(*scenario, clock);
  EXPECT_EQ(Lines(*run)[run->results().age_line[30]],
            "30.0 \t      $1,234.50\t          $0.00\t          $0.00\t          $0.00"
            "\t          $0.00\t          $0.00\t      $1,234.50");
}

TEST(BirthdayFraction, CountsDaysSinceTheLastBirthdayOnA365DayYear) {
  EXPECT_FLOAT_EQ(engine::BirthdayFraction({2024, 3, 5}, 3, 5), 0.0f);
  EXPECT_FLOAT_EQ(engine::BirthdayFraction({2024, 3, 6}, 3, 5), 1.0f / 365);
  EXPECT_FLOAT_EQ(engine::BirthdayFraction({2024, 3, 4}, 3, 5), 364.0f / 365);
  EXPECT_FLOAT_EQ(engine::BirthdayFraction({2024, 2, 29}, 2, 28), 0.0f);
  EXPECT_FLOAT_EQ(engine::BirthdayFraction({2024, 3, 5}, 0, 5), 0.0f);  // no birth month
}

TEST(RunBirthday, AFractionalStartAgeShortensTheFirstYear) {
  auto scenario = MakeScenario(30, 84);
  scenario->initial.use_birthday = 1;
  scenario->initial.birth_month = 1;
  scenario->initial.birth_day = 1;
  scenario->initial.inflation_rate = 4;
  AddAccount(*scenario, AccountType::Investment, 1000, 8, "Savings");
  TestClock clock({2024, 10, 1});  // 273 days after the birthday: start age about 30.75
  auto run = RunOnce(*scenario, clock);
  const float fraction = 273.0f / 365.0f;
  EXPECT_FLOAT_EQ(scenario->initial.start_age, 30 + fraction);
  EXPECT_NEAR(run->inflation_by_age[30], 4 * (1 - fraction), 1e-5);
  EXPECT_FLOAT_EQ(run->inflation_by_age[31], 4);
  EXPECT_FLOAT_EQ(run->periods[0][engine::IndexOf(engine::PeriodColumn::Age)],
                  30);  // the record holds the whole age
  EXPECT_NEAR(run->periods[0][engine::IndexOf(engine::PeriodColumn::TaxableIncome)],
              1000 * 0.08 * (1 - fraction), 1e-3);  // about a quarter
  EXPECT_NEAR(run->periods[1][engine::IndexOf(engine::PeriodColumn::TaxableIncome)],
              run->balance_rows[1][0] * 0.08, 1e-2);
  EXPECT_EQ(Lines(*run)[run->results().age_line[30]].substr(0, 5), "30.7 ");
}

TEST(RunPurchasingPower, DeflatesNetWorthToTheStartAge) {
  auto scenario = MakeScenario(30, 40);
  scenario->initial.inflation_rate = 4;
  AddAccount(*scenario, AccountType::Investment, 100000, 0, "Savings");
  TestClock clock;
  auto run = RunOnce(*scenario, clock);
  EXPECT_FLOAT_EQ(run->purchasing_power[0], 100000);
  EXPECT_FLOAT_EQ(run->purchasing_power[2], 92160);  // age 32
}

TEST(RunPurchasingPower, RowIsShownWhenTheOptionIsOn) {
  auto scenario = MakeScenario(30, 33);
  scenario->initial.inflation_rate = 4;
  scenario->initial.purchasing_power = 1;
  AddAccount(*scenario, AccountType::Investment, 100000, 0, "Savings");
  TestClock clock;
  auto run = RunOnce(*scenario, clock);
  EXPECT_TRUE(
      HasLine(*run, "\t\t\t\t\t\t\t\tNet Worth in Age 30.00 Purchasing Power      $92,160.00"));
}

TEST(OrderAccountsByAccessOrder, SortsTextsCaseInsensitivelyAndStably) {
  auto scenario = MakeScenario();
  const char* orders[] = {"2", "10", "b", "A", "2"};
  const char* names[] = {"two", "ten", "bee", "ay", "two again"};
  for (int i = 0; i < 5; ++i) {
    const int position = AddAccount(*scenario, AccountType::Investment, 0, 0, names[i]);
    scenario->accounts.records[position].access_order.assign(orders[i]);
  }
  engine::OrderAccountsByAccessOrder(*scenario);
  std::vector<std::string> sorted;
  for (int i = 0; i < 5; ++i) sorted.push_back(scenario->accounts.records[i].name.str());
  EXPECT_EQ(sorted, (std::vector<std::string>{"ten", "two", "two again", "ay", "bee"}));
}

TEST(RunScenarioThreads, ACopyRunInAnotherThreadGivesTheSameResults) {
  auto scenario = MakeScenario(30, 90);
  scenario->initial.inflation_rate = 3;
  scenario->initial.tax_rate = 20;
  const int fund = AddAccount(*scenario, AccountType::Investment, 50000, 7, "Fund");
  AddAccount(*scenario, AccountType::Retirement, 80000, 6, "IRA");
  AddAccount(*scenario, AccountType::Equity, 200000, 2, "Home");
  scenario->dividends.yearly_percent[fund] = 2;
  model::RecomputeInitialTotals(*scenario);
  auto copy = std::make_unique<model::Scenario>(*scenario);
  TestClock clock;
  auto first = MakeRun(clock);
  auto second = MakeRun(clock);
  std::thread worker([&] { engine::RunScenario(*copy, *second); });
  engine::RunScenario(*scenario, *first);
  worker.join();
  EXPECT_EQ(first->periods, second->periods);
  EXPECT_EQ(first->purchasing_power, second->purchasing_power);
  EXPECT_EQ(Lines(*first), Lines(*second));
}

}  // namespace
}  // namespace tarvel::engine_test

namespace tarvel::engine_test {
namespace {

TEST(InactiveEvents, AnInactiveMortgageLeavesItsEquityAccountToGrowByItself) {
  auto scenario = MakeScenario(30, 33);
  const int home = AddAccount(*scenario, model::AccountType::Equity, 100000, 3, "Home");
  model::FinancialEvent& mortgage =
      test_support::AddEvent(*scenario, model::EventKind::Mortgage, 1040, 1070);
  mortgage.amount = 300000;
  mortgage.value_32 = 60000;
  mortgage.rate_40 = 6;
  mortgage.word_44 = 30;
  mortgage.equity_account = scenario->accounts.records[home].id;
  model::RecomputeInitialTotals(*scenario);
  TestClock clock;
  auto run = MakeRun(clock);

  ASSERT_TRUE(engine::RunScenario(*scenario, *run));
  EXPECT_FLOAT_EQ(run->periods[0][engine::IndexOf(engine::PeriodColumn::Equity)], 100000);
  EXPECT_FLOAT_EQ(run->periods[1][engine::IndexOf(engine::PeriodColumn::Equity)], 103000);
}

TEST(CreditCardDebts, ACardBegunBeforeTheStartAgeOwesWhatIsLeftOfItInTheFirstShownYear) {
  auto scenario = MakeScenario(30, 33);
  AddAccount(*scenario, model::AccountType::Investment, 100000, 0, "Savings");
  model::FinancialEvent& card = test_support::AddEvent(*scenario, model::EventKind::Loan, 29, 40);
  card.word_26 = model::kCreditCardMarker;
  card.amount = 20000;
  card.monthly_payment = 500;
  card.rate_40 = 18;
  model::RecomputeInitialTotals(*scenario);
  TestClock clock;
  auto run = MakeRun(clock);

  ASSERT_TRUE(engine::RunScenario(*scenario, *run));
  // The debt left at 30 is a liability at 30, never a negative one.
  EXPECT_GT(run->category_series.liabilities[30], 10000);
  EXPECT_LT(run->category_series.liabilities[30], 20000);
  EXPECT_GE(run->category_series.liabilities[31], 0);
}

}  // namespace
}  // namespace tarvel::engine_test
