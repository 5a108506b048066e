// Random rates: the three draws and the normal cache beneath them, the group and account
// sources in a run, their schedule lines and statistics, and repeatable runs from a seed.
#include "engine/random_rates.h"

#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <string>

#include "engine/run_scenario.h"
#include "engine/run_write_back.h"
#include "engine_test_support.h"

namespace tarvel::engine_test {
namespace {

using engine::DrawGaussianDeviationRate;
using engine::DrawGaussianRangeRate;
using engine::DrawUniformRate;
using engine::NormalCache;
using engine::RandomSource;
using model::AccountType;

constexpr int kDraws = 2000;

TEST(UniformRate, MovesInHundredthStepsFromTheMinimumAndNeverReachesTheMaximum) {
  RandomSource source(11);
  std::set<int> steps;
  for (int i = 0; i < kDraws; ++i) {
    const float rate = DrawUniformRate(source, 2.0f, 2.05f);
    const double step = (rate - 2.0) * 100.0;
    EXPECT_NEAR(step, std::round(step), 1e-3) << rate;
    steps.insert(static_cast<int>(std::lround(step)));
  }
  EXPECT_EQ(steps, (std::set<int>{0, 1, 2, 3, 4}));
}

TEST(UniformRate, BoundsLessThanTwoStepsApartGiveTheMinimum) {
  RandomSource source(3);
  for (int i = 0; i < 50; ++i) {
    EXPECT_EQ(DrawUniformRate(source, 5.0f, 5.0f), 5.0f);
    EXPECT_EQ(DrawUniformRate(source, 5.0f, 5.01f), 5.0f);
    EXPECT_EQ(DrawUniformRate(source, -3.5f, -3.5f), -3.5f);
  }
}

TEST(UniformRate, ReversedBoundsDrawBetweenThem) {
  RandomSource source(5);
  for (int i = 0; i < kDraws; ++i) {
    const float rate = DrawUniformRate(source, 10.0f, 5.0f);
    EXPECT_GE(rate, 5.0f);
    EXPECT_LT(rate, 10.0f);
  }
}

TEST(UniformRate, UnusableBoundsDoNotCrash) {
  RandomSource source(5);
  EXPECT_TRUE(std::isnan(DrawUniformRate(source, NAN, 5.0f)));
  const float huge = DrawUniformRate(source, -3e38f, 3e38f);
  EXPECT_GE(huge, -3e38f);
}

TEST(PolarMethod, EachPairIsHandedOutOverTwoCalls) {
  RandomSource source(21);
  RandomSource replay(21);
  NormalCache cache;
  for (int pair = 0; pair < 20; ++pair) {
    EXPECT_FALSE(cache.pending());
    const double first = cache.Next(source);
    EXPECT_TRUE(cache.pending());
    const RandomSource after_first = source;
    const double second = cache.Next(source);
    EXPECT_FALSE(cache.pending());
    // The second value draws no integers.
    RandomSource probe = after_first;
    EXPECT_EQ(probe.Next31(), RandomSource(source).Next31());
    // Replay the accepted point: both values share its radius and direction.
    double u1 = 0, u2 = 0, s = 0;
    do {
      u1 = 2.0 * (replay.Next15() / 32767.0) - 1.0;
      u2 = 2.0 * (replay.Next15() / 32767.0) - 1.0;
      s = u1 * u1 + u2 * u2;
    } while (s >= 1.0 || s == 0.0);
    const double scale = std::sqrt(-2.0 * std::log(s) / s);
    EXPECT_DOUBLE_EQ(first, u1 * scale);
    EXPECT_DOUBLE_EQ(second, u2 * scale);
  }
}

TEST(GaussianRangeRate, EqualBoundsGiveTheMinimumExactly) {
  RandomSource source(8);
  NormalCache cache;
  for (int i = 0; i < 20; ++i) {
    EXPECT_EQ(DrawGaussianRangeRate(source, cache, 4.25f, 4.25f, 0), 4.25f);
    EXPECT_EQ(DrawGaussianRangeRate(source, cache, 4.25f, 4.25f, 10), 4.25f);
  }
}

TEST(GaussianRangeRate, CentresOnTheMiddleWithASixthOfTheRangeAsSpread) {
  RandomSource source(13);
  NormalCache cache;
  double sum = 0, squares = 0;
  int outside = 0;
  for (int i = 0; i < 20000; ++i) {
    const double rate = DrawGaussianRangeRate(source, cache, 0.0f, 12.0f, 0);
    sum += rate;
    squares += rate * rate;
    if (rate < 0.0 || rate > 12.0) ++outside;
  }
  const double mean = sum / 20000;
  EXPECT_NEAR(mean, 6.0, 0.05);
  EXPECT_NEAR(std::sqrt(squares / 20000 - mean * mean), 6.0 * 0.997 / 3.0, 0.05);
  EXPECT_GT(outside, 0);  // not clipped to the range
}

TEST(GaussianRangeRate, EachFactorStepWidensTheSpreadByATenth) {
  RandomSource plain_source(17), wide_source(17);
  NormalCache plain_cache, wide_cache;
  for (int i = 0; i < 20; ++i) {
    const double plain = DrawGaussianRangeRate(plain_source, plain_cache, 2.0f, 8.0f, 0) - 5.0;
    const double wide = DrawGaussianRangeRate(wide_source, wide_cache, 2.0f, 8.0f, 5) - 5.0;
    EXPECT_NEAR(wide, plain * 1.5, 1e-5);
  }
  RandomSource capped_source(17);
  NormalCache capped_cache;
  RandomSource ten_source(17);
  NormalCache ten_cache;
  EXPECT_EQ(DrawGaussianRangeRate(capped_source, capped_cache, 2.0f, 8.0f, 99),
            DrawGaussianRangeRate(ten_source, ten_cache, 2.0f, 8.0f, 10));
}

TEST(GaussianDeviationRate, IsTheMeanPlusANormalTimesTheDeviation) {
  RandomSource source(4), replay(4);
  NormalCache cache, replay_cache;
  for (int i = 0; i < 10; ++i) {
    const double normal = replay_cache.Next(replay);
    EXPECT_FLOAT_EQ(DrawGaussianDeviationRate(source, cache, 7.0f, 15.0f),
                    static_cast<float>(7.0 + normal * 15.0));
  }
  EXPECT_EQ(DrawGaussianDeviationRate(source, cache, 7.0f, 0.0f), 7.0f);
}

// Whole runs from age 30 to 35 with detailed results.
struct RandomRunTest : ::testing::Test {
  std::unique_ptr<model::Scenario> scenario = MakeScenario(30, 35);
  TestClock clock;

  void SetUp() override {
    scenario->groups.names[0].assign("Stocks");
    scenario->groups.names[1].assign("Bonds");
    scenario->groups.random_min_rate[0] = -10;
    scenario->groups.random_max_rate[0] = 20;
    scenario->groups.random_min_rate[1] = 2;
    scenario->groups.random_max_rate[1] = 5;
  }
  int Add(const char* name, int group, float min_rate, float max_rate) {
    const int position = AddAccount(*scenario, AccountType::Investment, 10000, 6, name);
    auto& account = scenario->accounts.records[position];
    account.group = static_cast<std::uint16_t>(group);
    account.random_min_rate = min_rate;
    account.random_max_rate = max_rate;
    return position;
  }
  std::unique_ptr<results::ScheduleRun> RunWith(bool accounts, bool groups, std::uint64_t seed = 1,
                                                bool detailed = true) {
    model::RecomputeInitialTotals(*scenario);
    if (accounts || groups) engine::ResetAccountRateStatistics(*scenario);
    auto run = MakeRun(clock);
    run->options.detailed = detailed;
    run->options.random_accounts = accounts;
    run->options.random_groups = groups;
    run->options.random_seed = seed;
    EXPECT_TRUE(engine::RunScenario(*scenario, *run));
    engine::WriteBackRunFields(*run, *scenario);  // the statistics add up over runs
    return run;
  }
  int CountStarting(const results::ScheduleRun& run, const std::string& prefix) {
    int count = 0;
    for (const auto& line : Lines(run)) count += line.rfind(prefix, 0) == 0;
    return count;
  }
};

TEST_F(RandomRunTest, AGroupRateLineIsWrittenOncePerYearWhateverItsAccounts) {
  scenario->groups.random_method = 1;
  Add("Fund A", 0, 0, 0);
  Add("Fund B", 0, 0, 0);
  Add("Fund C", 0, 0, 0);
  Add("Bond fund", 1, 0, 0);
  const auto run = RunWith(false, true);
  EXPECT_EQ(CountStarting(*run, "      Stocks rate="), 5);
  EXPECT_EQ(CountStarting(*run, "      Bonds rate="), 5);
  EXPECT_EQ(CountStarting(*run, "      Fund A rate="), 0);
  EXPECT_EQ(CountLines(*run, "  Uniform random group rates in effect."), 5);
  // The accounts of a group earn the same rate, so they end equal.
  const auto& records = scenario->accounts.records;
  EXPECT_EQ(records[0].balance, records[1].balance);
  EXPECT_EQ(records[0].balance, records[2].balance);
  EXPECT_EQ(run->group_statistics[0].count, 5);
  EXPECT_GE(run->group_statistics[1].min, 2.0f);
  EXPECT_LT(run->group_statistics[1].max, 5.0f);
  EXPECT_TRUE(HasLine(*run, "Rate Statistics:"));
}

TEST_F(RandomRunTest, EveryAccountDrawsAndShowsItsOwnRate) {
  scenario->groups.random_method = 0;
  Add("Fund A", 0, 4, 8);
  Add("Fund B", 0, 4, 8);
  const auto run = RunWith(true, false);
  EXPECT_EQ(CountStarting(*run, "      Fund A rate="), 5);
  EXPECT_EQ(CountStarting(*run, "      Fund B rate="), 5);
  EXPECT_EQ(CountStarting(*run, "      Stocks rate="), 0);
  EXPECT_EQ(CountLines(*run, "  Gaussian range distribution random account rates in effect."), 5);
  EXPECT_NE(scenario->accounts.records[0].balance, scenario->accounts.records[1].balance);
}

TEST_F(RandomRunTest, AccountStatisticsHoldTheCountSumAndRangeOfTheRatesShown) {
  scenario->groups.random_method = 1;
  Add("Fund A", 0, 4, 8);
  const auto run = RunWith(true, false);
  const auto& account = scenario->accounts.records[0];
  EXPECT_FLOAT_EQ(scenario->settings.drawn_rate_count[0], 5);
  EXPECT_GE(account.smallest_drawn_rate, 4.0f);
  EXPECT_LT(account.largest_drawn_rate, 8.0f);
  EXPECT_LE(account.smallest_drawn_rate, account.drawn_rate_sum / 5);
  EXPECT_GE(account.largest_drawn_rate, account.drawn_rate_sum / 5);
  EXPECT_EQ(CountStarting(*run, "Average Fund A Rate = "), 1);
}

TEST_F(RandomRunTest, StatisticsShowTheRatesDrawnEvenOutsideTheRandomBounds) {
  // The deviation method draws around the account's rate, whatever its random bounds.
  scenario->groups.random_method = 2;
  Add("Fund A", 0, 0, 0);
  scenario->settings.standard_deviation[0] = 0.5f;
  RunWith(true, false);
  const auto& account = scenario->accounts.records[0];
  EXPECT_GT(account.smallest_drawn_rate, 3.0f);
  EXPECT_LT(account.largest_drawn_rate, 9.0f);
  EXPECT_LT(account.smallest_drawn_rate, account.largest_drawn_rate);
}

TEST_F(RandomRunTest, ResettingStartsFromTheRandomBounds) {
  Add("Fund A", 0, 4, 8);
  auto& account = scenario->accounts.records[0];
  account.drawn_rate_sum = 99;
  scenario->settings.drawn_rate_count[0] = 7;
  engine::ResetAccountRateStatistics(*scenario);
  EXPECT_EQ(account.drawn_rate_sum, 0);
  EXPECT_EQ(scenario->settings.drawn_rate_count[0], 0);
  EXPECT_EQ(account.smallest_drawn_rate, 8);
  EXPECT_EQ(account.largest_drawn_rate, 4);
}

TEST_F(RandomRunTest, WithoutDetailedResultsNoRateLinesOrStatistics) {
  scenario->groups.random_method = 1;
  Add("Fund A", 0, 4, 8);
  const auto run = RunWith(true, false, 1, false);
  EXPECT_EQ(CountStarting(*run, "      Fund A rate="), 0);
  EXPECT_FALSE(HasLine(*run, "Rate Statistics:"));
  EXPECT_FLOAT_EQ(scenario->settings.drawn_rate_count[0], 0);
}

TEST_F(RandomRunTest, TheDeviationMethodWithNoDeviationKeepsTheFixedRate) {
  scenario->groups.random_method = 2;
  scenario->groups.deviation_factor = 10;
  Add("Fund A", 0, 0, 0);
  RunWith(false, false);
  const float fixed_balance = scenario->accounts.records[0].balance;
  RunWith(false, true);
  EXPECT_EQ(scenario->accounts.records[0].balance, fixed_balance);
}

TEST_F(RandomRunTest, AnAccountOutsideTheGroupsKeepsItsRateInAGroupRun) {
  scenario->groups.random_method = 1;
  Add("Fund A", 42, 0, 0);
  RunWith(false, false);
  const float fixed_balance = scenario->accounts.records[0].balance;
  RunWith(false, true);
  EXPECT_EQ(scenario->accounts.records[0].balance, fixed_balance);
}

TEST_F(RandomRunTest, TheSameSeedRepeatsARunAndAnotherSeedDoesNot) {
  scenario->groups.random_method = 0;
  Add("Fund A", 0, -5, 15);
  const auto first = RunWith(true, false, 42);
  const auto again = RunWith(true, false, 42);
  const auto other = RunWith(true, false, 43);
  EXPECT_EQ(Lines(*first), Lines(*again));
  EXPECT_NE(Lines(*first), Lines(*other));
}

TEST_F(RandomRunTest, ASecondRunOnTheSameRunCarriesTheSequenceOn) {
  scenario->groups.random_method = 1;
  Add("Fund A", 0, -5, 15);
  model::RecomputeInitialTotals(*scenario);
  auto run = MakeRun(clock);
  run->options.detailed = true;
  run->options.random_accounts = true;
  run->options.random_seed = 42;
  ASSERT_TRUE(engine::RunScenario(*scenario, *run));
  const results::ScheduleLines first = Lines(*run);
  ASSERT_TRUE(engine::RunScenario(*scenario, *run));
  EXPECT_NE(Lines(*run), first);
}

}  // namespace
}  // namespace tarvel::engine_test
