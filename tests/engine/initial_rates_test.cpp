// The "Initial Rates:" block of detailed results.
#include "engine/initial_rates.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "results/schedule_run.h"
#include "support/scenario_builder.h"

namespace tarvel::engine {
namespace {

using Lines = std::vector<std::string>;

class InitialRatesBlock : public ::testing::Test {
 protected:
  void SetUp() override {
    scenario_->initial.start_age = 45;
    scenario_->initial.tax_rate = 22.5f;
    scenario_->initial.dividend_tax_rate = 15;
    scenario_->initial.inflation_rate = 3.25f;
    scenario_->initial.equity_appreciation_rate = 2;
    test_support::AddAccount(*scenario_, model::AccountType::Investment, 1000, 6.125f, "Savings");
    test_support::AddAccount(*scenario_, model::AccountType::Retirement, 1000, -1.5f, "IRA");
    run_->sink.Begin(OutputMode::ResultsList, nullptr, 45);
    run_->sink.set_current_age(45);
  }

  std::unique_ptr<model::Scenario> scenario_ = test_support::MakeClearedScenario();
  std::unique_ptr<results::ScheduleRun> run_ = std::make_unique<results::ScheduleRun>();
};

TEST_F(InitialRatesBlock, ListsEveryAccountRateThenTheScenarioRates) {
  run_->options.detailed = true;
  WriteInitialRatesBlock(*scenario_, *run_);
  EXPECT_EQ(run_->results().lines,
            (Lines{"Initial Rates:", "  Savings Rate = 6.125%", "  IRA Rate = -1.500%",
                   "  Tax Rate = 22.500%", "  Dividend Tax Rate = 15.000%",
                   "  Inflation Rate = 3.250%", "  Appreciation Rate = 2.000%"}));
  for (std::int32_t tag : run_->results().line_event) EXPECT_EQ(tag, kInitialRatesTag);
}

TEST_F(InitialRatesBlock, IsWrittenOnlyForDetailedResults) {
  WriteInitialRatesBlock(*scenario_, *run_);
  EXPECT_TRUE(run_->results().lines.empty());
}

}  // namespace
}  // namespace tarvel::engine
