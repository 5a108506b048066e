// Opening a scenario file's bytes as a plan: values no plan can have are refused by name, and a
// file cut short inside a block is told with what took its defaults, while the shorter files
// of earlier versions open silently.
#include "model/scenario_opening.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>

#include "model/plan_checks.h"
#include "support/scenario_builder.h"

namespace tarvel::model {
namespace {

std::vector<std::uint8_t> SavedPlan(float start_age, float end_age, float amount) {
  auto scenario = test_support::MakeClearedScenario();
  scenario->initial.start_age = start_age;
  scenario->initial.end_age = end_age;
  test_support::AddAccount(*scenario, AccountType::Investment, amount, 5, "Savings");
  test_support::AddEvent(*scenario, EventKind::Deposit, 40, 50);
  return EncodeScenario(*scenario);
}

std::vector<std::string> Refusals(const std::vector<std::uint8_t>& bytes) {
  auto scenario = std::make_unique<Scenario>();
  const ScenarioOpening opening = OpenScenarioBytes(bytes, *scenario);
  EXPECT_TRUE(opening.load.valid);
  EXPECT_EQ(opening.usable(), opening.refusals.empty());
  return opening.refusals;
}

TEST(OpenScenarioBytes, RefusesAFileWhoseValuesNoPlanCanHave) {
  const float nan = std::nanf("");
  const struct {
    std::vector<std::uint8_t> bytes;
    std::vector<std::string> refusals;
  } cases[] = {
      {SavedPlan(30, 84, 1000), {}},
      {SavedPlan(nan, 84, 1000), {"Initial Values, start age: not a finite number"}},
      {SavedPlan(30, INFINITY, 1000), {"Initial Values, end age: not a finite number"}},
      {SavedPlan(30, 84, nan), {"account 1 \"Savings\", initial amount: not a finite number"}},
      {SavedPlan(65, 65, 1000),
       {"The end age is the same as the start age. Type an end age after 65."}},
      {SavedPlan(65, 40, 1000),
       {"The end age comes before the start age. Type an end age after 65."}},
  };
  for (const auto& c : cases) EXPECT_EQ(Refusals(c.bytes), c.refusals);
}

TEST(OpenScenarioBytes, TellsTenRefusalsAndCountsTheRest) {
  auto scenario = test_support::MakeClearedScenario();
  for (int a = 0; a < 15; ++a) {
    test_support::AddAccount(*scenario, AccountType::Asset, NAN, 1, "A");
  }
  const std::vector<std::string> refusals = Refusals(EncodeScenario(*scenario));
  ASSERT_EQ(refusals.size(), kRefusalsTold + 1);
  EXPECT_EQ(refusals.back(), "and 5 more values that are not finite numbers");
}

// Where block b (1-based) of the saved plan ends.
std::size_t BlockEnd(int block) {
  const std::size_t sizes[] = {80,  160,  4124, 740, 246,  1938,  60,  60,    60,
                               152, 6990, 1100, 786, 5060, 10060, 164, 213894};
  std::size_t end = 0;
  for (int b = 0; b < block; ++b) end += sizes[b];
  return end;
}

TEST(CutShortWarning, NamesWhatTookItsDefaultsWhenTheFileEndsInsideABlock) {
  const std::vector<std::uint8_t> saved = SavedPlan(30, 84, 1000);
  const struct {
    std::size_t length;
    std::string warning;
  } cases[] = {
      // The shorter layouts of earlier versions end at a block boundary.
      {BlockEnd(3), ""},
      {BlockEnd(11), ""},
      {BlockEnd(16), ""},
      {saved.size(), ""},
      {BlockEnd(11) + 500,
       "plan.ret ends inside its dividend settings; default values were filled in for the "
       "dividend settings, allocation categories, asset allocations, mortgage equity accounts, "
       "colours, and income and expense lists."},
      {BlockEnd(15) + 10,
       "plan.ret ends inside its colours; default values were filled in for the colours and "
       "income and expense lists."},
      {BlockEnd(16) + 1398,
       "plan.ret ends inside its income and expense lists; default values were filled in for "
       "the income and expense lists."},
      {BlockEnd(6) + 3,
       "plan.ret ends inside its report fonts; default values were filled in for the report "
       "fonts, page setup, budgets, dividend settings, allocation categories, asset "
       "allocations, mortgage equity accounts, colours, and income and expense lists."},
  };
  for (const auto& c : cases) {
    auto scenario = std::make_unique<Scenario>();
    const ScenarioOpening opening = OpenScenarioBytes(std::span(saved).first(c.length), *scenario);
    ASSERT_TRUE(opening.usable()) << c.length;
    EXPECT_EQ(CutShortWarning("plan.ret", opening.load), c.warning) << c.length;
  }
}

}  // namespace
}  // namespace tarvel::model
