// The Transfer editor: both accounts first, then the cash-flow checks, which a transfer of all
// funds or of one transaction partly skips.
#include "ui/editors/transfer_editor.h"

#include "flow_editor_fixture.h"
#include "model/event_views.h"
#include "ui/editors/cash_flow_fields.h"

namespace tarvel::ui {
namespace {

using namespace transfer_controls;
using test_support::FakeDialogView;

class TransferEditorTest : public test_support::FlowEditorTest {};

TEST_F(TransferEditorTest, ChecksBothAccountsThenTheFieldsInOrder) {
  TransferEditor editor(services, EditRequest{});
  FakeDialogView view;
  editor.Initialise(view);
  EXPECT_EQ(view.selections[kFromAccount], -1);  // not the account whose id is 0
  EXPECT_EQ(view.selections[kToAccount], -1);
  const std::string mortgage = "You cannot select an account that is assigned to a Mortgage Event!";
  const std::string age(StringTableText(7));
  WalkChecks(
      view, editor,
      {
          {kFromAccount, "2", "-1", mortgage, "Account Warning"},
          {kToAccount, "2", "-1", mortgage, "Account Warning"},
          {kFromAccount, "-1", "3", kNoTransferAccount, "Account Warning"},
          {kToAccount, "-1", "0", kNoTransferAccount, "Account Warning"},
          {kStartAge, "", "55", age, "START AGE ERROR"},
          {kEndAge, "54", "59.9",
           "The end age comes before the start age. Type an end age after 55.", "END AGE ERROR"},
          {kAmount, "0.5", "750", std::string(StringTableText(2)), "AMOUNT ERROR"},
          {kApplyRate, "20.5", "1", std::string(StringTableText(8)), "APPLY RATE ERROR"},
      },
      {kFromAccount, kToAccount});
  const model::CashFlowTerms terms(scenario->events[1]);
  EXPECT_EQ(scenario->events[1].kind, model::EventKind::Transfer);
  EXPECT_EQ(terms.from_account(), Id(savings));
  EXPECT_EQ(terms.to_account(), Id(bonds));
  EXPECT_EQ(scenario->events[1].start_age, 55.0f);
  EXPECT_EQ(scenario->events[1].end_age, 59.0f);
  EXPECT_EQ(scenario->events[1].amount, 750.0f);
  EXPECT_EQ(terms.all_funds_at_start(), 0);
}

TEST_F(TransferEditorTest, AllFundsOrOneTransactionSkipTheChecksTheyDoNotUse) {
  struct Case {
    bool all_funds;
    bool one_transaction;
    std::vector<std::string> captions;
  } cases[] = {
      {true, false, {}},
      {false, true, {"AMOUNT ERROR"}},
      {false, false, {"END AGE ERROR"}},
  };
  for (const Case& c : cases) {
    prompter.messages.clear();
    TransferEditor editor(services, EditRequest{});
    FakeDialogView view;
    editor.Initialise(view);
    view.selections[kFromAccount] = 3;
    view.selections[kToAccount] = 0;
    view.texts[kStartAge] = "60";
    view.texts[kEndAge] = "abc";
    view.texts[kAmount] = "0";
    view.texts[kApplyRate] = "99";
    view.checks[kOneTransaction] = c.one_transaction;
    view.checks[kAllFunds] = c.all_funds;
    editor.Command(view, kAllFunds);
    for (int control :
         {kApplyRate, kOneTransaction, kAmount, kEndAge, kInflation, kTodaysDollarsBox}) {
      EXPECT_EQ(view.enabled_controls[control], !c.all_funds) << control;
    }
    editor.Command(view, kIdOk);
    EXPECT_EQ(Captions(), c.captions);
    EXPECT_EQ(editor.committed(), c.captions.empty());
  }
  const model::FinancialEvent& stored = scenario->events[1];
  EXPECT_EQ(model::CashFlowTerms(stored).all_funds_at_start(), 1);
  EXPECT_EQ(stored.end_age, 60.0f);  // the end age text was not a number
  EXPECT_EQ(scenario->initial.event_count, 2);
}

}  // namespace
}  // namespace tarvel::ui
