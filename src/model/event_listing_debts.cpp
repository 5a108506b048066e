// Listing lines of the debt kinds: loans and equity loans, credit-card debts and mortgages
// in both forms.
#include "model/event_listing_internal.h"
#include "model/event_views.h"
#include "model/scenario_ops.h"

namespace tarvel::model::listing {
namespace {

std::string Years(const FinancialEvent& event) {
  return Format("%d", DebtTerms(event).term_years());
}

bool IsAssetAccount(const Scenario& scenario, std::uint16_t account_id) {
  if (account_id == kNoAccount) return false;
  const int position = FindAccount(scenario, account_id);
  return position >= 0 && scenario.accounts.records[position].type == AccountType::Asset;
}

// "<age> <description> - <price> <down> down at <rate> for <years> yrs. <payment>/Month."
std::string PriceDownLine(ListingBuilder& builder, const FinancialEvent& event) {
  const DebtTerms debt(event);
  return Format("%s %s - %s %s down at %s for %s yrs. %s/Month.", StartAge(event).c_str(),
                event.description.str().c_str(), builder.Amount(event.amount).c_str(),
                builder.Amount(debt.down_payment()).c_str(),
                builder.Rate(debt.yearly_rate_percent()).c_str(), Years(event).c_str(),
                builder.Amount(debt.monthly_payment()).c_str());
}

void AddEquityAssigned(ListingBuilder& builder, const FinancialEvent& event) {
  builder.Detail(Format("        The equity is assigned to the %s account.",
                        builder.AccountName(MortgageTerms(event).equity_account()).c_str()));
}

// The lines both mortgage forms share, after their opening lines.
void AddMortgageDetails(ListingBuilder& builder, const FinancialEvent& event) {
  using Mortgage = MortgageTerms<const FinancialEvent>;
  const Mortgage mortgage(event);
  if (mortgage.accelerated_option() == Mortgage::kExtraFromScenarioStart) {
    builder.Detail(Format(
        "        An additional %s/Month will be applied to the principal starting at age %3d.",
        builder.Amount(mortgage.accelerated_amount()).c_str(),
        static_cast<int>(builder.scenario().initial.start_age)));
  } else if (mortgage.accelerated_option() == Mortgage::kExtraFromFirstPayment) {
    builder.Detail(Format("        An Additional %s/Month is applied to the principal.",
                          builder.Amount(mortgage.accelerated_amount()).c_str()));
  }
  builder.Detail("        Appreciation rate = " +
                 builder.Rate(mortgage.appreciation_rate_percent()));
  if (mortgage.property_taxes() > 0) {
    builder.Detail(Format("        Property Taxes = %-11.2f", mortgage.property_taxes()));
  }
  if (mortgage.closing_costs() > 0) {
    builder.Detail("        Closing Costs = " + builder.Amount(mortgage.closing_costs()));
  }
  if (PaidOffEarly(event)) {
    builder.Detail(Format("        Paying off property at age %5.2f.", event.end_age));
  }
  if (builder.ChosenAccount(mortgage.payment_account_chosen(), mortgage.payment_account())) {
    builder.Detail(
        Format("        The payments and expenses will be withdrawn from the %s account.",
               builder.AccountName(mortgage.payment_account()).c_str()));
  }
  if (mortgage.sell_age() > 0) {
    builder.Detail(Format("        Selling property at age %5.2f.", mortgage.sell_age()));
    builder.Detail("        Selling expenses will be " + builder.Rate(mortgage.selling_percent()) +
                   " of the selling price.");
  }
}

}  // namespace

void DescribeLoan(ListingBuilder& builder, const FinancialEvent& event) {
  const bool equity_loan = IsEquityLoan(event);
  const EquityLoanTerms loan(event);
  builder.Description(PriceDownLine(builder, event));
  if (equity_loan && builder.HasAccount(loan.equity_account())) AddEquityAssigned(builder, event);
  builder.Detail("        Loan amount deposited to " + builder.AccountName(loan.deposit_account()));
  if (equity_loan && loan.cost_of_loan() > 0) {
    builder.Detail(Format("        Loan Costs = %-11.2f", loan.cost_of_loan()));
  }
  if (builder.ChosenAccount(loan.payment_account_chosen(), loan.payment_account())) {
    builder.Detail(Format("        The payments will be withdrawn from the %s account.",
                          builder.AccountName(loan.payment_account()).c_str()));
  }
  if (PaidOffEarly(event)) {
    builder.Detail(Format("        Paying loan off at age %5.2f.", event.end_age));
  }
  if (loan.sell_age() > 0 && IsAssetAccount(builder.scenario(), loan.deposit_account())) {
    builder.Detail(Format("        Selling asset at age %5.2f.", loan.sell_age()));
  }
}

void DescribeCreditCard(ListingBuilder& builder, const FinancialEvent& event) {
  const CreditCardTerms card(event);
  const std::string description = event.description.str();
  builder.Description(Format("%s %s - Paying off %s credit card debt with %s/month.",
                             StartAge(event).c_str(), description.c_str(),
                             builder.Amount(event.amount).c_str(),
                             builder.Amount(card.monthly_payment()).c_str()));
  if (card.monthly_purchases() > 0) {
    builder.Detail(Format("        Additional purchases of %s/month added to debt.",
                          builder.Amount(card.monthly_purchases()).c_str()));
  }
  if (builder.ChosenAccount(static_cast<std::uint16_t>(card.payment_account_chosen()),
                            card.payment_account())) {
    builder.Detail(Format("        The payments will be withdrawn from the %s account.",
                          builder.AccountName(card.payment_account()).c_str()));
  }
  if (event.end_age > 0) {
    builder.Detail(
        Format("        Paying off %s at age %5.2f.", description.c_str(), event.end_age));
  }
}

void DescribeMortgage(ListingBuilder& builder, const FinancialEvent& event) {
  const MortgageTerms mortgage(event);
  const bool keep_down_payment = mortgage.keep_down_payment() == 1;
  const bool has_equity = builder.HasAccount(mortgage.equity_account());
  if (!keep_down_payment) {
    builder.Description(PriceDownLine(builder, event));
    if (has_equity) AddEquityAssigned(builder, event);
    AddMortgageDetails(builder, event);
    return;
  }
  builder.Description(Format("%s %s - %s at %s for %s yrs. %s/Month.", StartAge(event).c_str(),
                             event.description.str().c_str(), builder.Amount(event.amount).c_str(),
                             builder.Rate(mortgage.yearly_rate_percent()).c_str(),
                             Years(event).c_str(),
                             builder.Amount(mortgage.monthly_payment()).c_str()));
  const std::string down = builder.Amount(mortgage.down_payment());
  if (!has_equity) {
    builder.Detail(Format("        %s to equity -- no withdrawal.", down.c_str()));
  } else {
    AddEquityAssigned(builder, event);
    builder.Detail(Format("        %s to %s -- no withdrawal.", down.c_str(),
                          builder.AccountName(mortgage.equity_account()).c_str()));
  }
  AddMortgageDetails(builder, event);
}

}  // namespace tarvel::model::listing
