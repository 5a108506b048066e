// Saying before an analysis what it can vary: each source and random kind looks at its own
// settings (account ranges, group ranges, standard deviations, allocations), names the
// accounts that vary and those that keep a fixed rate, and warns when none varies.
#include "analysis/rate_variation.h"

#include <gtest/gtest.h>

#include <functional>

#include "engine/engine_test_support.h"
#include "model/scenario_ops.h"

namespace tarvel::analysis {
namespace {

using model::AccountType;

// Checking and IRA with no random range, no deviation and no allocation; House as property.
std::unique_ptr<model::Scenario> HandBuiltPlan() {
  auto scenario = engine_test::MakeScenario(60, 90);
  engine_test::AddAccount(*scenario, AccountType::Investment, 20000, 0.5f, "Checking");
  engine_test::AddAccount(*scenario, AccountType::Retirement, 300000, 6, "IRA");
  engine_test::AddAccount(*scenario, AccountType::Equity, 250000, 3, "House");
  model::FillAllocationCategoryDefaults(*scenario);
  return scenario;
}

struct VariationCase {
  const char* name;
  RateSource source;
  std::function<void(model::Scenario&, AnalysisOptions&)> change;
  std::vector<std::string> varying;
  std::string warning;
};

constexpr int kIra = 1;

TEST(DescribeRateVariation, NamesWhatVariesAndWarnsWhenNothingDoes) {
  const auto nothing = [](model::Scenario&, AnalysisOptions&) {};
  const VariationCase cases[] = {
      {"accounts without ranges",
       RateSource::RandomAccounts,
       nothing,
       {},
       "No account has a random range; set one in the account dialog or use Historical"},
      {"an account range",
       RateSource::RandomAccounts,
       [](model::Scenario& s, AnalysisOptions&) {
         s.accounts.records[kIra].random_min_rate = -10;
         s.accounts.records[kIra].random_max_rate = 20;
       },
       {"IRA"},
       ""},
      {"a uniform range narrower than one step",
       RateSource::RandomAccounts,
       [](model::Scenario& s, AnalysisOptions&) {
         s.groups.random_method = 1;
         s.accounts.records[kIra].random_min_rate = 5;
         s.accounts.records[kIra].random_max_rate = 5.005f;
       },
       {},
       "No account has a random range; set one in the account dialog or use Historical"},
      {"standard deviations when the kind draws with them",
       RateSource::RandomAccounts,
       [](model::Scenario& s, AnalysisOptions&) {
         s.groups.random_method = 2;
         s.accounts.records[kIra].random_max_rate = 20;  // not used by this kind
       },
       {},
       "No account has a standard deviation; set one in the account dialog or use Historical"},
      {"a standard deviation",
       RateSource::RandomGroups,
       [](model::Scenario& s, AnalysisOptions&) {
         s.groups.random_method = 2;
         s.settings.standard_deviation[s.accounts.records[kIra].slot] = 12;
       },
       {"IRA"},
       ""},
      {"an account range does not make its group vary",
       RateSource::RandomGroups,
       [](model::Scenario& s, AnalysisOptions&) { s.accounts.records[kIra].random_max_rate = 20; },
       {},
       "No group of an account has a random range; set one in the Groups dialog or use "
       "Historical"},
      {"the group range of an account",
       RateSource::RandomGroups,
       [](model::Scenario& s, AnalysisOptions&) {
         s.accounts.records[kIra].group = 4;
         s.groups.random_max_rate[4] = 15;
       },
       {"IRA"},
       ""},
      {"no allocation: only inflation",
       RateSource::Historical,
       nothing,
       {},
       "No account has an asset allocation, so only inflation varies; set one in the account "
       "dialog or assume a default allocation"},
      {"no allocation and the plan's inflation",
       RateSource::Bootstrap,
       [](model::Scenario&, AnalysisOptions& o) { o.historical_inflation = false; },
       {},
       "No account has an asset allocation and historical inflation is off, so nothing varies; "
       "set one in the account dialog or assume a default allocation"},
      {"an allocation in a category the data has",
       RateSource::Historical,
       [](model::Scenario& s, AnalysisOptions&) {
         s.allocation.percent[0][s.accounts.records[kIra].slot] = 50;
       },
       {"IRA"},
       ""},
      {"an allocation in a renamed category",
       RateSource::Historical,
       [](model::Scenario& s, AnalysisOptions&) {
         s.categories.names[0].assign("Gold");
         s.allocation.percent[0][s.accounts.records[kIra].slot] = 50;
       },
       {},
       "No account has an asset allocation, so only inflation varies; set one in the account "
       "dialog or assume a default allocation"},
      {"the assumed allocation",
       RateSource::Bootstrap,
       [](model::Scenario&, AnalysisOptions& o) { o.assumed_allocation = true; },
       {"Checking", "IRA"},
       ""},
  };
  for (const VariationCase& c : cases) {
    SCOPED_TRACE(c.name);
    auto scenario = HandBuiltPlan();
    AnalysisOptions options;
    options.source = c.source;
    c.change(*scenario, options);
    const RateVariation variation = DescribeRateVariation(*scenario, options);
    EXPECT_EQ(variation.varying, c.varying);
    EXPECT_EQ(variation.warning, c.warning);
    EXPECT_EQ(variation.varying.size() + variation.fixed.size(), 3u);
  }
}

TEST(DescribeRateVariation, TellsTheRateFixedAccountsKeepAndWhatInflationDoes) {
  auto scenario = HandBuiltPlan();
  AnalysisOptions options;
  EXPECT_EQ(RateVariationText(DescribeRateVariation(*scenario, options)),
            "Fixed rates: Checking at 0.000%, IRA at 0.000% and House at 0.000%.\n"
            "Inflation is the plan's.");
  options.source = RateSource::Historical;
  options.assumed_allocation = true;
  const RateVariation variation = DescribeRateVariation(*scenario, options);
  EXPECT_EQ(variation.unallocated, 2);
  EXPECT_EQ(RateVariationText(variation),
            "Rates that vary: Checking and IRA. Assumed allocation: Checking (100 % cash) and IRA "
            "(60 % large-cap stocks, 40 % long-term bonds).\n"
            "Fixed rates: House at 3.000%.\n"
            "Inflation follows history.");
}

}  // namespace
}  // namespace tarvel::analysis
