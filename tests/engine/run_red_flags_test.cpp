// Red flags after a run: each once, at the age it first happened, in their fixed order.
#include <gtest/gtest.h>

#include "engine/run_scenario.h"
#include "engine_test_support.h"

namespace tarvel::engine_test {
namespace {

using model::AccountType;

TEST(RunRedFlags, EachFlagIsWrittenOnceAtItsFirstAgeInOrder) {
  auto scenario = MakeScenario(40, 46);
  const int cash = AddAccount(*scenario, AccountType::Investment, 1000, 0, "Cash");
  const int ira = AddAccount(*scenario, AccountType::Retirement, 5000, 0, "IRA");
  scenario->accounts.records[cash].access_order.assign("1");
  scenario->accounts.records[ira].access_order.assign("2");
  scenario->accounts.records[ira].penalty_flag = 1;
  scenario->settings.penalty_age[ira] = 59.5f;
  scenario->settings.penalty_rate[ira] = 10;
  auto& withdrawal = test_support::AddEvent(*scenario, model::EventKind::Withdrawal, 40, 44);
  withdrawal.amount = 10000;
  withdrawal.account_24 = model::kNoAccount;
  withdrawal.description.assign("Living");
  model::RecomputeInitialTotals(*scenario);
  TestClock clock;
  auto run = MakeRun(clock);
  ASSERT_TRUE(engine::RunScenario(*scenario, *run));

  const auto& lines = Lines(*run);
  const auto heading = std::find(lines.begin(), lines.end(), "Red flags at age(s):");
  ASSERT_NE(heading, lines.end());
  const std::vector<std::string> expected = {
      "Red flags at age(s):", " 40.0   A penalty was paid starting at this age.",
      " 40.0   Liquid accounts were depleted.", " 41.0   Your net worth went negative."};
  EXPECT_EQ(std::vector<std::string>(heading, lines.end()), expected);
  EXPECT_EQ(CountLines(*run, "Red flags at age(s):"), 1);
}

TEST(RunRedFlags, ARunWithoutTroubleWritesNone) {
  auto scenario = MakeScenario(40, 46);
  AddAccount(*scenario, AccountType::Investment, 1000, 5, "Cash");
  model::RecomputeInitialTotals(*scenario);
  TestClock clock;
  auto run = MakeRun(clock);
  ASSERT_TRUE(engine::RunScenario(*scenario, *run));
  EXPECT_FALSE(HasLine(*run, "Red flags at age(s):"));
  EXPECT_FALSE(run->red_flags.any());
}

TEST(RunRedFlags, TransferShortfallsAreCountedInTheirLine) {
  auto scenario = MakeScenario(40, 43);
  const int cash = AddAccount(*scenario, AccountType::Investment, 1000, 0, "Cash");
  const int fund = AddAccount(*scenario, AccountType::Investment, 0, 0, "Fund");
  auto& transfer = test_support::AddEvent(*scenario, model::EventKind::Transfer, 41, 42);
  transfer.amount = 5000;
  transfer.word_22 = scenario->accounts.records[cash].id;
  transfer.account_24 = scenario->accounts.records[fund].id;
  transfer.description.assign("Move");
  model::RecomputeInitialTotals(*scenario);
  TestClock clock;
  auto run = MakeRun(clock);
  ASSERT_TRUE(engine::RunScenario(*scenario, *run));
  EXPECT_TRUE(HasLine(*run,
                      " 41.0   There were 2 transfer(s) not completed due to insufficient funds "
                      "starting at this age."));
}

}  // namespace
}  // namespace tarvel::engine_test
