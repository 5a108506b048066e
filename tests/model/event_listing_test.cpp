// The event listing text: the first line and the description and detail lines of every
// event kind with their conditional lines.
#include "model/event_listing.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "support/scenario_builder.h"

namespace tarvel::model {
namespace {

using test_support::AddAccount;
using test_support::AddEvent;
using Lines = std::vector<std::string>;

class EventListing : public ::testing::Test {
 protected:
  void SetUp() override {
    scenario_->initial.start_age = 45.0f;
    savings_ = Id(AddAccount(*scenario_, AccountType::Investment, 1000, 5, "Savings"));
    house_ = Id(AddAccount(*scenario_, AccountType::Asset, 0, 0, "House"));
    ira_ = Id(AddAccount(*scenario_, AccountType::Retirement, 0, 7, "IRA"));
    equity_ = Id(AddAccount(*scenario_, AccountType::Equity, 0, 3, "Home Equity"));
  }

  std::uint16_t Id(int position) const { return scenario_->accounts.records[position].id; }

  FinancialEvent& Add(EventKind kind, float start_age, float end_age, const char* description) {
    FinancialEvent& event = AddEvent(*scenario_, kind, start_age, end_age);
    event.description.assign(description);
    return event;
  }

  // The texts of one event's lines, description first.
  Lines LinesOf(int slot, const Currency& currency = Currency::Dollars(),
                ListingFor target = ListingFor::File) const {
    Lines texts;
    for (const ListingLine& line : DescribeEvents(*scenario_, currency, target)) {
      if (line.event_slot == slot) texts.push_back(line.text);
    }
    return texts;
  }

  std::unique_ptr<Scenario> scenario_ = test_support::MakeClearedScenario();
  std::uint16_t savings_ = 0, house_ = 0, ira_ = 0, equity_ = 0;
};

TEST_F(EventListing, FirstLineShowsTheInitialRates) {
  scenario_->initial.tax_rate = 22.5f;
  const std::vector<ListingLine> lines = DescribeEvents(*scenario_, Currency::Dollars());
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_EQ(lines[0].text,
            " 45.0 Initial Rates  Tax=22.500% Dividend Tax=15.000% Inflation=4.000%");
  EXPECT_EQ(lines[0].event_slot, -1);
}

TEST_F(EventListing, LinesCarryTheirEventSlotAndMarkTheDescription) {
  Add(EventKind::Withdrawal, 60, 60, "Car").flag_14 = 1;
  FinancialEvent& deposit = Add(EventKind::Deposit, 50, 65, "Pension");
  deposit.account_24 = savings_;
  deposit.todays_dollars = 1;
  const std::vector<ListingLine> lines = DescribeEvents(*scenario_, Currency::Dollars());
  ASSERT_EQ(lines.size(), 4u);
  EXPECT_EQ(lines[1].event_slot, 0);
  EXPECT_TRUE(lines[1].is_description);
  EXPECT_EQ(lines[2].event_slot, 1);
  EXPECT_TRUE(lines[2].is_description);
  EXPECT_EQ(lines[3].event_slot, 1);
  EXPECT_FALSE(lines[3].is_description);
}

TEST_F(EventListing, DepositShowsTaxesAccountEndAndAdjustments) {
  FinancialEvent& deposit = Add(EventKind::Deposit, 50, 65, "Pension");
  deposit.amount = 1234.5f;
  deposit.account_24 = savings_;
  deposit.word_22 = 1;
  deposit.todays_dollars = 1;
  deposit.value_10 = 2;
  deposit.word_26 = 1;
  EXPECT_EQ(
      LinesOf(0),
      (Lines{" 50.0 Pension - Deposit $1,234.50/yr. before taxes to Savings until age 65.00.",
             "        This deposit amount will be calculated using age 45.0 Dollars.",
             "        This deposit will be adjusted each year by 2.000%",
             "        This deposit will be adjusted each year by the current inflation rate."}));
}

TEST_F(EventListing, OneTimeDepositHasNoEndAgeAndNoAdjustments) {
  FinancialEvent& deposit = Add(EventKind::Deposit, 50, 50, "Gift");
  deposit.amount = 500;
  deposit.account_24 = savings_;
  deposit.flag_14 = 1;
  deposit.value_10 = 2;
  deposit.word_26 = 1;
  EXPECT_EQ(LinesOf(0), Lines{" 50.0 Gift - Deposit $500.00 after taxes to Savings."});

  deposit.account_24 = 777;  // no account has this id: the name is empty
  EXPECT_EQ(LinesOf(0), Lines{" 50.0 Gift - Deposit $500.00 after taxes to ."});
}

TEST_F(EventListing, AmountsUseTheChosenCurrency) {
  FinancialEvent& deposit = Add(EventKind::Deposit, 50, 50, "Gift");
  deposit.amount = 1500;
  deposit.account_24 = savings_;
  deposit.flag_14 = 1;
  deposit.todays_dollars = 1;
  EXPECT_EQ(LinesOf(0, Currency::Pounds()),
            (Lines{" 50.0 Gift - Deposit \xA3"
                   "1,500.00 after taxes to Savings.",
                   "        This deposit amount will be calculated using age 45.0 Pounds."}));
}

TEST_F(EventListing, WithdrawalNamesAChosenAccountOnly) {
  FinancialEvent& living = Add(EventKind::Withdrawal, 60, 80, "Living");
  living.amount = 20000;
  living.account_24 = savings_;
  living.word_44 = kChosenAccountMarker;
  living.value_10 = -1.5f;
  EXPECT_EQ(LinesOf(0), (Lines{" 60.0 Living - Withdraw $20,000.00/yr. until age 80.00.",
                               "        This withdrawal will be adjusted each year by -1.500%",
                               "        The funds will be withdrawn from the Savings account."}));

  living.account_24 = 777;  // a deleted account counts as not chosen
  EXPECT_EQ(LinesOf(0).size(), 2u);

  living.flag_14 = 1;  // one time: no end age and no adjustment
  living.word_26 = 1;
  EXPECT_EQ(LinesOf(0), Lines{" 60.0 Living - Withdraw $20,000.00"});
}

TEST_F(EventListing, BudgetWithdrawalShowsDepositAndWithdrawLinesForAPositiveTotal) {
  scenario_->budgets[0].total = 12000;
  FinancialEvent& budget = Add(EventKind::Withdrawal, 55, 70, "Budget 1");
  budget.marker = kBudgetWithdrawalMarker;
  budget.budget_number = 1;
  budget.amount = 12000;
  budget.account_24 = savings_;
  budget.word_44 = kChosenAccountMarker;
  EXPECT_EQ(LinesOf(0), (Lines{" 55.0 Budget - Budget 1",
                               "        Deposit $12,000.00/yr. to Savings until age 70.00",
                               "        Withdraw $12,000.00/yr. from Savings until age 70.00"}));

  scenario_->budgets[0].total = 0;
  EXPECT_EQ(LinesOf(0),
            Lines{" 55.0 Budget - Budget 1 - Withdraw $12,000.00/yr. until age 70.00."});
}

TEST_F(EventListing, BudgetEventAlwaysNamesTheItemInflation) {
  FinancialEvent& food = Add(static_cast<EventKind>(kBudgetKindValue), 55, 70, "Food");
  food.amount = 6000;
  food.todays_dollars = 1;
  EXPECT_EQ(LinesOf(0),
            (Lines{" 55.0 budget - Food - $6,000.00 will be withdrawn until age 70.00.",
                   "        This withdrawal amount will be calculated using age 45.0 Dollars.",
                   "        This withdrawal will be adjusted each year by the individual budget "
                   "item's inflation rate."}));
}

TEST_F(EventListing, TransferFormsShowAmountsAccountsAndEnd) {
  FinancialEvent& yearly = Add(EventKind::Transfer, 50, 60, "Move");
  yearly.amount = 1000;
  yearly.word_22 = savings_;
  yearly.account_24 = ira_;
  yearly.word_26 = 1;
  FinancialEvent& once = Add(EventKind::Transfer, 50, 50, "Once");
  once.amount = 1000;
  once.word_22 = savings_;
  once.account_24 = ira_;
  once.flag_14 = 1;
  once.todays_dollars = 1;
  FinancialEvent& all = Add(EventKind::Transfer, 50, 50, "Roll");
  all.word_22 = ira_;
  all.account_24 = savings_;
  all.flag_66 = 1;
  FinancialEvent& sepp = Add(EventKind::Transfer, 50, 59, "SEPP");
  sepp.word_22 = ira_;
  sepp.account_24 = savings_;
  sepp.marker = kRule72TMarker;

  EXPECT_EQ(LinesOf(0),
            (Lines{" 50.0 Move - Transfer $1,000.00/yr. from Savings to IRA until age 60.00.",
                   "        This transfer will be adjusted each year by the current inflation "
                   "rate."}));
  EXPECT_EQ(LinesOf(1),
            (Lines{" 50.0 Once - Transfer $1,000.00 from Savings to IRA",
                   "        This transfer amount will be calculated using age 45.0 Dollars."}));
  EXPECT_EQ(LinesOf(2),
            Lines{" 50.0 Roll - All of the funds from IRA will be transferred to Savings."});
  EXPECT_EQ(LinesOf(3),
            Lines{" 50.0 Rule 72T - SEPP - Transfer distribution from IRA to Savings until age "
                  "59.00."});
}

TEST_F(EventListing, TheScenarioFolderShowsTheRule72TDistributionTheFilesLeaveOut) {
  FinancialEvent& sepp = Add(EventKind::Transfer, 50, 59, "SEPP");
  sepp.word_22 = ira_;
  sepp.account_24 = savings_;
  sepp.marker = kRule72TMarker;
  sepp.amount = 12345.5f;
  const std::string description =
      " 50.0 Rule 72T - SEPP - Transfer distribution from IRA to Savings until age 59.00.";
  EXPECT_EQ(LinesOf(0, Currency::Dollars(), ListingFor::Screen),
            (Lines{description, "        The distribution is $12,345.50 a year."}));
  EXPECT_EQ(LinesOf(0), Lines{description});
}

TEST_F(EventListing, FundamentalsShowOnlyRatesThatChange) {
  FinancialEvent& first = Add(EventKind::Fundamentals, 60, 60, "Retire");
  first.amount = 20;   // tax differs from the initial 15
  first.value_32 = 4;  // inflation as initially
  first.account_24 = savings_;
  first.rate_40 = 5;
  FinancialEvent& second = Add(EventKind::Fundamentals, 50, 50, "Earlier");
  second.amount = 20;  // as the previous event in table order, despite the earlier age
  second.value_32 = 3;
  second.account_24 = kNoAccount;

  EXPECT_EQ(LinesOf(0), Lines{" 60.0 Retire - Rate Change:  Tax=20.000%  Savings=5.000%"});
  EXPECT_EQ(LinesOf(1), Lines{" 50.0 Earlier - Rate Change:   Inf.=3.000%  "});
}

TEST_F(EventListing, RmdEntryShowsMethodAndTargetAccount) {
  scenario_->accounts.rmd_method = 2;
  scenario_->settings.rmd_transfer_account = static_cast<std::int16_t>(savings_);
  Add(EventKind::RmdLine, 70, 120, "IRA 1-RMD using Table 1.");
  EXPECT_EQ(LinesOf(0),
            (Lines{" 70.0 IRA 1-RMD using Table 1.",
                   "        The funds will be transferred from the selected accounts in equal "
                   "amounts.",
                   "        The funds will be transferred each year to the Savings account. "}));

  scenario_->accounts.rmd_method = 9;  // unknown methods take the accounts in order
  EXPECT_EQ(LinesOf(0)[1],
            "        The funds will be transferred from the selected accounts in account order.");
}

TEST_F(EventListing, AllocationOptionShowsOnlyWhileAMethodIsChosen) {
  scenario_->accounts.allocation_method = 1;
  scenario_->accounts.allocation_min_withdrawal = 10000;
  Add(EventKind::AllocationOption, 60, 120, "Asset allocation withdrawal option in effect.");
  EXPECT_EQ(LinesOf(0),
            (Lines{" 60.0 Asset allocation withdrawal option in effect.",
                   "        Withdrawals over $10,000.00 will be withdrawn each year from the "
                   "selected accounts in proportional amounts."}));

  scenario_->accounts.allocation_method = 0;
  EXPECT_TRUE(LinesOf(0).empty());
}

TEST_F(EventListing, LoanShowsDepositPaymentPayoffAndSale) {
  FinancialEvent& loan = Add(EventKind::Loan, 50, 53, "Car Loan");
  loan.amount = 20000;
  loan.value_32 = 2000;
  loan.rate_40 = 6.5f;
  loan.word_44 = 5;
  loan.monthly_payment = 386.66f;
  loan.account_24 = house_;
  loan.payment_marker = kChosenAccountMarker;
  loan.word_158 = savings_;
  loan.value_10 = 60;
  EXPECT_EQ(
      LinesOf(0),
      (Lines{" 50.0 Car Loan - $20,000.00 $2,000.00 down at 6.500% for 5 yrs. $386.66/Month.",
             "        Loan amount deposited to House",
             "        The payments will be withdrawn from the Savings account.",
             "        Paying loan off at age 53.00.", "        Selling asset at age 60.00."}));
}

TEST_F(EventListing, LoanPayoffAndSaleLinesNeedTheirConditions) {
  FinancialEvent& loan = Add(EventKind::Loan, 1050, 55, "Boat");  // inactive, ends naturally
  loan.word_44 = 5;
  loan.account_24 = savings_;  // not an Asset account: no sale line
  loan.value_10 = 60;
  loan.word_158 = savings_;  // no chosen-account marker
  EXPECT_EQ(LinesOf(0), (Lines{"1050.0 Boat - $0.00 $0.00 down at 0.000% for 5 yrs. $0.00/Month.",
                               "        Loan amount deposited to Savings"}));
}

TEST_F(EventListing, EquityLoanShowsEquityAccountAndCosts) {
  FinancialEvent& loan = Add(EventKind::Loan, 50, 60, "HELOC");
  loan.word_26 = kEquityLoanMarker;
  loan.equity_account = equity_;
  loan.value_138 = 1500;
  loan.word_44 = 10;
  loan.account_24 = savings_;
  loan.value_10 = 120;
  const Lines lines = LinesOf(0);
  ASSERT_EQ(lines.size(), 4u);
  EXPECT_EQ(lines[1], "        The equity is assigned to the Home Equity account.");
  EXPECT_EQ(lines[2], "        Loan amount deposited to Savings");
  EXPECT_EQ(lines[3], "        Loan Costs = 1500.00    ");
}

TEST_F(EventListing, CreditCardShowsPurchasesPaymentsAndPayoff) {
  FinancialEvent& card = Add(EventKind::Loan, 45, 48, "Visa");
  card.word_26 = kCreditCardMarker;
  card.amount = 5000;
  card.monthly_payment = 200;
  card.value_134 = 50;
  card.account_24 = savings_;
  card.word_44 = kChosenAccountMarker;
  EXPECT_EQ(LinesOf(0),
            (Lines{" 45.0 Visa - Paying off $5,000.00 credit card debt with $200.00/month.",
                   "        Additional purchases of $50.00/month added to debt.",
                   "        The payments will be withdrawn from the Savings account.",
                   "        Paying off Visa at age 48.00."}));

  card.value_134 = 0;
  card.word_44 = 0;
  card.end_age = 0;
  EXPECT_EQ(LinesOf(0).size(), 1u);
}

TEST_F(EventListing, MortgageShowsEveryDetailInOrder) {
  FinancialEvent& home = Add(EventKind::Mortgage, 50, 70, "Home");
  home.amount = 300000;
  home.value_32 = 60000;
  home.rate_40 = 4.25f;
  home.word_44 = 30;
  home.monthly_payment = 1180.66f;
  home.account_24 = 0;
  home.equity_account = equity_;
  home.marker = 2;
  home.value_146 = 200;
  home.value_60 = 3;
  home.value_134 = 3000;
  home.value_138 = 4500;
  home.payment_marker = kChosenAccountMarker;
  home.word_158 = savings_;
  home.value_10 = 75;
  home.selling_percent = 6;
  EXPECT_EQ(
      LinesOf(0),
      (Lines{" 50.0 Home - $300,000.00 $60,000.00 down at 4.250% for 30 yrs. $1,180.66/Month.",
             "        The equity is assigned to the Home Equity account.",
             "        An additional $200.00/Month will be applied to the principal starting at "
             "age  45.",
             "        Appreciation rate = 3.000%", "        Property Taxes = 3000.00    ",
             "        Closing Costs = $4,500.00", "        Paying off property at age 70.00.",
             "        The payments and expenses will be withdrawn from the Savings account.",
             "        Selling property at age 75.00.",
             "        Selling expenses will be 6.000% of the selling price."}));
}

TEST_F(EventListing, PlainMortgageShowsOnlyTheAppreciation) {
  FinancialEvent& home = Add(EventKind::Mortgage, 50, 80, "Home");
  home.word_44 = 30;
  home.account_24 = 0;
  home.equity_account = kNoAccount;
  home.marker = 3;
  home.value_146 = 100;
  EXPECT_EQ(LinesOf(0), (Lines{" 50.0 Home - $0.00 $0.00 down at 0.000% for 30 yrs. $0.00/Month.",
                               "        An Additional $100.00/Month is applied to the principal.",
                               "        Appreciation rate = 0.000%"}));
}

TEST_F(EventListing, MortgageKeepingTheDownPaymentNamesWhereItGoes) {
  FinancialEvent& home = Add(EventKind::Mortgage, 50, 80, "Home");
  home.amount = 300000;
  home.value_32 = 60000;
  home.rate_40 = 4.25f;
  home.word_44 = 30;
  home.account_24 = 1;  // "Do not withdraw down payment"
  home.equity_account = kNoAccount;
  EXPECT_EQ(LinesOf(0), (Lines{" 50.0 Home - $300,000.00 at 4.250% for 30 yrs. $0.00/Month.",
                               "        $60,000.00 to equity -- no withdrawal.",
                               "        Appreciation rate = 0.000%"}));

  home.equity_account = equity_;
  const Lines lines = LinesOf(0);
  ASSERT_EQ(lines.size(), 4u);
  EXPECT_EQ(lines[1], "        The equity is assigned to the Home Equity account.");
  EXPECT_EQ(lines[2], "        $60,000.00 to Home Equity -- no withdrawal.");
}

}  // namespace
}  // namespace tarvel::model
