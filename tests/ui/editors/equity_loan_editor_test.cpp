// The equity-loan editor: its checks in order (the accounts before any field), the stored
// loan and its link, Calculate adding nothing, and an inactive loan saved again.
#include "ui/editors/equity_loan_editor.h"

#include <gtest/gtest.h>

#include "debt_editor_fixture.h"
#include "model/event_views.h"
#include "ui/editors/field_check.h"

namespace tarvel::ui {
namespace {

using test_support::CheckStep;
using test_support::FakeDialogView;

class EquityLoanEditorTest : public test_support::DebtEditorTest {
 protected:
  void EnterValidLoan(FakeDialogView& view) {
    view.texts = {{101, "Kitchen"}, {102, "50"}, {103, "60"},  {105, "6"},
                  {104, "20000"},   {119, "0"},  {114, "500"}, {106, "10"}};
    view.selections[112] = Position(savings, false);
    view.selections[113] = 0;
  }
};

TEST_F(EquityLoanEditorTest, RefusesTheMortgageAccountsBeforeAnyFieldThenChecksInOrder) {
  AddHouseMortgage().number = 7;
  EquityLoanEditor editor(services, EquityLoanMortgage{7, house});
  FakeDialogView view;
  editor.Initialise(view);
  EXPECT_EQ(view.texts[888], "House");
  EnterValidLoan(view);
  auto table = [](int id) { return std::string(StringTableText(id)); };
  // Every field starts wrong: the first two presses only speak of the accounts.
  const std::vector<CheckStep> steps = {
      {112, Position(house, false), -1, "Account Warning", test_support::kMortgageAccountText},
      {113, Position(house, true), 0, "Account Warning", test_support::kMortgageAccountText},
      {102, "0", "50", "START AGE ERROR", table(7)},
      {103, "0", "60", "PAYOFF AGE ERROR", table(7)},
      {105, "0", "6", "RATE ERROR", table(6)},
      {104, "0", "20000", "AMOUNT ERROR", table(2)},
      {119, "-1", "", "AMOUNT ERROR", table(2)},
      {119, "20001", "0", "AMOUNT ERROR", test_support::kDownPaymentText},
      {114, "1000000", "500", "COST ERROR", table(2)},
      {106, "101", "10", "NO OF YEARS ERROR", table(5)},
      {112, -1, Position(savings, false), "Account Warning",
       "Please choose the account the loan amount is deposited to."},
  };
  WalkChecks(editor, view, 107, steps);

  // Calculate only shows the payment: no years are accepted and no event is added.
  view.texts[106] = "0";
  editor.Command(view, 111);
  EXPECT_EQ(view.texts[110], "$0.00");
  EXPECT_EQ(scenario->initial.event_count, 1);
  view.texts[106] = "10";
  editor.Command(view, 111);
  EXPECT_EQ(view.texts[110], "$222.04");
  EXPECT_EQ(prompter.messages.size(), steps.size());
  EXPECT_EQ(scenario->initial.event_count, 1);

  editor.Command(view, 107);
  ASSERT_EQ(view.result, kIdOk);
  ASSERT_EQ(scenario->initial.event_count, 2);
  EXPECT_EQ(Listing(1),
            " 50.0 Kitchen - $20,000.00 $0.00 down at 6.000% for 10 yrs. $222.04/Month.\n"
            "        The equity is assigned to the House account.\n"
            "        Loan amount deposited to Savings\n"
            "        Loan Costs = 500.00     \n");
  const model::EquityLoanTerms terms(scenario->events[1]);
  EXPECT_EQ(scenario->events[1].word_26, 63536);  // -2000
  EXPECT_EQ(terms.mortgage_number(), 7);
  EXPECT_EQ(terms.sell_age(), 120.0f);
  EXPECT_EQ(terms.deposit_account_rate(), 5.0f);
  EXPECT_EQ(view.texts[110], "$222.04");
}

TEST_F(EquityLoanEditorTest, AnInactiveLoanOpensWithItsAgeAndIsSavedActive) {
  AddHouseMortgage();
  model::FinancialEvent& stored =
      test_support::AddEvent(*scenario, model::EventKind::Loan, 1050, 60);
  stored.word_26 = model::kEquityLoanMarker;
  stored.account_24 = savings;
  stored.number = 2;
  dialogs.scripts.push_back([](FakeDialogView& view, DialogPresenter& presenter) {
    EXPECT_EQ(view.texts[102], "50.00");
    view.texts[105] = "6";
    view.texts[104] = "1000";
    view.texts[106] = "5";
    presenter.Command(view, 107);
  });
  EXPECT_TRUE(EditEquityLoan(services, EditRequest{1}));
  EXPECT_EQ(scenario->events[1].start_age, 50.0f);
  EXPECT_EQ(scenario->events[1].number, 2);
  EXPECT_EQ(scenario->initial.event_count, 2);
}

}  // namespace
}  // namespace tarvel::ui
