// A run only reads its scenario: what it changes lives in the run's own working state, which
// a reused run fills afresh, and which the planner writes back into the scenario after a run.
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "engine/account_order.h"
#include "engine/engine_test_support.h"
#include "engine/run_scenario.h"
#include "engine/run_write_back.h"
#include "engine/scenario_files.h"
#include "model/record_counts.h"
#include "model/scenario_codec.h"

namespace tarvel::engine_test {
namespace {

// The samples, the golden scenarios and the largest plan the planner accepts.
std::vector<std::filesystem::path> AllScenarios() {
  std::vector<std::filesystem::path> files = ScenarioFiles();
  const std::filesystem::path source = std::filesystem::path(TARVEL_SOURCE_DATA_DIR).parent_path();
  files.push_back(source / "bench" / "data" / "largest.json");
  return files;
}

std::unique_ptr<results::ScheduleRun> DetailedRun(const TestClock& clock, bool random = false) {
  auto run = MakeRun(clock);
  run->options.detailed = true;
  run->options.show_accounts = true;
  run->options.random_accounts = random;
  return run;
}

void ExpectSameResults(const results::ScheduleRun& expected, const results::ScheduleRun& actual,
                       const std::string& name) {
  EXPECT_EQ(Lines(actual), Lines(expected)) << name;
  EXPECT_EQ(actual.periods, expected.periods) << name;
  EXPECT_EQ(actual.balance_rows, expected.balance_rows) << name;
  EXPECT_EQ(actual.purchasing_power, expected.purchasing_power) << name;
  EXPECT_EQ(actual.red_flags.net_worth_negative.age, expected.red_flags.net_worth_negative.age);
  EXPECT_EQ(actual.red_flags.liquid_depleted.age, expected.red_flags.liquid_depleted.age);
}

TEST(RunScenario, LeavesEveryByteOfTheScenarioAsItWas) {
  const TestClock clock;
  for (const auto& path : AllScenarios()) {
    const auto scenario = LoadJson(path);
    ASSERT_TRUE(scenario) << path;
    const std::vector<std::uint8_t> before = model::EncodeScenario(*scenario);
    auto run = DetailedRun(clock, true);
    ASSERT_TRUE(engine::RunScenario(*scenario, *run)) << path;
    EXPECT_FALSE(run->periods.empty()) << path;
    EXPECT_EQ(model::EncodeScenario(*scenario), before) << path;
  }
}

// A run object used before, on a larger plan, gives what a fresh one gives (with fixed rates:
// random rates go on drawing where the last run left the generator).
TEST(RunScenario, AReusedRunGivesTheResultsOfAFreshOne) {
  const TestClock clock;
  const auto files = AllScenarios();
  const auto largest = LoadJson(files.back());
  ASSERT_TRUE(largest);
  auto reused = DetailedRun(clock);
  for (const auto& path : files) {
    const auto scenario = LoadJson(path);
    ASSERT_TRUE(scenario) << path;
    auto fresh = DetailedRun(clock);
    ASSERT_TRUE(engine::RunScenario(*scenario, *fresh));
    ASSERT_TRUE(engine::RunScenario(*largest, *reused));
    ASSERT_TRUE(engine::RunScenario(*scenario, *reused));
    ExpectSameResults(*fresh, *reused, path.stem().string());
  }
}

// After the write-back the accounts stand in access order with the balances of the final
// record, and running the written-back scenario again gives the same results.
TEST(WriteBackRunFields, LeavesTheScenarioAsTheRunEndedIt) {
  const TestClock clock;
  for (const auto& path : AllScenarios()) {
    const auto scenario = LoadJson(path);
    ASSERT_TRUE(scenario) << path;
    auto first = MakeRun(clock);
    ASSERT_TRUE(engine::RunScenario(*scenario, *first));
    engine::WriteBackRunFields(*first, *scenario);
    const int count = model::AccountCount(*scenario);
    const auto& accounts = scenario->accounts.records;
    for (int i = 1; i < count; ++i) {
      EXPECT_FALSE(engine::AccessOrderLess(accounts[i].access_order.view(),
                                           accounts[i - 1].access_order.view()))
          << path << " account " << i;
    }
    ASSERT_FALSE(first->balance_rows.empty()) << path;
    for (int i = 0; i < count; ++i) {
      EXPECT_EQ(accounts[i].balance, first->balance_rows.back()[i]) << path << " account " << i;
    }
    auto again = MakeRun(clock);
    ASSERT_TRUE(engine::RunScenario(*scenario, *again));
    ExpectSameResults(*first, *again, path.stem().string());
  }
}

}  // namespace
}  // namespace tarvel::engine_test
