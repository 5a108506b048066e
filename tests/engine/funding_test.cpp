// Funding outflows: the chosen account first, then savings in access order, with taxes and
// penalties by account type and reason, asset-allocation shares and depletion.
#include "engine/funding.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "engine/event_year_fixture.h"

namespace tarvel::engine {
namespace {

using model::AccountType;
using test_support::AddAccount;

class WithdrawFromAccountTest : public test_support::EventYearTest {
 protected:
  void SetUp() override {
    AddAccount(*scenario_, AccountType::Investment, 50000, 0, "Savings");
    run_.categories.investment = 50000;
  }
};

TEST_F(WithdrawFromAccountTest, EarlyRetirementWithdrawalIsTaxedAndPenalised) {
  const int ira = AddAccount(*scenario_, AccountType::Retirement, 20000, 0, "IRA");
  SetPenalty(ira, 59.5f, 10);
  StartRun(55);
  Year(55);

  EXPECT_FLOAT_EQ(Withdraw(10000, 3, FundingReason::Payment, ira), 0);
  EXPECT_FLOAT_EQ(AccountAt(ira).balance, 10000);
  EXPECT_FLOAT_EQ(run_.categories.retirement, -10000);
  EXPECT_FLOAT_EQ(run_.year.withdrawal_taxes, 1500);
  EXPECT_FLOAT_EQ(run_.year.total_taxes, 1500);
  EXPECT_FLOAT_EQ(run_.year.penalties, 1000);
  EXPECT_EQ(scenario_->settings.first_withdrawal_age[AccountAt(ira).slot], 55);
}

TEST_F(WithdrawFromAccountTest, PenaltyDependsOnAgeAndTaxOnAccountType) {
  const int ira = AddAccount(*scenario_, AccountType::Retirement, 20000, 0, "IRA");
  const int roth = AddAccount(*scenario_, AccountType::TaxFree, 20000, 0, "Roth");
  SetPenalty(ira, 59.5f, 10);
  SetPenalty(roth, 59.5f, 10);
  StartRun(55);
  Year(55);
  Withdraw(10000, 3, FundingReason::Payment, roth);
  EXPECT_FLOAT_EQ(run_.year.withdrawal_taxes, 0);
  EXPECT_FLOAT_EQ(run_.year.penalties, 1000);

  Year(60);
  Withdraw(10000, 3, FundingReason::Payment, ira);
  EXPECT_FLOAT_EQ(run_.year.withdrawal_taxes, 1500);
  EXPECT_FLOAT_EQ(run_.year.penalties, 0);
}

TEST_F(WithdrawFromAccountTest, TaxPaymentsArePenalisedOnlyAndPenaltyPaymentsNeither) {
  const int ira = AddAccount(*scenario_, AccountType::Retirement, 20000, 0, "IRA");
  SetPenalty(ira, 59.5f, 10);
  StartRun(55);
  Year(55);

  Withdraw(1000, -1, FundingReason::Taxes, ira);
  EXPECT_FLOAT_EQ(run_.year.withdrawal_taxes, 0);
  EXPECT_FLOAT_EQ(run_.year.penalties, 100);
  Withdraw(1000, -1, FundingReason::Penalties, ira);
  EXPECT_FLOAT_EQ(run_.year.withdrawal_taxes, 0);
  EXPECT_FLOAT_EQ(run_.year.penalties, 100);
}

TEST_F(WithdrawFromAccountTest, AccountThatCannotPayReturnsTheRestAndRaisesTheFlagOnce) {
  const int bank = AddAccount(*scenario_, AccountType::Investment, 300, 0, "Bank");
  Year(60);
  EXPECT_FLOAT_EQ(Withdraw(1000, 3, FundingReason::Payment, bank), 700);
  EXPECT_FALSE(run_.red_flags.withdrawal_account_depleted.set);  // the start year

  Year(61);
  EXPECT_FLOAT_EQ(Withdraw(1000, 3, FundingReason::Payment, bank), 1000);
  Year(62);
  Withdraw(1000, 3, FundingReason::Payment, bank);
  EXPECT_EQ(run_.red_flags.withdrawal_account_depleted.age, 61);
  EXPECT_TRUE(
      HasLine("          Withdrawal account Bank depleted $1,000.00 withdrawn from other "
              "accounts!"));
}

TEST_F(WithdrawFromAccountTest, OverdrawnOrNonSavingsAccountKeepsItsBalance) {
  const int bank = AddAccount(*scenario_, AccountType::Investment, -250, 0, "Bank");
  const int house = AddAccount(*scenario_, AccountType::Asset, 90000, 0, "House");
  Year(60);
  EXPECT_FLOAT_EQ(Withdraw(100, 3, FundingReason::Payment, bank), 100);
  EXPECT_FLOAT_EQ(Withdraw(100, 3, FundingReason::Payment, house), 100);
  EXPECT_FLOAT_EQ(AccountAt(bank).balance, -250);
  EXPECT_FLOAT_EQ(AccountAt(house).balance, 90000);
}

class FundFromSavingsTest : public test_support::EventYearTest {
 protected:
  void SetUp() override { run_.options.detailed = true; }
};

TEST_F(FundFromSavingsTest, TakesAccountsInAccessOrder) {
  AddAccount(*scenario_, AccountType::Asset, 9000, 0, "Car");
  AddAccount(*scenario_, AccountType::TaxFree, 1000, 0, "Roth");
  AddAccount(*scenario_, AccountType::Investment, 5000, 0, "Brokerage");
  Year(60);

  Fund(2500, FundingReason::Payment, 4);
  EXPECT_FLOAT_EQ(AccountAt(0).balance, 9000);
  EXPECT_FLOAT_EQ(AccountAt(1).balance, 0);
  EXPECT_FLOAT_EQ(AccountAt(2).balance, 3500);
  EXPECT_FLOAT_EQ(run_.taken_from_tax_free, 1000);
  EXPECT_FLOAT_EQ(run_.taken_from_investment, 1500);
  const std::vector<std::string> expected = {"          $1,000.00 from Roth",
                                             "          $1,500.00 from Brokerage"};
  EXPECT_EQ(Lines(), expected);
  EXPECT_EQ(run_.results().line_event[1], 4);
}

TEST_F(FundFromSavingsTest, OutflowEqualToABalanceEmptiesThatAccount) {
  AddAccount(*scenario_, AccountType::Investment, 1000, 0, "First");
  AddAccount(*scenario_, AccountType::Investment, 1000, 0, "Second");
  Year(60);

  Fund(1000, FundingReason::Payment, 4);
  EXPECT_FLOAT_EQ(AccountAt(0).balance, 0);
  EXPECT_FLOAT_EQ(AccountAt(1).balance, 1000);
  EXPECT_FALSE(run_.red_flags.liquid_depleted.set);
}

TEST_F(FundFromSavingsTest, DepletionDrivesTheFirstInvestmentAccountNegativeOnce) {
  AddAccount(*scenario_, AccountType::Retirement, 0, 0, "IRA");
  AddAccount(*scenario_, AccountType::Investment, 0, 0, "Brokerage");
  AddAccount(*scenario_, AccountType::Investment, 0, 0, "Bank");
  Year(61);
  Fund(2000, FundingReason::Payment, 4);
  Year(62);
  Fund(500, FundingReason::Payment, 4);

  EXPECT_FLOAT_EQ(AccountAt(1).balance, -2500);
  EXPECT_FLOAT_EQ(AccountAt(2).balance, 0);
  EXPECT_FLOAT_EQ(run_.categories.investment, -2500);
  EXPECT_TRUE(run_.red_flags.liquid_depleted.set);
  EXPECT_EQ(run_.red_flags.liquid_depleted.age, 61);
  EXPECT_TRUE(HasLine("          Savings depleted -- $2,000.00 withdrawn from Brokerage."));
}

TEST_F(FundFromSavingsTest, WithoutAnInvestmentAccountOnlyTheCategoryFalls) {
  AddAccount(*scenario_, AccountType::TaxFree, 100, 0, "Roth");
  Year(60);
  Fund(600, FundingReason::Payment, 4);

  EXPECT_FLOAT_EQ(AccountAt(0).balance, 0);
  EXPECT_FLOAT_EQ(run_.categories.investment, -500);
  EXPECT_TRUE(run_.red_flags.liquid_depleted.set);
  EXPECT_TRUE(
      HasLine("          All investment accounts depleted. $500.00 withdrawn from "
              "investment savings category."));
}

TEST_F(FundFromSavingsTest, NothingIsTakenBeforeTheShownStartAge) {
  AddAccount(*scenario_, AccountType::Investment, 1000, 0, "Brokerage");
  Year(58);
  Fund(600, FundingReason::Payment, 4);
  EXPECT_FLOAT_EQ(Withdraw(600, 4, FundingReason::Payment, 0), 0);
  EXPECT_FLOAT_EQ(AccountAt(0).balance, 1000);
}

TEST_F(FundFromSavingsTest, WritesAnOutgoingRecordForEveryAmountTaken) {
  const auto path = std::filesystem::temp_directory_path() / "tarvel_funding_outfile.tmp";
  ASSERT_TRUE(run_.files.outgoing.Open(path));
  AddAccount(*scenario_, AccountType::Investment, 1000, 0, "Brokerage");
  Year(60);
  Fund(1500, FundingReason::Payment, 4);
  run_.files.outgoing.Close();

  std::ifstream file(path);
  std::stringstream text;
  text << file.rdbuf();
  EXPECT_EQ(text.str(), " 60.0\tBrokerage\t      1000.00\n 60.0\tBrokerage\t       500.00\n");
  std::filesystem::remove(path);
}

class AllocationWithdrawalTest : public test_support::EventYearTest {
 protected:
  int AddSelected(AccountType type, float balance, const char* name) {
    const int position = AddAccount(*scenario_, type, balance, 0, name);
    scenario_->settings.allocation_flag[AccountAt(position).slot] = 1;
    return position;
  }
  void UseAllocation(int method) {
    scenario_->accounts.allocation_method = static_cast<std::uint16_t>(method);
    scenario_->accounts.allocation_start_age = 60;
    scenario_->accounts.allocation_min_withdrawal = 1000;
  }
};

TEST_F(AllocationWithdrawalTest, ProportionalSharesFollowTheSelectedBalances) {
  AddSelected(AccountType::Investment, 30000, "Stocks");
  AddSelected(AccountType::Retirement, 10000, "IRA");
  AddAccount(*scenario_, AccountType::Investment, 50000, 0, "Bank");
  UseAllocation(1);
  Year(61);

  Fund(4000, FundingReason::Payment, 4);
  EXPECT_FLOAT_EQ(AccountAt(0).balance, 27000);
  EXPECT_FLOAT_EQ(AccountAt(1).balance, 9000);
  EXPECT_FLOAT_EQ(AccountAt(2).balance, 50000);
  EXPECT_FLOAT_EQ(run_.year.withdrawal_taxes, 150);
}

TEST_F(AllocationWithdrawalTest, EqualSharesCarryWhatAnEmptiedAccountCannotGive) {
  AddSelected(AccountType::Investment, 500, "Small");
  AddSelected(AccountType::Investment, 50000, "Large");
  AddSelected(AccountType::Investment, 50000, "Third");
  UseAllocation(2);
  run_.options.detailed = true;
  Year(61);

  Fund(3000, FundingReason::Payment, 4);
  EXPECT_FLOAT_EQ(AccountAt(0).balance, 0);
  EXPECT_FLOAT_EQ(AccountAt(1).balance, 48500);  // its share and the carried 500
  EXPECT_FLOAT_EQ(AccountAt(2).balance, 49000);  // its share only: the carry was used up
  EXPECT_TRUE(HasLine("      $500.00 from Small"));
}

TEST_F(AllocationWithdrawalTest, OutflowBelowTheMinimumOrTheStartAgeIsTakenInAccountOrder) {
  AddSelected(AccountType::Investment, 30000, "Stocks");
  AddSelected(AccountType::Investment, 10000, "Bonds");
  UseAllocation(1);
  Year(61);
  Fund(500, FundingReason::Payment, 4);
  scenario_->accounts.allocation_start_age = 65;
  Fund(4000, FundingReason::Payment, 4);

  EXPECT_FLOAT_EQ(AccountAt(0).balance, 25500);
  EXPECT_FLOAT_EQ(AccountAt(1).balance, 10000);
}

}  // namespace
}  // namespace tarvel::engine
