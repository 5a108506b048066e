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
          {kStartAge, "abc", "62.5", "Start age: \"abc\" is not a number.", "START AGE ERROR"},
          {kEndAge, "55", "62", "The end age comes before the start age. Type an end age after 62.",
           "END AGE ERROR"},
          {kEndAge, "62", "85",
           "The end age is the same as the start age. Type an end age after 62.", "END AGE ERROR"},
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

}  // namespace
}  // namespace tarvel::ui
