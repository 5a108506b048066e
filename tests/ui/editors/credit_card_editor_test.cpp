// The credit-card payoff, the Credit Card Debt editor's checks and record, and its calculator.
#include "ui/editors/credit_card_editor.h"

#include <gtest/gtest.h>

#include "debt_editor_fixture.h"
#include "model/event_views.h"
#include "ui/editors/field_check.h"

namespace tarvel::ui {
namespace {

using test_support::CheckStep;
using test_support::FakeDialogView;

TEST(CreditCardPayoff, CountsMonthsAndInterestUntilThePaymentClearsTheDebt) {
  struct Case {
    CreditCardDebt debt;
    bool paid_off;
    int months;
    double total_interest;
  } cases[] = {
      // The balance less the payment (400) is at most the payment: the first month is the last.
      {{1000, 18, 600, 0}, true, 1, 14.79},
      // The last month is the one whose balance is at most twice the payment.
      {{200, 0, 100, 0}, true, 1, 0},
      {{1000, 0, 100, 0}, true, 9, 0},
      // Purchases are added before each payment.
      {{1000, 0, 100, 50}, true, 18, 0},
      // A payment no larger than the interest (14.79) or the purchases never clears the debt.
      {{1000, 18, 14.79, 0}, false, 0, 0},
      {{1000, 0, 50, 50}, false, 0, 0},
      {{1000, 18, 0, 0}, false, 0, 0},
  };
  for (const Case& c : cases) {
    const CreditCardPayoff payoff = PayOffCreditCard(c.debt);
    EXPECT_EQ(payoff.paid_off, c.paid_off) << c.debt.monthly_payment;
    if (!c.paid_off) continue;
    EXPECT_EQ(payoff.months, c.months) << c.debt.monthly_payment;
    EXPECT_NEAR(payoff.total_interest, c.total_interest, 0.005) << c.debt.monthly_payment;
  }
}

class CreditCardEditorTest : public test_support::DebtEditorTest {};

TEST_F(CreditCardEditorTest, ChecksEachFieldInOrderThenStoresTheCard) {
  AddHouseMortgage();
  CreditCardEditor editor(services, EditRequest{});
  FakeDialogView view;
  editor.Initialise(view);
  view.texts = {{101, "Visa"}, {102, "41"},  {103, "60"}, {105, "18"},
                {104, "1000"}, {110, "600"}, {113, "0"}};
  view.selections[112] = Position(savings, true);
  auto table = [](int id) { return std::string(StringTableText(id)); };
  const std::vector<CheckStep> steps = {
      {102, "0", "", "START AGE ERROR", table(7)},
      // The plan starts at 40.6: whole years are compared.
      {102, "39.9", "40.9", "START AGE ERROR",
       "The Start Age must be equal or greater than the Initial Values Start Age!"},
      {103, "0", "60", "PAYOFF AGE ERROR", table(7)},
      {105, "0", "18", "RATE ERROR", table(6)},
      {104, "0", "1000", "AMOUNT ERROR", table(2)},
      {110, "-5", "600", "AMOUNT ERROR", table(2)},
      {113, "abc", "0", "AMOUNT ERROR", "Amount: \"abc\" is not a number."},
      {112, Position(house, true), Position(car, true), "Account Warning",
       test_support::kMortgageAccountText},
      {112, Position(car, true), Position(savings, true), "Account Warning",
       test_support::kAssetTypeText},
  };
  WalkChecks(editor, view, 107, steps);

  editor.Command(view, 107);
  ASSERT_EQ(view.result, kIdOk);
  ASSERT_EQ(scenario->initial.event_count, 2);
  EXPECT_EQ(Listing(1),
            " 40.0 Visa - Paying off $1,000.00 credit card debt with $600.00/month.\n"
            "        The payments will be withdrawn from the Savings account.\n"
            "        Paying off Visa at age 60.00.\n");
  const model::CreditCardTerms terms(scenario->events[1]);
  EXPECT_EQ(scenario->events[1].word_26, 64536);  // -1000
  EXPECT_EQ(terms.months_to_pay_off(), 1.0f);
  EXPECT_NEAR(terms.total_interest(), 14.79, 0.005);
  EXPECT_EQ(view.texts[115], "14.79");
}

TEST_F(CreditCardEditorTest, CalculatorShowsThePayoffAndAddsNoEvent) {
  dialogs.scripts.push_back([this](FakeDialogView& view, DialogPresenter& presenter) {
    view.texts = {{102, "not read"}, {104, "$1,000.00"}, {105, "18"}, {110, "14.79"}};
    presenter.Command(view, 111);
    ASSERT_EQ(prompter.messages.size(), 1u);
    EXPECT_EQ(prompter.messages[0].caption, "Payment Warning");
    EXPECT_EQ(view.texts[114], "");  // no "100 years"
    view.texts[110] = "600";
    presenter.Command(view, 111);
    EXPECT_EQ(view.texts[106], "0.08");
    EXPECT_EQ(view.texts[114], "1");
    EXPECT_EQ(view.texts[115], "14.79");
    presenter.Command(view, 107);
    EXPECT_EQ(view.result, kIdOk);
  });
  EXPECT_FALSE(EditCreditCard(services, EditRequest{-1, true}));
  EXPECT_EQ(prompter.messages.size(), 1u);
  EXPECT_EQ(scenario->initial.event_count, 0);
  EXPECT_FALSE(model::IsCreditCard(scenario->events[0]));
}

}  // namespace
}  // namespace tarvel::ui
