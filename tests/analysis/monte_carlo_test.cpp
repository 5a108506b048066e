// Monte Carlo analyses of small plans: repeatable whatever the threads, fixed rates give one
// outcome, historical years give hand-computed balances, success at both ends, cancelling,
// and a ranked run run again reproduces its net worth.
#include "analysis/monte_carlo.h"

#include <gtest/gtest.h>

#include <atomic>
#include <memory>
#include <thread>

#include "analysis/analysis_report.h"
#include "analysis/historical_returns.h"
#include "analysis/run_choice.h"
#include "engine/engine_test_support.h"
#include "engine/period_column.h"
#include "engine/run_scenario.h"
#include "model/scenario_codec.h"
#include "model/scenario_ops.h"
#include "support/fixed_clock.h"

namespace tarvel::analysis {
namespace {

using engine::IndexOf;
using engine::PeriodColumn;
using model::AccountType;

// Three years of made-up history: 10 %, -20 % and 30 % for large caps, 2 % inflation.
constexpr char kThreeYears[] =
    "year,large_cap,small_cap,cash,long_bond,corp_bond,inflation\n"
    "2001,10,40,1,2,3,2\n"
    "2002,-20,-30,1,2,3,2\n"
    "2003,30,20,1,2,3,2\n";

HistoricalReturns ShippedReturns() {
  std::string error;
  auto returns = ReadHistoricalReturns(
      std::filesystem::path(TARVEL_SOURCE_DATA_DIR) / kHistoricalReturnsFile, error);
  EXPECT_TRUE(returns) << error;
  return returns ? *returns : HistoricalReturns{};
}

HistoricalReturns ThreeYears() {
  std::string error;
  return *ParseHistoricalReturns(kThreeYears, error);
}

// A plan from 60 to `end` with one investment account that may draw between min and max.
std::unique_ptr<model::Scenario> SavingsPlan(float balance, float rate, float end = 90,
                                             float min = 0, float max = 0) {
  auto scenario = engine_test::MakeScenario(60, end);
  const int position =
      engine_test::AddAccount(*scenario, AccountType::Investment, balance, rate, "Savings");
  auto& account = scenario->accounts.records[position];
  account.random_min_rate = min;
  account.random_max_rate = max;
  scenario->groups.random_method = 1;  // uniform
  model::FillAllocationCategoryDefaults(*scenario);
  model::RecomputeInitialTotals(*scenario);
  return scenario;
}

void Spend(model::Scenario& scenario, float amount, float from_age, float to_age) {
  model::FinancialEvent& withdrawal =
      test_support::AddEvent(scenario, model::EventKind::Withdrawal, from_age, to_age);
  withdrawal.description.assign("Spend");
  withdrawal.amount = amount;
  withdrawal.account_24 = model::kNoAccount;
}

class MonteCarloTest : public ::testing::Test {
 protected:
  AnalysisResult Analyse(const model::Scenario& scenario, const AnalysisOptions& options,
                         const HistoricalReturns* returns = nullptr) {
    JobControl control;
    return RunMonteCarlo({&scenario, &clock_, {}, returns}, options, control);
  }
  // The net worth of each period of a run of the scenario with these rate options.
  std::vector<float> NetWorthOfRun(const model::Scenario& scenario, const RunChoice* choice,
                                   const HistoricalReturns* returns) {
    auto run = engine_test::MakeRun(clock_);
    run->options.detailed = true;
    const auto rates = choice ? RatesForChoice(*choice, returns) : nullptr;
    if (choice) ApplyChoice(*choice, rates.get(), *run);
    EXPECT_TRUE(engine::RunScenario(scenario, *run));
    std::vector<float> values;
    for (const auto& period : run->periods)
      values.push_back(period[IndexOf(PeriodColumn::NetWorth)]);
    return values;
  }

  test_support::FixedClock clock_;
};

struct SourceCase {
  RateSource source;
  int runs;
};

TEST_F(MonteCarloTest, SameSeedGivesTheSameTableWithOneAndFourThreads) {
  const HistoricalReturns returns = ShippedReturns();
  auto scenario = SavingsPlan(400000, 6, 90, -12, 22);
  Spend(*scenario, 30000, 65, 90);
  scenario->groups.random_min_rate[0] = -10;
  scenario->groups.random_max_rate[0] = 20;
  scenario->allocation.percent[0][0] = 60;  // large cap
  scenario->allocation.percent[3][0] = 40;  // long bond
  for (const SourceCase& c :
       {SourceCase{RateSource::RandomAccounts, 200}, SourceCase{RateSource::RandomGroups, 200},
        SourceCase{RateSource::Historical, 0}, SourceCase{RateSource::Bootstrap, 200}}) {
    SCOPED_TRACE(std::string(RateSourceName(c.source)));
    AnalysisOptions options;
    options.source = c.source;
    options.runs = c.runs > 0 ? c.runs : 1;
    options.seed = 42;
    options.threads = 1;
    const AnalysisResult one = Analyse(*scenario, options, &returns);
    options.threads = 4;
    const AnalysisResult four = Analyse(*scenario, options, &returns);
    ASSERT_TRUE(one.ok()) << one.error;
    ASSERT_TRUE(four.ok()) << four.error;
    EXPECT_EQ(one.networth.values, four.networth.values);
    EXPECT_EQ(one.networth_today.values, four.networth_today.values);
    EXPECT_EQ(one.liquid.values, four.liquid.values);
    EXPECT_EQ(one.success_probability, four.success_probability);
    ASSERT_EQ(one.ranked.size(), four.ranked.size());
    for (std::size_t i = 0; i < one.ranked.size(); ++i) {
      EXPECT_EQ(one.ranked[i].index, four.ranked[i].index);
      EXPECT_EQ(one.ranked[i].final_net_worth, four.ranked[i].final_net_worth);
    }
    // The runs do differ from one another, and the median lies inside the 5-95 band.
    const int last = one.networth.periods() - 1;
    EXPECT_LT(one.networth.At(0, last), one.networth.At(6, last));
    EXPECT_LE(one.networth.At(0, last), one.networth.At(kMedianLevel, last));
  }
}

TEST_F(MonteCarloTest, FixedRatesGiveOneOutcomeEqualToTheSingleRun) {
  const HistoricalReturns returns = ShippedReturns();
  // Bounds equal to the rate, and no allocation: every source leaves the rate as it is.
  auto scenario = SavingsPlan(100000, 5, 80, 5, 5);
  Spend(*scenario, 4000, 62, 80);
  const std::vector<float> single = NetWorthOfRun(*scenario, nullptr, nullptr);
  for (const RateSource source : {RateSource::RandomAccounts, RateSource::Historical}) {
    SCOPED_TRACE(std::string(RateSourceName(source)));
    AnalysisOptions options;
    options.source = source;
    options.runs = 50;
    options.historical_inflation = false;
    const AnalysisResult result = Analyse(*scenario, options, &returns);
    ASSERT_TRUE(result.ok()) << result.error;
    ASSERT_EQ(result.networth.periods(), static_cast<int>(single.size()));
    for (int level = 0; level < static_cast<int>(kPercentileLevels.size()); ++level) {
      for (int p = 0; p < result.networth.periods(); ++p) {
        ASSERT_EQ(result.networth.At(level, p), single[p]) << "level " << level << " period " << p;
      }
    }
    EXPECT_EQ(result.ranked.front().final_net_worth, result.ranked.back().final_net_worth);
  }
}

struct HandCase {
  const char* name;
  float large_cap_percent;
  float user_percent;  // in a category of the user's own, which earns the account's 5 %
  bool inflation;
  double expected_after_three_years;
  double expected_today;  // at the end, in the first year's money
};

TEST_F(MonteCarloTest, HistoricalRunGivesTheHandComputedBalance) {
  const HistoricalReturns returns = ThreeYears();
  const HandCase cases[] = {
      // 1000 x 1.10 x 0.80 x 1.30; deflated by 2 % a year three times.
      {"all large cap", 100, 0, true, 1144.0, 1144.0 * 0.98 * 0.98 * 0.98},
      // 60 % large cap and 40 % at 5 %: 8 %, -10 %, 20 %; the plan's own inflation is 0.
      {"mixed with a user category", 60, 40, false, 1000 * 1.08 * 0.90 * 1.20,
       1000 * 1.08 * 0.90 * 1.20},
      // Only half allocated: the other half earns the account's own rate too.
      {"half allocated", 50, 0, false, 1000 * 1.075 * 0.925 * 1.175, 1000 * 1.075 * 0.925 * 1.175},
  };
  for (const HandCase& c : cases) {
    SCOPED_TRACE(c.name);
    auto scenario = SavingsPlan(1000, 5, 63);
    scenario->categories.names[5].assign("Gold");
    scenario->allocation.percent[0][0] = c.large_cap_percent;
    scenario->allocation.percent[5][0] = c.user_percent;
    AnalysisOptions options;
    options.source = RateSource::Historical;
    options.historical_inflation = c.inflation;
    const AnalysisResult result = Analyse(*scenario, options, &returns);
    ASSERT_TRUE(result.ok()) << result.error;
    ASSERT_EQ(result.runs, 1);  // three years of data, a three-year plan
    EXPECT_EQ(result.ranked.front().start_year, 2001);
    EXPECT_NEAR(result.ranked.front().final_net_worth, c.expected_after_three_years, 0.01);
    EXPECT_NEAR(result.networth_today.At(kMedianLevel, 3), c.expected_today, 0.01);
  }
}

struct AssumedCase {
  const char* name;
  const char* account;
  float rate;
  bool assumed;
  double expected;
};

TEST_F(MonteCarloTest, TheAssumedAllocationFollowsHistoryWithoutChangingThePlan) {
  const HistoricalReturns returns = ThreeYears();
  const AssumedCase cases[] = {
      // 60 % large cap and 40 % long bonds: 6.8 %, -11.2 %, 18.8 %.
      {"savings assumed 60/40", "Savings", 5, true, 1000 * 1.068 * 0.888 * 1.188},
      // Cash at 1 % a year.
      {"checking assumed cash", "Checking", 5, true, 1000 * 1.01 * 1.01 * 1.01},
      {"a low rate taken for cash", "Savings", 1.5f, true, 1000 * 1.01 * 1.01 * 1.01},
      {"no assumption keeps the own rate", "Savings", 5, false, 1000 * 1.05 * 1.05 * 1.05},
  };
  for (const AssumedCase& c : cases) {
    SCOPED_TRACE(c.name);
    auto scenario = SavingsPlan(1000, c.rate, 63);
    scenario->accounts.records[0].name.assign(c.account);
    const std::vector<std::uint8_t> before = model::EncodeScenario(*scenario);
    AnalysisOptions options;
    options.source = RateSource::Historical;
    options.historical_inflation = false;
    options.assumed_allocation = c.assumed;
    const AnalysisResult result = Analyse(*scenario, options, &returns);
    ASSERT_TRUE(result.ok()) << result.error;
    EXPECT_NEAR(result.ranked.front().final_net_worth, c.expected, 0.01);
    EXPECT_EQ(result.warning.empty(), c.assumed) << result.warning;
    EXPECT_EQ(model::EncodeScenario(*scenario), before);
  }
}

TEST_F(MonteCarloTest, TheResultWarnsWhenNoRateCanVary) {
  auto scenario = SavingsPlan(100000, 5, 80);
  AnalysisOptions options;
  options.runs = 10;
  EXPECT_EQ(Analyse(*scenario, options).warning,
            "No account has a random range; set one in the account dialog or use Historical");
  scenario->accounts.records[0].random_max_rate = 10;
  EXPECT_EQ(Analyse(*scenario, options).warning, "");
}

TEST_F(MonteCarloTest, TheSummaryShowsNetWorthInTodaysMoneyUnlessAskedForNominal) {
  auto scenario = SavingsPlan(100000, 5, 80, 0, 10);
  scenario->initial.inflation_rate = 3;
  AnalysisOptions options;
  options.runs = 20;
  const AnalysisResult result = Analyse(*scenario, options);
  ASSERT_TRUE(result.ok()) << result.error;
  const auto median_at_end = [&](MoneyBasis basis) {
    char text[32];
    std::snprintf(text, sizeof text, "%14.0f",
                  NetWorthTable(result, basis).At(kMedianLevel, result.networth.periods() - 1));
    return std::string(text);
  };
  ASSERT_NE(median_at_end(MoneyBasis::Today), median_at_end(MoneyBasis::Nominal));
  const std::string today = AnalysisSummaryText(result, MoneyBasis::Today);
  EXPECT_NE(today.find("Net worth by age in today's money:"), std::string::npos) << today;
  EXPECT_NE(today.find(median_at_end(MoneyBasis::Today)), std::string::npos) << today;
  EXPECT_EQ(today.find(median_at_end(MoneyBasis::Nominal)), std::string::npos) << today;
  const std::string nominal = AnalysisSummaryText(result, MoneyBasis::Nominal);
  EXPECT_NE(nominal.find("(nominal):"), std::string::npos) << nominal;
  EXPECT_NE(nominal.find(median_at_end(MoneyBasis::Nominal)), std::string::npos) << nominal;
}

TEST_F(MonteCarloTest, HistoricalCyclesRunEveryStartYearThatFitsOrWrap) {
  const HistoricalReturns returns = ShippedReturns();
  auto scenario = SavingsPlan(1000, 5, 90);  // 30 years
  AnalysisOptions options;
  options.source = RateSource::Historical;
  const AnalysisResult fitting = Analyse(*scenario, options, &returns);
  EXPECT_EQ(fitting.runs, returns.count() - 30 + 1);
  EXPECT_TRUE(fitting.note.empty());
  options.wrap = true;
  const AnalysisResult wrapped = Analyse(*scenario, options, &returns);
  EXPECT_EQ(wrapped.runs, returns.count());
  EXPECT_NE(wrapped.note.find("wrap to 1928"), std::string::npos) << wrapped.note;
  // Longer than the data: nothing runs without wrapping, and the user is told why.
  const HistoricalReturns three = ThreeYears();
  options.wrap = false;
  const AnalysisResult none = Analyse(*scenario, options, &three);
  EXPECT_FALSE(none.ok());
  EXPECT_NE(none.error.find("turn on wrapping"), std::string::npos) << none.error;
}

struct SuccessCase {
  const char* name;
  float balance;
  float spending;
  double expected;
};

TEST_F(MonteCarloTest, SuccessProbabilityOfAPlanThatFailsOrLasts) {
  const SuccessCase cases[] = {
      {"spends ten times its savings a year", 10000, 100000, 0.0},
      {"spends a hundredth of its savings", 1000000, 10000, 1.0},
  };
  for (const SuccessCase& c : cases) {
    SCOPED_TRACE(c.name);
    auto scenario = SavingsPlan(c.balance, 5, 90, 0, 10);
    Spend(*scenario, c.spending, 61, 90);
    AnalysisOptions options;
    options.runs = 100;
    const AnalysisResult result = Analyse(*scenario, options);
    ASSERT_TRUE(result.ok()) << result.error;
    EXPECT_EQ(result.success_probability, c.expected);
    const FlagCause& depleted = result.causes.flags[1];
    EXPECT_EQ(depleted.share, 1.0 - c.expected);
    int binned = 0;
    for (const AgeBin& bin : result.causes.depletion) binned += bin.runs;
    EXPECT_EQ(binned, depleted.runs);
  }
}

TEST_F(MonteCarloTest, CancelStopsWithinTheRunsUnderWay) {
  auto scenario = SavingsPlan(100000, 5, 110, 0, 10);
  AnalysisOptions options;
  options.runs = kMostRuns;
  options.threads = 2;
  JobControl control;
  std::atomic<int> done_at_cancel{-1};
  std::thread watcher([&] {
    while (control.done.load() < 5) std::this_thread::yield();
    control.cancel = true;
    done_at_cancel = control.done.load();
  });
  const AnalysisResult result =
      RunMonteCarlo({scenario.get(), &clock_, {}, nullptr}, options, control);
  watcher.join();
  EXPECT_TRUE(result.cancelled);
  EXPECT_FALSE(result.ok());
  EXPECT_LE(control.done.load(), done_at_cancel.load() + options.threads);
}

TEST_F(MonteCarloTest, ARankedRunRunAgainReproducesItsNetWorth) {
  const HistoricalReturns returns = ShippedReturns();
  auto scenario = SavingsPlan(300000, 6, 85, -15, 25);
  Spend(*scenario, 20000, 65, 85);
  scenario->allocation.percent[0][0] = 70;
  scenario->allocation.percent[3][0] = 30;
  for (const RateSource source :
       {RateSource::RandomAccounts, RateSource::Historical, RateSource::Bootstrap}) {
    SCOPED_TRACE(std::string(RateSourceName(source)));
    AnalysisOptions options;
    options.source = source;
    options.runs = 40;
    options.seed = 9;
    const AnalysisResult result = Analyse(*scenario, options, &returns);
    ASSERT_TRUE(result.ok()) << result.error;
    for (const RunOutcome* outcome : {&result.ranked.front(), &result.ranked.back()}) {
      const RunChoice choice = ChoiceForRun(options, outcome->index);
      const std::vector<float> schedule = NetWorthOfRun(*scenario, &choice, &returns);
      EXPECT_EQ(schedule.back(), outcome->final_net_worth) << "run " << outcome->index;
    }
  }
}

}  // namespace
}  // namespace tarvel::analysis
