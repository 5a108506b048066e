// The Deposit editor: the account comes first and must be chosen; then the cash-flow checks.
#include "ui/editors/deposit_editor.h"

#include "flow_editor_fixture.h"
#include "model/event_views.h"
#include "ui/editors/field_check.h"

namespace tarvel::ui {
namespace {

using namespace deposit_controls;
using test_support::FakeDialogView;

class DepositEditorTest : public test_support::FlowEditorTest {};

TEST_F(DepositEditorTest, RefusesAMortgagedOrMissingAccountThenChecksTheFieldsInOrder) {
  DepositEditor editor(services, EditRequest{});
  FakeDialogView view;
  editor.Initialise(view);
  EXPECT_EQ(view.items[kAccount], (std::vector<std::string>{"Bonds", "Car", "House", "Savings"}));
  EXPECT_EQ(view.selections[kAccount], -1);
  view.texts[kDescription] = "Pension";
  view.checks[kBeforeTaxes] = true;
  view.checks[kOneTime] = false;
  const std::string age(StringTableText(7));
  WalkChecks(
      view, editor,
      {
          {kAccount, "2", "-1",
           "You cannot select an account that is assigned to a Mortgage Event!", "Account Warning"},
          {kAccount, "-1", "3", kNoDepositAccount, "Account Warning"},
          {kStartAge, "abc", "62.5", age, "START AGE ERROR"},
          {kEndAge, "62", "85", age, "END AGE ERROR"},
          {kAmount, "100000001", "$12,000.00", std::string(StringTableText(2)), "AMOUNT ERROR"},
          {kApplyRate, "-21", "2", std::string(StringTableText(8)), "APPLY RATE ERROR"},
      },
      {kAccount});
  const model::FinancialEvent& stored = scenario->events[1];
  const model::CashFlowTerms terms(stored);
  EXPECT_EQ(stored.kind, model::EventKind::Deposit);
  EXPECT_EQ(stored.description.str(), "Pension");
  EXPECT_EQ(stored.start_age, 62.0f);
  EXPECT_EQ(stored.end_age, 85.0f);
  EXPECT_EQ(stored.amount, 12000.0f);
  EXPECT_EQ(terms.apply_rate_percent(), 2.0f);
  EXPECT_EQ(terms.account(), Id(savings));
  EXPECT_EQ(terms.before_taxes(), 1);
  EXPECT_EQ(scenario->initial.event_count, 2);
}

TEST_F(DepositEditorTest, AOneTimeDepositSkipsTheEndAgeCheckAndCancelKeepsTheRecord) {
  model::FinancialEvent& event =
      test_support::AddEvent(*scenario, model::EventKind::Deposit, 50, 60);
  model::CashFlowTerms(event).account() = Id(bonds);
  event.amount = 300;
  const model::FinancialEvent before = event;

  DepositEditor editor(services, EditRequest{1});
  FakeDialogView view;
  editor.Initialise(view);
  EXPECT_EQ(view.selections[kAccount], 0);
  view.texts[kAmount] = "0";
  view.checks[kOneTime] = true;
  view.texts[kEndAge] = "12.8";  // below the start age, not checked for one deposit
  editor.Command(view, kIdOk);
  EXPECT_EQ(Captions(), std::vector<std::string>{"AMOUNT ERROR"});
  editor.Command(view, kIdCancel);
  EXPECT_TRUE(SameBytes(scenario->events[1], before));

  DepositEditor again(services, EditRequest{1});
  FakeDialogView second;
  again.Initialise(second);
  second.checks[kOneTime] = true;
  second.texts[kEndAge] = "12.8";
  again.Command(second, kIdOk);
  EXPECT_EQ(scenario->events[1].end_age, 12.0f);
  EXPECT_EQ(model::CashFlowTerms(scenario->events[1]).one_time_only(), 1);
  EXPECT_EQ(scenario->events[1].amount, 300.0f);
}

}  // namespace
}  // namespace tarvel::ui
