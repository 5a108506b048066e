// The Mortgage editor: its checks in order, the stored mortgage, the accelerated options and
// the equity loan taken out on an existing mortgage.
#include "ui/editors/mortgage_editor.h"

#include <gtest/gtest.h>

#include "debt_editor_fixture.h"
#include "model/event_views.h"
#include "ui/editors/field_check.h"

namespace tarvel::ui {
namespace {

using test_support::CheckStep;
using test_support::FakeDialogView;

class MortgageEditorTest : public test_support::DebtEditorTest {
 protected:
  void EnterValidMortgage(FakeDialogView& view) {
    view.texts = {{101, "Home"}, {102, "45.5"}, {103, "75"},    {106, "5"},  {104, "$300,000.00"},
                  {116, "3000"}, {117, "2000"}, {105, "60000"}, {107, "30"}, {113, "3"},
                  {114, "0"},    {125, "6"},    {122, "250"}};
    view.selections[126] = Position(savings, true);
    view.selections[127] = Position(house, true);
  }
};

TEST_F(MortgageEditorTest, EitherThePayoffAgeOrTheNumberOfYearsIsEnough) {
  struct Case {
    const char* payoff;
    const char* years;
    const char* shown_payoff;
    const char* shown_years;
  } cases[] = {
      {"", "30", "75.00", "30"},      // the payoff age follows from the term
      {"0.00", "30", "75.00", "30"},  // as a new mortgage shows it
      {"60", "", "60", "15"},         // the term follows from the payoff age
      {"60", "30", "60", "30"},       // both given: an early payoff is kept
  };
  for (const Case& c : cases) {
    MortgageEditor editor(services, EditRequest{});
    FakeDialogView view;
    editor.Initialise(view);
    EnterValidMortgage(view);
    view.texts[103] = c.payoff;
    view.texts[107] = c.years;
    prompter.messages.clear();
    editor.Command(view, 112);  // Calculate
    EXPECT_TRUE(prompter.messages.empty()) << c.payoff << "/" << c.years;
    EXPECT_EQ(view.texts[103], c.shown_payoff);
    EXPECT_EQ(view.texts[107], c.shown_years);
  }
  // With neither, the payoff age asks for one of them.
  MortgageEditor editor(services, EditRequest{});
  FakeDialogView view;
  editor.Initialise(view);
  EnterValidMortgage(view);
  view.texts[103] = "";
  view.texts[107] = "0";
  editor.Command(view, 112);
  ASSERT_EQ(prompter.messages.size(), 1u);
  EXPECT_EQ(prompter.messages[0].caption, "PAYOFF AGE ERROR");
  EXPECT_NE(prompter.messages[0].text.find("either is enough"), std::string::npos);
  EXPECT_EQ(view.focus, 103);
}

TEST_F(MortgageEditorTest, ChecksEachFieldInOrderThenStoresTheMortgage) {
  AddHouseMortgage();
  MortgageEditor editor(services, EditRequest{});
  FakeDialogView view;
  editor.Initialise(view);
  EnterValidMortgage(view);
  auto table = [](int id) { return std::string(StringTableText(id)); };
  const std::vector<CheckStep> steps = {
      {102, "0", "45.5", "START AGE ERROR", table(7)},
      {103, "200", "75", "PAYOFF AGE ERROR", table(7)},
      {106, "1001", "5", "RATE ERROR", table(6)},
      {104, "0", "$300,000.00", "AMOUNT ERROR", table(2)},
      {116, "-1", "3000", "TAX ERROR", table(2)},
      {117, "-1", "2000", "CLOSING ERROR", table(2)},
      {105, "-1", "", "DOWN PAYMENT ERROR", table(2)},
      {105, "300001", "60000", "DOWN PAYMENT ERROR", test_support::kDownPaymentText},
      {107, "101", "30", "NO OF YEARS ERROR", table(5)},
      {113, "-1001", "3", "RATE ERROR", table(6)},
      {114, "121", "0", "AGE ERROR", table(3)},
      {125, "1001", "6", "RATE ERROR", table(6)},
      {122, "100000", "250", "Additional Monthly Amount Error",
       "This amount must be greater than or equal to  0.00 and less than 99999.99"},
      {126, Position(house, true), Position(car, true), "Account Warning",
       test_support::kMortgageAccountText},
      {126, Position(car, true), Position(savings, true), "Account Warning",
       test_support::kAssetTypeText},
  };
  WalkChecks(editor, view, 109, steps);

  // An equity account that is not of the equity type is only warned about.
  view.selections[127] = Position(savings, true);
  view.checks[120] = true;
  for (int box : {124, 123}) {  // the two starts exclude each other: the last one counts
    view.checks[box] = true;
    editor.Command(view, box);
  }
  editor.Command(view, 109);
  ASSERT_EQ(prompter.messages.size(), steps.size() + 1);
  EXPECT_EQ(prompter.messages.back().caption, "Account Warning");
  EXPECT_EQ(prompter.messages.back().text,
            "You have selected an account that is not an Equity account!\nPlease make sure that "
            "this is your intent.");
  ASSERT_EQ(view.result, kIdOk);
  ASSERT_EQ(scenario->initial.event_count, 2);
  EXPECT_EQ(Listing(1),
            " 45.0 Home - $300,000.00 $60,000.00 down at 5.000% for 30 yrs. $1,288.37/Month.\n"
            "        The equity is assigned to the Savings account.\n"
            "        An Additional $250.00/Month is applied to the principal.\n"
            "        Appreciation rate = 3.000%\n"
            "        Property Taxes = 3000.00    \n"
            "        Closing Costs = $2,000.00\n"
            "        The payments and expenses will be withdrawn from the Savings account.\n");
  EXPECT_EQ(model::MortgageTerms(scenario->events[1]).selling_percent(), 6.0f);
  EXPECT_EQ(view.texts[108], "$1,288.37");  // 240,000 financed at 5 % over 30 years
}

TEST_F(MortgageEditorTest, AnEquityLoanTakenOutStaysWhenTheMortgageIsCancelled) {
  model::FinancialEvent& mortgage = AddHouseMortgage();
  mortgage.number = 7;
  const model::FinancialEvent before = mortgage;
  dialogs.scripts.push_back([](FakeDialogView& view, DialogPresenter& presenter) {
    view.texts[101] = "Changed";
    presenter.Command(view, 128);
    presenter.Command(view, 110);
  });
  dialogs.scripts.push_back([this](FakeDialogView& view, DialogPresenter& presenter) {
    EXPECT_EQ(view.texts[888], "House");
    view.texts = {{101, "Kitchen"}, {102, "50"}, {103, "60"}, {105, "6"},
                  {104, "20000"},   {119, "0"},  {114, "0"},  {106, "10"}};
    view.selections[112] = Position(savings, false);
    presenter.Command(view, 107);
  });
  EXPECT_TRUE(EditMortgage(services, EditRequest{0}));
  EXPECT_EQ(dialogs.titles, (std::vector<std::string>{"Mortgage", "Equity Loan"}));
  EXPECT_TRUE(test_support::SameBytes(scenario->events[0], before));
  ASSERT_EQ(scenario->initial.event_count, 2);
  const model::FinancialEvent& loan = scenario->events[1];
  const model::EquityLoanTerms terms(loan);
  EXPECT_TRUE(model::IsEquityLoan(loan));
  EXPECT_EQ(terms.mortgage_number(), 7);
  EXPECT_EQ(terms.equity_account(), house);

  // While a mortgage is being added, there is no property to borrow on yet.
  MortgageEditor adding(services, EditRequest{});
  FakeDialogView view;
  adding.Initialise(view);
  adding.Command(view, 128);
  EXPECT_EQ(dialogs.titles.size(), 2u);
}

}  // namespace
}  // namespace tarvel::ui
