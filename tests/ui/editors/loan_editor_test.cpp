// The Loan editor: its checks in order, the stored loan, and the schedule plotter's file.
#include "ui/editors/loan_editor.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "debt_editor_fixture.h"
#include "model/event_views.h"
#include "ui/editors/field_check.h"

namespace tarvel::ui {
namespace {

using test_support::CheckStep;
using test_support::FakeDialogView;

class LoanEditorTest : public test_support::DebtEditorTest {
 protected:
  void EnterValidLoan(FakeDialogView& view) {
    view.texts = {{101, "Boat"},       {102, "50.7"}, {103, "60.9"}, {105, "6"},
                  {104, "$20,000.00"}, {119, "1000"}, {118, "0"},    {106, "10"}};
    view.selections[112] = Position(savings, false);
    view.selections[113] = Position(savings, true);
  }
};

TEST_F(LoanEditorTest, ChecksEachFieldInOrderThenStoresTheLoan) {
  AddHouseMortgage();
  LoanEditor editor(services, EditRequest{});
  FakeDialogView view;
  editor.Initialise(view);
  EnterValidLoan(view);
  auto table = [](int id) { return std::string(StringTableText(id)); };
  const std::vector<CheckStep> steps = {
      {112, Position(house, false), -1, "Account Warning", test_support::kMortgageAccountText},
      {113, Position(house, true), Position(car, true), "Account Warning",
       test_support::kMortgageAccountText},
      {102, "0", "50.7", "START AGE ERROR", table(7)},
      {103, "121", "60.9", "PAYOFF AGE ERROR", table(7)},
      {105, "0.5", "6", "RATE ERROR", table(6)},
      {104, "x", "$20,000.00", "AMOUNT ERROR", "Amount: \"x\" is not a number."},
      {119, "-1", "", "AMOUNT ERROR", table(2)},
      {119, "20000.01", "1000", "AMOUNT ERROR", test_support::kDownPaymentText},
      {118, "121", "0", "SELL AGE ERROR", table(3)},
      {106, "101", "10", "NO OF YEARS ERROR", table(5)},
      {112, -1, Position(savings, false), "Account Warning",
       "Please choose the account the loan amount is deposited to."},
      {113, Position(car, true), Position(savings, true), "Account Warning",
       test_support::kAssetTypeText},
  };
  WalkChecks(editor, view, 107, steps);

  editor.Command(view, 107);
  ASSERT_EQ(view.result, kIdOk);
  EXPECT_TRUE(editor.committed());
  ASSERT_EQ(scenario->initial.event_count, 2);
  EXPECT_EQ(Listing(1),  // typed ages 50.7 and 60.9 are stored as 50 and 60
            " 50.0 Boat - $20,000.00 $1,000.00 down at 6.000% for 10 yrs. $210.94/Month.\n"
            "        Loan amount deposited to Savings\n"
            "        The payments will be withdrawn from the Savings account.\n");
  const model::LoanTerms terms(scenario->events[1]);
  EXPECT_EQ(model::VarietyOf(scenario->events[1]), model::EventVariety::Loan);
  EXPECT_EQ(terms.deposit_account_rate(), 5.0f);
  EXPECT_EQ(view.texts[110], "$210.94");  // 19,000 financed at 6 % over 10 years
}

TEST_F(LoanEditorTest, AcceptsNoYearsAndNoPaymentAccount) {
  LoanEditor editor(services, EditRequest{});
  FakeDialogView view;
  editor.Initialise(view);
  EnterValidLoan(view);
  view.texts[106] = "0";
  view.selections[113] = 0;  // "No Selection"
  editor.Command(view, 107);
  ASSERT_EQ(view.result, kIdOk);
  EXPECT_TRUE(prompter.messages.empty());
  EXPECT_EQ(Listing(0),
            " 50.0 Boat - $20,000.00 $1,000.00 down at 6.000% for 0 yrs. $0.00/Month.\n"
            "        Loan amount deposited to Savings\n");
  EXPECT_EQ(model::LoanTerms(scenario->events[0]).payment_account(), model::kNoAccount);
}

TEST_F(LoanEditorTest, PrintScheduleHandsTheFinancedAmountToThePlotter) {
  LoanEditor editor(services, EditRequest{});
  FakeDialogView view;
  editor.Initialise(view);
  EnterValidLoan(view);
  view.texts[104] = "1200";
  view.texts[119] = "200";
  view.texts[105] = "12";
  view.texts[106] = "2";
  editor.Command(view, 121);

  std::ifstream file(folder.File("plotter.dat"));
  std::stringstream text;
  text << file.rdbuf();
  EXPECT_EQ(text.str(),
            "NOBANNER\nCOLOR\n8e1c52\nff0000\nff\n15d0d5\nff00aa\nff00\n480088\n55550a\naaff\n"
            "ff44ff\nffff34\n15d0d5\n6400c8\n646464\nff\n0\nNOLOGO\nNOWATERMARK\n"
            "Tarvel Software Retirement Planner\nLoan Schedule\nDATE\nNOPLOT\nDATA\n"
            "Loan Amount: $1,000.00\nRate: 12.000%\nMonthly Payment: $47.07\nTerm: 2 Years\n"
            " Year \t Yearly Principal \t Yearly Interest \t Total Interest \t Loan Balance \n"
            "50\t470.18\t94.70\t94.70\t529.82\n"
            "51\t529.82\t35.07\t129.76\t0.00\n"
            "ENDOFDATA\n");
  ASSERT_EQ(launcher.programs.size(), 1u);
  EXPECT_EQ(launcher.programs[0].name, "plotter");
  EXPECT_EQ(launcher.programs[0].arguments, std::vector<std::string>{"plotter.dat"});
  EXPECT_EQ(scenario->initial.event_count, 0);
  EXPECT_FALSE(view.result.has_value());
}

}  // namespace
}  // namespace tarvel::ui
