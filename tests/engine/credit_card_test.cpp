// Credit-card debts: monthly payments against 30-day interest and purchases, the months of
// a part year, and the payoff at the payoff age.
#include "engine/debt_fixture.h"

namespace tarvel::engine {
namespace {

using model::AccountType;
using test_support::AddAccount;

class CreditCard : public test_support::DebtYearTest {};

TEST_F(CreditCard, DebtBelowTwoPaymentsIsPaidWholeInItsFirstMonth) {
  model::FinancialEvent& card = AddCreditCard(1000, 600, 60, 70);
  AddCardDebtToLiabilities(card);

  DebtYear(60);
  EXPECT_TRUE(HasLine("  Visa - Withdraw $1,000.00 to pay off credit card."));
  EXPECT_FLOAT_EQ(card.working_amount_28, 0);
  EXPECT_FLOAT_EQ(run_.liabilities, 0);
  EXPECT_FLOAT_EQ(run_.year.withdrawals, 1000);
  EXPECT_NEAR(run_.year.interest_paid, 1000 * 18 * 30 / 365.0 * 0.01, 0.001);
  EXPECT_NEAR(Savings(), kSavings - 1000, 0.01);
  DebtYear(61);
  EXPECT_EQ(Lines().size(), 1u);
}

TEST_F(CreditCard, PartFirstYearMakesOnlyItsMonthsOfPayments) {
  StartRun(60.5f);
  model::FinancialEvent& card = AddCreditCard(10000, 500, 60, 70);
  AddCardDebtToLiabilities(card);

  DebtYear(60);
  EXPECT_FLOAT_EQ(run_.year.withdrawals, 6 * 500);
  EXPECT_TRUE(HasLine("  Visa - Withdraw $3,000.00 to pay off credit card."));
}

TEST_F(CreditCard, PartFirstYearShorterThanAMonthPaysNothingButStillWritesItsLine) {
  StartRun(60.95f);
  model::FinancialEvent& card = AddCreditCard(10000, 500, 60, 70);
  AddCardDebtToLiabilities(card);

  DebtYear(60);
  EXPECT_FLOAT_EQ(run_.year.withdrawals, 0);
  EXPECT_FLOAT_EQ(card.working_amount_28, 10000);
  EXPECT_TRUE(HasLine("  Visa - Withdraw $0.00 to pay off credit card."));
  EXPECT_FLOAT_EQ(Savings(), kSavings);
}

TEST_F(CreditCard, PurchasesAreDebtUntilThePayoffClearsIt) {
  model::FinancialEvent& card = AddCreditCard(2000, 300, 60, 61);
  card.value_134 = 200;
  AddCardDebtToLiabilities(card);

  DebtYear(60);
  EXPECT_GT(card.working_amount_28, 0);
  EXPECT_NEAR(run_.liabilities, card.working_amount_28, 0.01);
  const float debt = card.working_amount_28;
  DebtYear(61);
  EXPECT_TRUE(HasLine(model::Format("   Visa - Paid off credit card with %s",
                                    model::Money(debt, run_.options.currency).c_str())));
  EXPECT_EQ(card.flag_14, 1);
  EXPECT_FLOAT_EQ(card.working_amount_28, 0);
  EXPECT_NEAR(run_.liabilities, 0, 0.01);
}

TEST_F(CreditCard, ChosenAccountPaysAndNoSellingAgeApplies) {
  const int checking = AddAccount(*scenario_, AccountType::Investment, 5000, 0, "Checking");
  model::FinancialEvent& card = AddCreditCard(1000, 600, 60, 70);
  card.account_24 = AccountAt(checking).id;
  card.word_44 = model::kChosenAccountMarker;
  card.value_10 = 60;  // the months to pay off, not an age
  AddCardDebtToLiabilities(card);

  DebtYear(60);
  EXPECT_FLOAT_EQ(AccountAt(checking).balance, 4000);
  EXPECT_FLOAT_EQ(Savings(), kSavings);
  EXPECT_EQ(card.status, 1);
}

}  // namespace
}  // namespace tarvel::engine
