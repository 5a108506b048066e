// Deposits, withdrawals (budget withdrawals included) and transfers: the amounts they move,
// how recurring amounts grow, the taxes and penalties they raise and the lines they write.
#include <string>
#include <vector>

#include "engine/event_year_fixture.h"

namespace tarvel::engine {
namespace {

using model::AccountType;
using model::EventKind;
using test_support::AddAccount;
using test_support::AddEvent;

class Deposit : public test_support::EventYearTest {
 protected:
  model::FinancialEvent& AddDeposit(float amount, float start, float end) {
    if (scenario_->accounts.count == 0) {
      AddAccount(*scenario_, AccountType::Investment, 0, 0, "Savings");
    }
    model::FinancialEvent& deposit = AddEvent(*scenario_, EventKind::Deposit, start, end);
    deposit.description.assign("Pay");
    deposit.amount = amount;
    deposit.account_24 = AccountAt(0).id;
    return deposit;
  }
};

TEST_F(Deposit, RecurringAmountGrowsByItsApplyRateAfterEachYear) {
  model::FinancialEvent& deposit = AddDeposit(1000, 60, 70);
  deposit.value_10 = 3;

  Year(60);
  EXPECT_FLOAT_EQ(run_.year.deposits, 1000);
  Year(61);
  EXPECT_FLOAT_EQ(run_.year.deposits, 1030);
  EXPECT_FLOAT_EQ(AccountAt(0).balance, 2030);
  EXPECT_FLOAT_EQ(run_.categories.investment, 2030);
  EXPECT_TRUE(HasLine("  Pay - Deposit $1,030.00 to Savings"));
}

TEST_F(Deposit, InflationFlagAddsTheRunsInflationToTheGrowth) {
  model::FinancialEvent& deposit = AddDeposit(1000, 60, 70);
  deposit.value_10 = 2;
  deposit.word_26 = 1;

  Years(60, 61);
  EXPECT_FLOAT_EQ(run_.year.deposits, 1050);
}

TEST_F(Deposit, RecurringAmountIsScaledByTheFirstYearsFraction) {
  StartRun(60.25f);
  AddDeposit(1000, 60, 70);

  Year(60);
  EXPECT_FLOAT_EQ(AccountAt(0).balance, 750);
  Year(61);
  EXPECT_FLOAT_EQ(AccountAt(0).balance, 1750);
}

TEST_F(Deposit, OneTimeAmountIsNotScaledByTheYearFraction) {
  StartRun(60.25f);
  model::FinancialEvent& deposit = AddDeposit(1000, 60, 60);
  deposit.flag_14 = 1;

  Years(60, 62);
  EXPECT_FLOAT_EQ(AccountAt(0).balance, 1000);
}

TEST_F(Deposit, BeforeTaxesDepositIsReducedByTheTaxRate) {
  model::FinancialEvent& deposit = AddDeposit(1000, 60, 60);
  deposit.word_22 = 1;

  Year(60);
  EXPECT_FLOAT_EQ(AccountAt(0).balance, 850);
  EXPECT_FLOAT_EQ(run_.year.deposit_taxes, 150);
  EXPECT_FLOAT_EQ(run_.year.total_taxes, 150);
  EXPECT_FLOAT_EQ(run_.year.deposits, 850);
  EXPECT_TRUE(HasLine("  Pay - Deposit $850.00 to Savings. $150.00 tax deducted from deposit."));
}

TEST_F(Deposit, MissingAccountChangesNoBalanceButCountsTheDeposit) {
  AddAccount(*scenario_, AccountType::Investment, 0, 0, "Savings");
  model::FinancialEvent& deposit = AddDeposit(400, 60, 60);
  deposit.account_24 = 4321;

  Year(60);
  EXPECT_FLOAT_EQ(AccountAt(0).balance, 0);
  EXPECT_FLOAT_EQ(run_.categories.investment, 0);
  EXPECT_FLOAT_EQ(run_.year.deposits, 400);
  EXPECT_TRUE(HasLine("  Pay - Deposit $400.00 to "));
}

class Withdrawal : public test_support::EventYearTest {
 protected:
  model::FinancialEvent& AddWithdrawal(float amount, float start, float end) {
    model::FinancialEvent& withdrawal = AddEvent(*scenario_, EventKind::Withdrawal, start, end);
    withdrawal.description.assign("Spend");
    withdrawal.amount = amount;
    withdrawal.account_24 = model::kNoAccount;
    return withdrawal;
  }
  model::Budget& AddBudget() {
    model::Budget& budget = scenario_->budgets[0];
    budget.item_count = 2;
    budget.item_names[0].assign("Food");
    budget.yearly_amount[0] = 1200;
    budget.apply_rate[0] = 10;
    budget.track[0] = 1;
    budget.item_names[1].assign("Travel");
    budget.yearly_amount[1] = 800;
    budget.apply_inflation[1] = 1;
    model::FinancialEvent& withdrawal = AddWithdrawal(2000, 60, 70);
    withdrawal.marker = model::kBudgetWithdrawalMarker;
    withdrawal.budget_number = 1;
    return budget;
  }
};

TEST_F(Withdrawal, ChosenAccountPaysFirstAndSavingsPayTheRest) {
  AddAccount(*scenario_, AccountType::Investment, 5000, 0, "Savings");
  AddAccount(*scenario_, AccountType::Investment, 600, 0, "Checking");
  model::FinancialEvent& withdrawal = AddWithdrawal(1000, 60, 60);
  withdrawal.flag_14 = 1;
  withdrawal.account_24 = AccountAt(1).id;
  withdrawal.word_44 = model::kChosenAccountMarker;

  Year(60);
  EXPECT_FLOAT_EQ(AccountAt(1).balance, 0);
  EXPECT_FLOAT_EQ(AccountAt(0).balance, 4600);
  EXPECT_FLOAT_EQ(run_.year.withdrawals, 1000);
  const std::vector<std::string> expected = {
      "  Spend - Withdraw $1,000.00",
      "          Withdrawal account Checking depleted $400.00 withdrawn from other accounts!"};
  EXPECT_EQ(Lines(), expected);
}

TEST_F(Withdrawal, AccountWithoutTheChosenMarkerIsNotUsed) {
  AddAccount(*scenario_, AccountType::Investment, 5000, 0, "Savings");
  AddAccount(*scenario_, AccountType::Investment, 5000, 0, "Checking");
  model::FinancialEvent& withdrawal = AddWithdrawal(1000, 60, 60);
  withdrawal.flag_14 = 1;
  withdrawal.account_24 = AccountAt(1).id;

  Year(60);
  EXPECT_FLOAT_EQ(AccountAt(0).balance, 4000);
  EXPECT_FLOAT_EQ(AccountAt(1).balance, 5000);
}

TEST_F(Withdrawal, BudgetWithdrawsTheSumOfItsItemsAndTracksTheMarkedOnes) {
  AddAccount(*scenario_, AccountType::Investment, 100000, 0, "Savings");
  AddBudget();

  Year(60);
  EXPECT_FLOAT_EQ(AccountAt(0).balance, 98000);
  const std::vector<std::string> expected = {
      "  Spend - Withdraw $2,000.00",
      "           Tracking budget item(s):", "                Food - $1,200.00"};
  EXPECT_EQ(Lines(), expected);
}

TEST_F(Withdrawal, BudgetItemsGrowEachByTheirOwnRate) {
  AddAccount(*scenario_, AccountType::Investment, 100000, 0, "Savings");
  model::Budget& budget = AddBudget();

  Years(60, 61);
  EXPECT_FLOAT_EQ(budget.working_amount[0], 1452);  // 1200 x 1.1 x 1.1
  EXPECT_FLOAT_EQ(run_.year.withdrawals, 1320 + 824);
  EXPECT_TRUE(HasLine("                Food - $1,320.00"));
}

TEST_F(Withdrawal, BudgetTrackingLinesCarryTheFirstYearsFraction) {
  StartRun(60.5f);
  AddAccount(*scenario_, AccountType::Investment, 100000, 0, "Savings");
  AddBudget();

  Year(60);
  EXPECT_FLOAT_EQ(run_.year.withdrawals, 1000);
  EXPECT_TRUE(HasLine("                Food - $600.00"));
}

class Transfer : public test_support::EventYearTest {
 protected:
  model::FinancialEvent& AddTransfer(int from, int to, float amount) {
    model::FinancialEvent& transfer = AddEvent(*scenario_, EventKind::Transfer, 60, 60);
    transfer.description.assign("Move");
    transfer.amount = amount;
    transfer.flag_14 = 1;
    transfer.word_22 = from < 0 ? model::kNoAccount : AccountAt(from).id;
    transfer.account_24 = to < 0 ? model::kNoAccount : AccountAt(to).id;
    return transfer;
  }
};

TEST_F(Transfer, MovesTheAmountBetweenTheAccountsAndTheirCategories) {
  AddAccount(*scenario_, AccountType::Investment, 8000, 0, "Brokerage");
  AddAccount(*scenario_, AccountType::TaxFree, 0, 0, "Roth");
  run_.categories.investment = 8000;
  AddTransfer(0, 1, 5000);

  Year(60);
  EXPECT_FLOAT_EQ(AccountAt(0).balance, 3000);
  EXPECT_FLOAT_EQ(AccountAt(1).balance, 5000);
  EXPECT_FLOAT_EQ(run_.categories.investment, 3000);
  EXPECT_FLOAT_EQ(run_.categories.tax_free, 5000);
  EXPECT_TRUE(HasLine("  Move  Transfer $5,000.00 from Brokerage to Roth "));
  EXPECT_FALSE(run_.red_flags.transfers_not_completed.set);
}

TEST_F(Transfer, ShortfallMovesTheBalanceAndReportsTheRest) {
  AddAccount(*scenario_, AccountType::Investment, 3000, 0, "Brokerage");
  AddAccount(*scenario_, AccountType::Investment, 0, 0, "Bank");
  model::FinancialEvent& transfer = AddTransfer(0, 1, 5000);
  transfer.end_age = 70;
  transfer.flag_14 = 0;

  Years(60, 62);
  EXPECT_FLOAT_EQ(AccountAt(0).balance, 0);
  EXPECT_FLOAT_EQ(AccountAt(1).balance, 3000);
  EXPECT_TRUE(HasLine("  Move - Brokerage depleted $2,000.00 not transferred!"));
  EXPECT_TRUE(HasLine("  Move - Brokerage depleted $5,000.00 not transferred!"));
  EXPECT_TRUE(run_.red_flags.transfers_not_completed.set);
  EXPECT_EQ(run_.red_flags.transfers_not_completed.age, 60);
  EXPECT_EQ(run_.red_flags.transfers_not_completed_count, 3);
}

TEST_F(Transfer, OverdrawnSourceMovesNothing) {
  AddAccount(*scenario_, AccountType::Investment, -500, 0, "Brokerage");
  AddAccount(*scenario_, AccountType::Investment, 0, 0, "Bank");
  AddTransfer(0, 1, 1000);

  Year(60);
  EXPECT_FLOAT_EQ(AccountAt(0).balance, -500);
  EXPECT_FLOAT_EQ(AccountAt(1).balance, 0);
  EXPECT_TRUE(HasLine("  Move - Brokerage depleted $1,000.00 not transferred!"));
}

TEST_F(Transfer, AllFundsTransferMovesTheWholeBalanceOnce) {
  AddAccount(*scenario_, AccountType::Investment, 2500, 0, "Brokerage");
  AddAccount(*scenario_, AccountType::Investment, 0, 0, "Bank");
  model::FinancialEvent& transfer = AddTransfer(0, 1, 100);
  transfer.flag_14 = 0;
  transfer.flag_66 = 1;
  transfer.end_age = 70;

  Year(60);
  AccountAt(0).balance = 700;
  Year(61);
  EXPECT_FLOAT_EQ(AccountAt(1).balance, 2500);
  EXPECT_FLOAT_EQ(AccountAt(0).balance, 700);
  EXPECT_EQ(transfer.status, 2);
}

TEST_F(Transfer, MissingSourceDoesNothingAndMissingDestinationOnlyTakesOut) {
  AddAccount(*scenario_, AccountType::Investment, 2500, 0, "Brokerage");
  AddTransfer(-1, 0, 1000);
  AddTransfer(0, -1, 1000);

  Year(60);
  EXPECT_FLOAT_EQ(AccountAt(0).balance, 1500);
  EXPECT_FLOAT_EQ(run_.categories.investment, -1000);
  EXPECT_EQ(Lines().size(), 1u);
  EXPECT_TRUE(HasLine("  Move  Transfer $1,000.00 from Brokerage to  "));
}

TEST_F(Transfer, BetweenRetirementAndTaxFreeIsNeitherTaxedNorPenalised) {
  AddAccount(*scenario_, AccountType::Retirement, 10000, 0, "IRA");
  AddAccount(*scenario_, AccountType::TaxFree, 0, 0, "Roth");
  SetPenalty(0, 65, 10);
  AddTransfer(0, 1, 4000);

  Year(60);
  EXPECT_FLOAT_EQ(run_.year.withdrawal_taxes, 0);
  EXPECT_FLOAT_EQ(run_.year.penalties, 0);
}

TEST_F(Transfer, RetirementSourceIsTaxedAndPenalisedBelowItsPenaltyAge) {
  AddAccount(*scenario_, AccountType::Retirement, 10000, 0, "IRA");
  AddAccount(*scenario_, AccountType::Investment, 0, 0, "Brokerage");
  SetPenalty(0, 61, 10);
  AddTransfer(0, 1, 4000).end_age = 70;
  scenario_->events[0].flag_14 = 0;

  Year(60);
  EXPECT_FLOAT_EQ(run_.year.withdrawal_taxes, 600);
  EXPECT_FLOAT_EQ(run_.year.total_taxes, 600);
  EXPECT_FLOAT_EQ(run_.year.penalties, 400);
  Year(61);
  EXPECT_FLOAT_EQ(run_.year.withdrawal_taxes, 600);
  EXPECT_FLOAT_EQ(run_.year.penalties, 0);
}

TEST_F(Transfer, EarlyTaxFreeSourceIsPenalisedButNotTaxed) {
  AddAccount(*scenario_, AccountType::TaxFree, 10000, 0, "Roth");
  AddAccount(*scenario_, AccountType::Investment, 0, 0, "Brokerage");
  SetPenalty(0, 65, 10);
  AddTransfer(0, 1, 4000);

  Year(60);
  EXPECT_FLOAT_EQ(run_.year.withdrawal_taxes, 0);
  EXPECT_FLOAT_EQ(run_.year.penalties, 400);
}

TEST_F(Transfer, Rule72TTransferMovesItsComputedAmountTaxedButNotPenalised) {
  AddAccount(*scenario_, AccountType::Retirement, 100000, 0, "IRA");
  AddAccount(*scenario_, AccountType::Investment, 0, 0, "Brokerage");
  SetPenalty(0, 65, 10);
  model::FinancialEvent& transfer = AddTransfer(0, 1, 8000);
  transfer.marker = model::kRule72TMarker;
  transfer.flag_14 = 0;
  transfer.end_age = 61;

  Year(60);
  EXPECT_FLOAT_EQ(run_.year.withdrawal_taxes, 1200);
  EXPECT_FLOAT_EQ(run_.year.penalties, 0);
  Years(61, 63);
  EXPECT_FLOAT_EQ(AccountAt(1).balance, 16000);
  EXPECT_TRUE(HasLine("  Move  Rule 72T Transfer $8,000.00 from IRA to Brokerage "));
}

}  // namespace
}  // namespace tarvel::engine
