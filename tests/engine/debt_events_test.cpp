// Loans and equity loans through their years: the amount received, the payments split into
// principal and interest, a schedule that began before the scenario, and the payoff.
#include "engine/debt_events.h"

#include "engine/amortization.h"
#include "engine/debt_fixture.h"

namespace tarvel::engine {
namespace {

using model::AccountType;
using test_support::AddAccount;

constexpr double kSixPercentMonthly = 6 * 0.01 / 12;

class Loan : public test_support::DebtYearTest {};

TEST_F(Loan, DepositsItsAmountAndRepaysMonthlyFromSavings) {
  model::FinancialEvent& loan = AddLoan(100000, 6, 30, 60, 90, savings_);

  DebtYear(60);
  EXPECT_NEAR(loan.monthly_payment, 599.55, 0.005);
  EXPECT_TRUE(HasLine("  Loan - Deposit $100,000.00 to Savings from loan"));
  EXPECT_TRUE(
      HasLine("  Loan - Withdraw $7,194.61 for monthly payments - principal=$1,228.01 "
              "interest=$5,966.60"));
  EXPECT_FLOAT_EQ(run_.year.loans, 100000);
  EXPECT_NEAR(run_.liabilities, 100000 - 1228.01, 0.01);
  EXPECT_NEAR(Savings(), kSavings + 100000 - 7194.61, 0.1);
  EXPECT_NEAR(run_.year.interest_paid, 5966.60, 0.01);
  // Borrowing changes nothing; the year costs its interest.
  EXPECT_NEAR(NetWorth(), kSavings - 5966.60, 0.05);
  EXPECT_EQ(loan.flag_66, 12);
}

TEST_F(Loan, DownPaymentIsPaidAndNotBorrowed) {
  model::FinancialEvent& loan = AddLoan(30000, 6, 5, 60, 90, savings_);
  loan.value_32 = 5000;

  DebtYear(60);
  EXPECT_TRUE(HasLine("  Loan - Withdraw $5,000.00 for down payment"));
  EXPECT_NEAR(loan.monthly_payment, MonthlyPayment(25000, kSixPercentMonthly, 60), 0.001);
  EXPECT_FLOAT_EQ(run_.year.loans, 25000);
  EXPECT_NEAR(run_.liabilities + loan.accumulator_50, 25000, 0.01);
}

TEST_F(Loan, ScheduleBeforeTheStartAgeAdvancesWithoutTakingMoney) {
  model::FinancialEvent& loan = AddLoan(100000, 6, 30, 55, 90, savings_);

  DebtYears(55, 59);
  EXPECT_EQ(loan.flag_66, 60);
  const float five_years = AmortizeYear(100000, kSixPercentMonthly, 360, 0, 59, 0, 0).principal;
  EXPECT_NEAR(loan.accumulator_50, five_years, 0.05);
  EXPECT_NEAR(run_.liabilities, 100000 - five_years, 0.05);
  EXPECT_TRUE(Lines().empty());

  const float before = Savings();
  DebtYear(60);
  const AmortizedYear sixth = AmortizeYear(100000, kSixPercentMonthly, 360, 60, 71, 0, 0);
  EXPECT_NEAR(before - Savings(), sixth.principal + sixth.interest, 0.1);
  EXPECT_EQ(Lines().size(), 1u);
}

TEST_F(Loan, FirstPartYearPaysItsShareOfTheYearsPayments) {
  StartRun(60.5f);
  AddLoan(100000, 6, 30, 60, 90, savings_);

  DebtYear(60);
  EXPECT_TRUE(HasLine(
      "  Loan - Withdraw $3,597.30 for monthly payments - principal=$614.01 interest=$2,983.30"));
  EXPECT_NEAR(run_.year.interest_paid, 2983.30, 0.01);
}

TEST_F(Loan, PayoffAgeRepaysWhatIsStillOwed) {
  model::FinancialEvent& loan = AddLoan(100000, 6, 30, 60, 62, savings_);

  DebtYears(60, 62);
  const double owed = 100000.0 - loan.accumulator_50;
  EXPECT_EQ(loan.flag_14, 1);
  EXPECT_TRUE(HasLine(model::Format("   Loan - Paid off loan with %s",
                                    model::Money(owed, run_.options.currency).c_str())));
  EXPECT_NEAR(run_.liabilities, 0, 0.01);
  EXPECT_NEAR(run_.year.other_payments, owed, 0.01);
  const size_t lines = Lines().size();
  DebtYear(63);
  EXPECT_EQ(Lines().size(), lines);
}

TEST_F(Loan, EndOfTermEndsThePayments) {
  model::FinancialEvent& loan = AddLoan(12000, 6, 2, 60, 90, savings_);

  DebtYears(60, 63);
  EXPECT_EQ(loan.flag_14, 1);
  EXPECT_EQ(loan.flag_66, 24);
  EXPECT_NEAR(loan.accumulator_50, 12000, 0.05);
  EXPECT_NEAR(run_.liabilities, 0, 0.05);
}

TEST_F(Loan, LoanOfNoYearsIsRepaidWholeAtItsPayoffAge) {
  AddLoan(10000, 6, 0, 60, 65, savings_);

  DebtYears(60, 64);
  EXPECT_FLOAT_EQ(run_.liabilities, 10000);
  DebtYear(65);
  EXPECT_TRUE(HasLine("   Loan - Paid off loan with $10,000.00"));
  EXPECT_FLOAT_EQ(run_.liabilities, 0);
  EXPECT_NEAR(Savings(), kSavings, 0.01);
}

TEST_F(Loan, MissingDepositAccountStillCountsTheAmountAsSavings) {
  model::FinancialEvent& loan = AddLoan(1000, 6, 1, 60, 90, savings_);
  loan.account_24 = 4321;

  DebtYear(60);
  EXPECT_TRUE(HasLine("  Loan - Deposit $1,000.00 to Investment Savings from loan"));
  EXPECT_NEAR(run_.categories.investment, Savings() + 1000, 0.01);
}

class EquityLoan : public test_support::DebtYearTest {
 protected:
  model::FinancialEvent& AddEquityLoan(float amount, float start, float payoff) {
    model::FinancialEvent& loan = AddLoan(amount, 6, 10, start, payoff, savings_);
    loan.description.assign("Equity");
    loan.word_26 = model::kEquityLoanMarker;
    loan.value_10 = 120;
    return loan;
  }
};

TEST_F(EquityLoan, WithoutEquityAccountLowersEquityInsteadOfRaisingLiabilities) {
  model::FinancialEvent& loan = AddEquityLoan(20000, 60, 63);
  loan.value_138 = 400;

  DebtYear(60);
  EXPECT_TRUE(HasLine("  Equity - Withdraw $400.00 for loan costs"));
  EXPECT_FLOAT_EQ(run_.year.closing_costs, 400);
  EXPECT_FLOAT_EQ(run_.liabilities, 0);
  EXPECT_NEAR(run_.categories.equity, -20000 + loan.accumulator_50, 0.01);
  DebtYears(61, 63);
  EXPECT_NEAR(run_.categories.equity, 0, 0.05);
  EXPECT_FLOAT_EQ(run_.liabilities, 0);
}

TEST_F(EquityLoan, WithEquityAccountIsALiabilityUntilRepaid) {
  const int home = AddAccount(*scenario_, AccountType::Equity, 0, 0, "Home");
  model::FinancialEvent& loan = AddEquityLoan(20000, 60, 63);
  loan.equity_account = AccountAt(home).id;

  DebtYear(60);
  EXPECT_NEAR(run_.liabilities, 20000 - loan.accumulator_50, 0.01);
  EXPECT_FLOAT_EQ(run_.categories.equity, 0);
  DebtYears(61, 63);
  EXPECT_NEAR(run_.liabilities, 0, 0.05);
}

}  // namespace
}  // namespace tarvel::engine
