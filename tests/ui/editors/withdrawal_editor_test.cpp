// The Withdrawal editor: its checks in order, the record it stores, Cancel, and a budget's
// withdrawal.
#include "ui/editors/withdrawal_editor.h"

#include "flow_editor_fixture.h"
#include "model/event_views.h"
#include "ui/editors/cash_flow_fields.h"
#include "ui/editors/editor_table.h"

namespace tarvel::ui {
namespace {

using namespace withdrawal_controls;
using test_support::FakeDialogView;

class WithdrawalEditorTest : public test_support::FlowEditorTest {};

TEST_F(WithdrawalEditorTest, ChecksEachFieldInOrderThenStoresWholeAgesAndTheChosenAccount) {
  WithdrawalEditor editor(services, EditRequest{});
  FakeDialogView view;
  editor.Initialise(view);
  EXPECT_EQ(view.texts[kTodaysDollarsBox], "Use amount in age 30.0 Dollars");
  EXPECT_EQ(view.items[kAccount],
            (std::vector<std::string>{"No Selection", "Bonds", "Car", "House", "Savings"}));
  view.texts[kDescription] = "Travel";
  view.checks[kInflation] = true;
  const std::string age = "This age must be between 1.0 and 120.0.";
  WalkChecks(
      view, editor,
      {
          {kStartAge, "0.5", "65.7", age, "START AGE ERROR"},
          {kEndAge, "121", "65.9", age, "END AGE ERROR"},
          {kEndAge, "65.9", "80.2",  // not after the start
           "The end age is the same as the start age. Type an end age after 65.", "END AGE ERROR"},
          {kAmount, "0", "$1,234.50", std::string(StringTableText(2)), "AMOUNT ERROR"},
          {kApplyRate, "25", "-2.5", std::string(StringTableText(8)), "APPLY RATE ERROR"},
          {kAccount, "2", "3", "You cannot select an account that is an Asset Type!",
           "Account Warning"},
          {kAccount, "3", "4", "You cannot select an account that is assigned to a Mortgage Event!",
           "Account Warning"},
      },
      {kAccount});
  ASSERT_EQ(scenario->initial.event_count, 2);
  const model::FinancialEvent& stored = scenario->events[1];
  const model::CashFlowTerms terms(stored);
  EXPECT_EQ(stored.kind, model::EventKind::Withdrawal);
  EXPECT_EQ(stored.description.str(), "Travel");
  EXPECT_EQ(stored.start_age, 65.0f);
  EXPECT_EQ(stored.end_age, 80.0f);
  EXPECT_EQ(stored.amount, 1234.5f);
  EXPECT_EQ(terms.apply_rate_percent(), -2.5f);
  EXPECT_EQ(terms.account(), Id(savings));
  EXPECT_EQ(terms.account_chosen(), model::kChosenAccountMarker);
  EXPECT_EQ(terms.apply_inflation(), 1);
  EXPECT_EQ(terms.one_time_only(), 0);
}

TEST_F(WithdrawalEditorTest, EditingAnInactiveWithdrawalShowsItsAgeAndCancelKeepsEveryByte) {
  model::FinancialEvent& event =
      test_support::AddEvent(*scenario, model::EventKind::Withdrawal, 1065, 80);
  event.amount = 2000;
  model::CashFlowTerms(event).account() = Id(bonds);
  model::CashFlowTerms(event).account_chosen() = model::kChosenAccountMarker;
  const model::FinancialEvent before = event;

  WithdrawalEditor editor(services, EditRequest{1});
  FakeDialogView view;
  editor.Initialise(view);
  EXPECT_EQ(view.texts[kStartAge], "65.00");
  EXPECT_EQ(view.texts[kAmount], "$2,000.00");
  EXPECT_EQ(view.selections[kAccount], 1);
  view.texts[kAmount] = "5";
  view.texts[kApplyRate] = "99";
  view.selections[kAccount] = 0;
  editor.Command(view, kIdOk);  // refused: the apply rate
  editor.Command(view, kIdCancel);
  EXPECT_EQ(view.result, kIdCancel);
  EXPECT_FALSE(editor.committed());
  EXPECT_TRUE(SameBytes(scenario->events[1], before));

  WithdrawalEditor again(services, EditRequest{1});
  FakeDialogView second;
  again.Initialise(second);
  second.texts[kStartAge] = "66";
  second.texts[kEndAge] = "abc";  // a one-time withdrawal's end age is not checked
  second.checks[kOneTime] = true;
  second.selections[kAccount] = 0;
  again.Command(second, kIdOk);
  const model::FinancialEvent& stored = scenario->events[1];
  EXPECT_EQ(stored.start_age, 66.0f);  // saving re-activates
  EXPECT_EQ(stored.end_age, 66.0f);
  EXPECT_EQ(stored.amount, 2000.0f);  // shown as money, read back whole
  EXPECT_EQ(model::CashFlowTerms(stored).account(), model::kNoAccount);
  EXPECT_EQ(model::CashFlowTerms(stored).account_chosen(), 0);
  EXPECT_EQ(model::CashFlowTerms(stored).one_time_only(), 1);
  EXPECT_EQ(scenario->initial.event_count, 2);
}

TEST_F(WithdrawalEditorTest, ABudgetWithdrawalKeepsItsBudgetsFiguresAndAccount) {
  model::FinancialEvent& event =
      test_support::AddEvent(*scenario, model::EventKind::Withdrawal, 62, 90);
  event.marker = model::kBudgetWithdrawalMarker;
  event.budget_number = 2;
  event.amount = 0;  // an empty budget: the amount check would refuse it
  scenario->budgets[1].account = Id(bonds);
  const model::FinancialEvent before = event;

  WithdrawalEditor editor(services, EditRequest{1});
  FakeDialogView view;
  editor.Initialise(view);
  for (int control :
       {kDescription, kStartAge, kEndAge, kAmount, kApplyRate, kOneTime, kInflation, kAccount}) {
    EXPECT_FALSE(view.enabled_controls[control]) << control;
  }
  EXPECT_EQ(view.selections[kAccount], 1);
  view.checks[kTodaysDollarsBox] = true;
  editor.Command(view, kIdOk);
  EXPECT_TRUE(prompter.messages.empty());
  model::FinancialEvent expected = before;
  model::CashFlowTerms(expected).account() = Id(bonds);
  model::CashFlowTerms(expected).account_chosen() = model::kChosenAccountMarker;
  expected.todays_dollars = 1;
  EXPECT_TRUE(SameBytes(scenario->events[1], expected));
}

TEST_F(WithdrawalEditorTest, EachCashFlowCommandOpensItsEditorAndCancelAddsNothing) {
  struct Case {
    int command;
    const char* dialog;
    int help;
  } cases[] = {{101, "withdrawal", 516},
               {106, "income", 257},
               {109, "transfer", 261},
               {110, "fundamentals", 262}};
  for (const Case& c : cases) {
    const EditorEntry* entry = FindEditor(c.command);
    ASSERT_NE(entry, nullptr) << c.command;
    dialogs.names.clear();
    dialogs.script = [](FakeDialogView& view, DialogPresenter& presenter) {
      presenter.Command(view, kEditorHelpButton);
      presenter.Command(view, kIdCancel);
    };
    EXPECT_FALSE(entry->edit(services, EditRequest{}));
    EXPECT_EQ(dialogs.names, std::vector<std::string>{c.dialog});
    EXPECT_EQ(help.topics.back(), c.help);
  }
  EXPECT_EQ(scenario->initial.event_count, 1);
}

}  // namespace
}  // namespace tarvel::ui
