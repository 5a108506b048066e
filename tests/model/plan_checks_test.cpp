// The values no plan can hold: numbers that are not finite in the fields a run reads, named
// in plain words, and an end age that is not above the start age.
#include "model/plan_checks.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>
#include <memory>

#include "support/scenario_builder.h"

namespace tarvel::model {
namespace {

constexpr float kInfinity = std::numeric_limits<float>::infinity();

// A small plan with an account, a mortgage and a budget item, every value finite.
std::unique_ptr<Scenario> SmallPlan() {
  auto scenario = test_support::MakeClearedScenario();
  test_support::AddAccount(*scenario, AccountType::Investment, 1000, 5, "Savings");
  test_support::AddEvent(*scenario, EventKind::Mortgage, 40, 70).description.assign("House");
  scenario->budgets[0].item_count = 2;
  return scenario;
}

std::vector<std::string> PlainProblems(const Scenario& scenario) {
  std::vector<std::string> texts;
  for (const PlanProblem& problem : FindPlanProblems(scenario)) {
    texts.push_back(ProblemText(problem, PlainPlace(problem.place, scenario)));
  }
  return texts;
}

TEST(FindPlanProblems, AFinitePlanHasNone) { EXPECT_TRUE(FindPlanProblems(*SmallPlan()).empty()); }

TEST(FindPlanProblems, NamesEachValueThatIsNotFiniteInPlainWords) {
  const struct {
    std::function<void(Scenario&, float)> spoil;
    const char* expected;
  } cases[] = {
      {[](Scenario& s, float v) { s.initial.start_age = v; }, "Initial Values, start age"},
      {[](Scenario& s, float v) { s.initial.tax_rate = v; }, "Initial Values, tax rate"},
      {[](Scenario& s, float v) { s.accounts.records[0].initial_amount = v; },
       "account 1 \"Savings\", initial amount"},
      {[](Scenario& s, float v) { s.accounts.records[0].yearly_rate = v; },
       "account 1 \"Savings\", yearly rate"},
      {[](Scenario& s, float v) { s.settings.penalty_age[0] = v; },
       "account 1 \"Savings\", penalty age"},
      {[](Scenario& s, float v) { s.dividends.yearly_percent[0] = v; },
       "account 1 \"Savings\", dividend percent"},
      {[](Scenario& s, float v) { s.allocation.percent[2][0] = v; },
       "account 1 \"Savings\", allocation percent, category 3"},
      {[](Scenario& s, float v) { s.events[0].amount = v; }, "event 1 \"House\", amount"},
      {[](Scenario& s, float v) { s.events[0].value_134 = v; },
       "event 1 \"House\", property taxes"},
      {[](Scenario& s, float v) { s.events[0].end_age = v; }, "event 1 \"House\", end age"},
      {[](Scenario& s, float v) { s.budgets[0].amount[1] = v; },
       "budget 1 \"Budget 1\", amount, item 2"},
      {[](Scenario& s, float v) { s.settings.rmd_life_expectancy[1][4] = v; },
       "RMD table 2, RMD life expectancy, entry 5"},
      {[](Scenario& s, float v) { s.groups.random_max_rate[3] = v; }, "group 4, random max rate"},
  };
  for (const float bad : {kInfinity, -kInfinity, std::nanf("")}) {
    for (const auto& c : cases) {
      auto scenario = SmallPlan();
      c.spoil(*scenario, bad);
      EXPECT_EQ(PlainProblems(*scenario),
                std::vector<std::string>{std::string(c.expected) + ": not a finite number"})
          << c.expected << " " << bad;
    }
  }
}

TEST(FindPlanProblems, LeavesRecordsOutOfUseAndRunTimeFieldsAlone) {
  auto scenario = SmallPlan();
  const float nan = std::nanf("");
  scenario->accounts.records[1].initial_amount = nan;  // beyond the account count
  scenario->events[1].amount = nan;                    // beyond the event count
  scenario->budgets[0].amount[2] = nan;                // beyond the item count
  scenario->accounts.records[0].balance = nan;         // run-time
  scenario->events[0].working_amount_28 = nan;         // run-time
  scenario->initial.initial_investment = nan;          // derived
  scenario->initial.reserved_2 = nan;                  // reserved
  EXPECT_TRUE(FindPlanProblems(*scenario).empty());
}

TEST(FindPlanProblems, RefusesAnEndAgeNotAboveTheStartAgeInWholeYears) {
  const struct {
    float start;
    float end;
    bool refused;
  } cases[] = {{60, 60, true},  {60, 50, true},     {60.25f, 60.75f, true},
               {60, 61, false}, {60.9f, 61, false}, {30, 84, false}};
  for (const auto& c : cases) {
    auto scenario = SmallPlan();
    scenario->initial.start_age = c.start;
    scenario->initial.end_age = c.end;
    const std::vector<std::string> expected =
        c.refused ? std::vector<std::string>{EndAgeOrderText(c.start, c.end)}
                  : std::vector<std::string>{};
    EXPECT_EQ(PlainProblems(*scenario), expected) << c.start << " " << c.end;
  }
}

}  // namespace
}  // namespace tarvel::model
