// The event frame: when events start, act and finish, amounts given in dollars of the start
// age, and the rate changes of Fundamentals events.
#include "engine/event_step.h"

#include <cmath>

#include "engine/event_year_fixture.h"
#include "model/event_views.h"

namespace tarvel::engine {
namespace {

using model::AccountType;
using model::EventKind;
using test_support::AddAccount;
using test_support::AddEvent;

class EventFrame : public test_support::EventYearTest {};

TEST_F(EventFrame, StartsInItsStartYearWithTheEnteredAmount) {
  AddAccount(*scenario_, AccountType::Investment, 0, 0, "Savings");
  model::FinancialEvent& deposit = AddEvent(*scenario_, EventKind::Deposit, 62, 70);
  deposit.amount = 500;
  deposit.account_24 = AccountAt(0).id;

  Years(60, 61);
  EXPECT_EQ(deposit.status, 0);
  EXPECT_FLOAT_EQ(AccountAt(0).balance, 0);
  Year(62);
  EXPECT_EQ(deposit.status, 1);
  EXPECT_FLOAT_EQ(deposit.working_amount_28, 500);
  EXPECT_FLOAT_EQ(AccountAt(0).balance, 500);
}

TEST_F(EventFrame, RecurringEventActsThroughItsEndAgeAndThenFinishes) {
  AddAccount(*scenario_, AccountType::Investment, 0, 0, "Savings");
  model::FinancialEvent& deposit = AddEvent(*scenario_, EventKind::Deposit, 60, 62);
  deposit.amount = 100;
  deposit.account_24 = AccountAt(0).id;

  Years(60, 61);
  EXPECT_EQ(deposit.status, 1);
  Year(62);
  EXPECT_EQ(deposit.status, 2);
  Years(63, 64);
  EXPECT_FLOAT_EQ(AccountAt(0).balance, 300);
}

TEST_F(EventFrame, OneTimeEventActsOnceInItsStartYear) {
  AddAccount(*scenario_, AccountType::Investment, 0, 0, "Savings");
  model::FinancialEvent& deposit = AddEvent(*scenario_, EventKind::Deposit, 61, 80);
  deposit.amount = 100;
  deposit.flag_14 = 1;
  deposit.account_24 = AccountAt(0).id;

  Years(60, 65);
  EXPECT_EQ(deposit.status, 2);
  EXPECT_FLOAT_EQ(AccountAt(0).balance, 100);
}

TEST_F(EventFrame, EventsBeforeTheShownStartAgeWriteNoLines) {
  AddAccount(*scenario_, AccountType::Investment, 1000, 0, "Savings");
  model::FinancialEvent& deposit = AddEvent(*scenario_, EventKind::Deposit, 58, 70);
  deposit.description.assign("Deposit");
  deposit.amount = 100;
  deposit.account_24 = AccountAt(0).id;

  Years(58, 59);
  EXPECT_TRUE(Lines().empty());
  EXPECT_FLOAT_EQ(AccountAt(0).balance, 1000);
  EXPECT_FLOAT_EQ(run_.year.deposits, 100);
  Year(60);
  EXPECT_TRUE(HasLine("  Deposit - Deposit $100.00 to Savings"));
}

class TodaysDollars : public test_support::EventYearTest {};

TEST_F(TodaysDollars, AmountGrowsByTheInflationOfEveryYearSinceTheStartAge) {
  AddAccount(*scenario_, AccountType::Investment, 0, 0, "Savings");
  model::FinancialEvent& deposit = AddEvent(*scenario_, EventKind::Deposit, 65, 65);
  deposit.amount = 1000;
  deposit.flag_14 = 1;
  deposit.todays_dollars = 1;
  deposit.account_24 = AccountAt(0).id;

  Years(60, 65);
  EXPECT_NEAR(AccountAt(0).balance, 1000 * std::pow(1.03, 5), 0.01);
}

TEST_F(TodaysDollars, InflationOfAPartialFirstYearCountsByItsFraction) {
  StartRun(60.5f);
  AddAccount(*scenario_, AccountType::Investment, 0, 0, "Savings");
  model::FinancialEvent& deposit = AddEvent(*scenario_, EventKind::Deposit, 62, 62);
  deposit.amount = 1000;
  deposit.flag_14 = 1;
  deposit.todays_dollars = 1;
  deposit.account_24 = AccountAt(0).id;

  Years(60, 62);
  EXPECT_NEAR(AccountAt(0).balance, 1000 * 1.015 * 1.03, 0.01);
}

TEST_F(TodaysDollars, BudgetItemsGrowEachAndTheAmountIsTheirSum) {
  model::Budget& budget = scenario_->budgets[1];
  budget.item_count = 2;
  budget.item_names[0].assign("Food");
  budget.yearly_amount[0] = 1000;
  budget.item_names[1].assign("Rent");
  budget.yearly_amount[1] = 2000;
  model::FinancialEvent& withdrawal = AddEvent(*scenario_, EventKind::Withdrawal, 62, 62);
  withdrawal.marker = model::kBudgetWithdrawalMarker;
  withdrawal.budget_number = 2;
  withdrawal.amount = 3000;
  withdrawal.flag_14 = 1;
  withdrawal.todays_dollars = 1;
  withdrawal.description.assign("Living");

  Years(60, 62);
  EXPECT_NEAR(run_.year.withdrawals, 3000 * 1.03 * 1.03, 0.01);
  EXPECT_TRUE(HasLine("  Living - Withdraw $3,182.70")) << AllLines();
}

class Fundamentals : public test_support::EventYearTest {};

TEST_F(Fundamentals, ChangesTheRatesThatDifferAndWritesALineForEach) {
  AddAccount(*scenario_, AccountType::Investment, 0, 5.0f, "Savings");
  model::FinancialEvent& change = AddEvent(*scenario_, EventKind::Fundamentals, 62, 62);
  change.description.assign("Retire");
  change.account_24 = AccountAt(0).id;
  change.rate_40 = 4.5f;
  change.amount = 20.0f;   // tax rate
  change.value_32 = 3.0f;  // inflation rate, unchanged

  Years(60, 62);
  EXPECT_FLOAT_EQ(AccountAt(0).rate, 4.5f);
  EXPECT_FLOAT_EQ(run_.tax_rate, 20.0f);
  EXPECT_EQ(change.status, 2);
  const std::vector<std::string> expected = {"  Retire - Rate Changes: ", "     Savings = 4.500%",
                                             "     Tax Rate = 20.000%"};
  EXPECT_EQ(Lines(), expected);
  EXPECT_EQ(run_.results().line_event[0], 0);
}

TEST_F(Fundamentals, NewInflationRateIsRecordedForThePartOfTheYearLeft) {
  StartRun(60.5f);
  model::FinancialEvent& change = AddEvent(*scenario_, EventKind::Fundamentals, 60, 60);
  change.description.assign("Inflation");
  change.account_24 = model::kNoAccount;
  change.amount = 15.0f;
  change.value_32 = 5.0f;

  Year(60);
  EXPECT_FLOAT_EQ(run_.inflation_rate, 5.0f);
  EXPECT_FLOAT_EQ(run_.inflation_by_age[60], 2.5f);
  const std::vector<std::string> expected = {"  Inflation - Rate Changes: ",
                                             "     Inflation Rate = 5.000%"};
  EXPECT_EQ(Lines(), expected);
}

// One rule ends a running event after its end age; debts end by their own rules, and events
// that have not started or have finished keep their status.
TEST(FinishPastEndAge, EndsRunningEventsOtherThanDebtsOnceTheAgeIsPastTheirEnd) {
  using model::EventStatus;
  struct Case {
    EventKind kind;
    EventStatus status;
    float end_age;
    float current_age;
    EventStatus expected;
  };
  const Case cases[] = {
      {EventKind::Deposit, EventStatus::Running, 70, 71, EventStatus::Finished},
      {EventKind::Withdrawal, EventStatus::Running, 70, 70.5f, EventStatus::Finished},
      {EventKind::Deposit, EventStatus::Running, 70, 70, EventStatus::Running},
      {EventKind::RmdLine, EventStatus::Running, 70, 71, EventStatus::Finished},
      {EventKind::Loan, EventStatus::Running, 70, 71, EventStatus::Running},
      {EventKind::Mortgage, EventStatus::Running, 70, 71, EventStatus::Running},
      {EventKind::Transfer, EventStatus::NotStarted, 70, 71, EventStatus::NotStarted},
  };
  for (const Case& c : cases) {
    model::FinancialEvent event{};
    event.kind = c.kind;
    event.end_age = c.end_age;
    model::SetStatus(event, c.status);
    engine::Run run;
    run.current_age = c.current_age;
    FinishPastEndAge(event, run);
    EXPECT_EQ(model::StatusOf(event), c.expected)
        << static_cast<int>(c.kind) << " at " << c.current_age;
  }
}

}  // namespace
}  // namespace tarvel::engine
