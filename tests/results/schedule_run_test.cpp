// A run made with the results sink against one left without an output: the lines reach the
// results list only through the sink, and where they go never changes what the run computes.
#include "results/schedule_run.h"

#include <gtest/gtest.h>

#include <memory>

#include "engine/run_scenario.h"
#include "model/scenario_ops.h"
#include "support/scenario_builder.h"

namespace tarvel::results {
namespace {

// Savings that a yearly withdrawal runs dry, so the run also raises red flags.
std::unique_ptr<model::Scenario> MakeDrainingScenario() {
  auto scenario = test_support::MakeClearedScenario();
  scenario->initial.start_age = 50;
  scenario->initial.end_age = 60;
  test_support::AddAccount(*scenario, model::AccountType::Investment, 20000, 5, "Savings");
  auto& withdrawal = test_support::AddEvent(*scenario, model::EventKind::Withdrawal, 52, 60);
  withdrawal.amount = 8000;
  withdrawal.account_24 = model::kNoAccount;
  withdrawal.description.assign("Living");
  model::RecomputeInitialTotals(*scenario);
  return scenario;
}

void RunDetailed(engine::Run& run) {
  run.options.detailed = true;
  run.options.show_accounts = true;
  run.options.write_run_files = false;
  auto scenario = MakeDrainingScenario();
  ASSERT_TRUE(engine::RunScenario(*scenario, run));
}

TEST(ScheduleRun, KeepsTheListWhileARunWithoutOutputComputesTheSameResults) {
  ScheduleRun shown;
  RunDetailed(shown);
  engine::Run plain;  // no output: every line is dropped
  RunDetailed(plain);

  ASSERT_FALSE(shown.results().lines.empty());
  EXPECT_EQ(shown.results().lines.front(), "Initial Rates:");
  EXPECT_NE(shown.results().age_line[55], 0);
  ASSERT_FALSE(shown.periods.empty());
  EXPECT_EQ(plain.periods, shown.periods);
  EXPECT_EQ(plain.balance_rows, shown.balance_rows);
  EXPECT_EQ(plain.purchasing_power, shown.purchasing_power);
  EXPECT_TRUE(shown.red_flags.liquid_depleted.set);
  EXPECT_EQ(plain.red_flags.liquid_depleted.age, shown.red_flags.liquid_depleted.age);
}

}  // namespace
}  // namespace tarvel::results
