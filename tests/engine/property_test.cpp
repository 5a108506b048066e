// Property bought through loans and mortgages: its yearly value, the equity accounts of
// mortgages and of equity loans on them, and the sale of what a loan bought.
#include "engine/property.h"

#include "engine/debt_fixture.h"

namespace tarvel::engine {
namespace {

using model::AccountType;
using test_support::AddAccount;

class Property : public test_support::DebtYearTest {
 protected:
  Property() { home_ = AddAccount(*scenario_, AccountType::Equity, 0, 0, "Home"); }

  model::FinancialEvent& AddHouse(float appreciation) {
    model::FinancialEvent& mortgage = AddMortgage(100000, 100000, 60, 90);
    mortgage.equity_account = AccountAt(home_).id;
    mortgage.value_60 = appreciation;
    return mortgage;
  }

  model::FinancialEvent& AddEquityLoan(const model::FinancialEvent& mortgage, float amount) {
    model::FinancialEvent& loan = AddLoan(amount, 6, 10, 60, 90, savings_);
    loan.description.assign("Equity");
    loan.word_26 = model::kEquityLoanMarker;
    loan.equity_account = mortgage.equity_account;
    loan.mortgage_link = mortgage.number;
    return loan;
  }

  int home_ = 0;
};

TEST_F(Property, MortgagedPropertyAppreciatesIntoTheEquityAccount) {
  model::FinancialEvent& mortgage = AddHouse(10);

  DebtYears(60, 61);
  EXPECT_NEAR(mortgage.working_amount_28, 121000, 0.01);
  EXPECT_NEAR(mortgage.working_amount_46, 121000, 0.01);
  EXPECT_NEAR(AccountAt(home_).balance, 121000, 0.01);
  EXPECT_NEAR(run_.categories.equity, 121000, 0.01);
  EXPECT_NEAR(run_.year.equity_appreciation, 11000, 0.01);
}

TEST_F(Property, DepreciationAndAPartYearMoveValueAndTotalsAlike) {
  StartRun(60.5f);
  model::FinancialEvent& mortgage = AddHouse(-10);

  DebtYear(60);
  EXPECT_NEAR(mortgage.working_amount_28, 95000, 0.01);
  EXPECT_NEAR(run_.year.depreciation, -5000, 0.01);
  EXPECT_NEAR(run_.categories.equity, 95000, 0.01);
}

TEST_F(Property, EquityLoanOwedLowersTheEquityAccountButNotTheNetWorthTwice) {
  model::FinancialEvent& mortgage = AddHouse(0);
  model::FinancialEvent& loan = AddEquityLoan(mortgage, 30000);

  DebtYear(60);
  const double owed = 30000.0 - loan.accumulator_50;
  EXPECT_NEAR(AccountAt(home_).balance, 100000 - owed, 0.01);
  EXPECT_NEAR(run_.liabilities, owed, 0.01);
  EXPECT_FLOAT_EQ(run_.equity_adjustment, 0);
  EXPECT_NEAR(NetWorth(), kSavings - loan.accumulator_54, 0.1);
  // The account is set afresh each year: the amount owed is not taken twice.
  DebtYear(61);
  EXPECT_NEAR(AccountAt(home_).balance, 100000 - (30000.0 - loan.accumulator_50), 0.01);
}

TEST_F(Property, EquityLoanOnAnAccountNoMortgageHoldsLeavesItAlone) {
  const int other = AddAccount(*scenario_, AccountType::Equity, 5000, 0, "Other");
  model::FinancialEvent& mortgage = AddHouse(0);
  model::FinancialEvent& loan = AddEquityLoan(mortgage, 3000);
  loan.equity_account = AccountAt(other).id;

  DebtYears(60, 62);
  EXPECT_FLOAT_EQ(AccountAt(other).balance, 5000);
}

class LoanPurchase : public test_support::DebtYearTest {
 protected:
  model::FinancialEvent& AddCarLoan(AccountType type, float sell_age, float payoff) {
    car_ = AddAccount(*scenario_, type, 0, -10, "Car");
    model::FinancialEvent& loan = AddLoan(30000, 6, 5, 60, payoff, car_);
    loan.value_32 = 5000;
    loan.value_10 = sell_age;
    return loan;
  }
  int car_ = 0;
};

TEST_F(LoanPurchase, AssetSoldBeforePayoffRepaysTheLoanFromTheProceeds) {
  model::FinancialEvent& loan = AddCarLoan(AccountType::Asset, 63, 70);

  DebtYear(60);
  EXPECT_TRUE(HasLine("  Loan - Transfer $30,000.00 to Car from loan"));
  EXPECT_FLOAT_EQ(run_.categories.asset, 30000);
  DebtYears(61, 62);
  const double owed = 25000.0 - loan.accumulator_50;
  DebtYear(63);
  EXPECT_TRUE(HasLine("  Loan - Sold asset for $21,870.00"));
  EXPECT_TRUE(HasLine("      Deposited $21,870.00 to Savings"));
  EXPECT_TRUE(HasLine(model::Format("   Paid off loan with %s",
                                    model::Money(owed, run_.options.currency).c_str())));
  EXPECT_FLOAT_EQ(run_.year.sale_of_assets, 21870);
  EXPECT_NEAR(run_.liabilities, 0, 0.05);
  EXPECT_FLOAT_EQ(loan.accumulator_50, 25000);
  EXPECT_EQ(loan.status, 2);
  EXPECT_FLOAT_EQ(loan.working_amount_28, 0);
}

TEST_F(LoanPurchase, AssetSoldAfterPayoffOwesNothingMore) {
  model::FinancialEvent& loan = AddCarLoan(AccountType::Asset, 64, 62);

  DebtYears(60, 62);
  EXPECT_NEAR(run_.liabilities, 0, 0.05);
  EXPECT_FLOAT_EQ(loan.accumulator_50, 25000);
  DebtYears(63, 64);
  EXPECT_TRUE(HasLine("  Loan - Sold asset for $19,683.00"));
  EXPECT_EQ(AllLines().find("   Paid off loan with", AllLines().find("Sold asset")),
            std::string::npos);
  EXPECT_NEAR(run_.liabilities, 0, 0.05);
}

TEST_F(LoanPurchase, EquitySoldBeforePayoffLeavesNoDebtBehind) {
  model::FinancialEvent& loan = AddCarLoan(AccountType::Equity, 62, 70);

  DebtYears(60, 62);
  EXPECT_TRUE(HasLine("  Loan - Sold equity for $24,300.00"));
  EXPECT_FLOAT_EQ(run_.year.sale_of_property, 24300);
  EXPECT_NEAR(run_.liabilities, 0, 0.05);
  EXPECT_EQ(loan.flag_14, 1);
  DebtYears(63, 64);
  EXPECT_NEAR(run_.liabilities, 0, 0.05);
}

TEST_F(LoanPurchase, LoanIntoSavingsHasNothingToSell) {
  model::FinancialEvent& loan = AddLoan(10000, 6, 5, 60, 90, savings_);
  loan.value_10 = 62;

  DebtYears(60, 63);
  EXPECT_EQ(loan.status, 1);
  EXPECT_EQ(loan.flag_66, 48);
}

}  // namespace
}  // namespace tarvel::engine
