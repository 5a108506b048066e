// Listing lines of the debt kinds: loans and equity loans, credit-card debts and mortgages
// in both forms.
#include "model/event_listing_internal.h"
#include "model/scenario_ops.h"

namespace tarvel::model::listing {
namespace {

std::string Years(const FinancialEvent& event) { return Format("%d", event.word_44); }

bool IsAssetAccount(const Scenario& scenario, std::uint16_t account_id) {
  if (account_id == kNoAccount) return false;
  const int position = FindAccount(scenario, account_id);
  return position >= 0 && scenario.accounts.records[position].type == AccountType::Asset;
}

// "<age> <description> - <price> <down> down at <rate> for <years> yrs. <payment>/Month."
std::string PriceDownLine(ListingBuilder& builder, const FinancialEvent& event) {
  return Format("%s %s - %s %s down at %s for %s yrs. %s/Month.", StartAge(event).c_str(),
                event.description.str().c_str(), builder.Amount(event.amount).c_str(),
                builder.Amount(event.value_32).c_str(), builder.Rate(event.rate_40).c_str(),
                Years(event).c_str(), builder.Amount(event.monthly_payment).c_str());
}

void AddEquityAssigned(ListingBuilder& builder, const FinancialEvent& event) {
  builder.Detail(Format("        The equity is assigned to the %s account.",
                        builder.AccountName(event.equity_account).c_str()));
}

// The lines both mortgage forms share, after their opening lines.
void AddMortgageDetails(ListingBuilder& builder, const FinancialEvent& event) {
  if (event.marker == 2) {
    builder.Detail(Format(
        "        An additional %s/Month will be applied to the principal starting at age %3d.",
        builder.Amount(event.value_146).c_str(),
        static_cast<int>(builder.scenario().initial.start_age)));
  } else if (event.marker == 3) {
    builder.Detail(Format("        An Additional %s/Month is applied to the principal.",
                          builder.Amount(event.value_146).c_str()));
  }
  builder.Detail("        Appreciation rate = " + builder.Rate(event.value_60));
  if (event.value_134 > 0)
    builder.Detail(Format("        Property Taxes = %-11.2f", event.value_134));
  if (event.value_138 > 0) {
    builder.Detail("        Closing Costs = " + builder.Amount(event.value_138));
  }
  if (PaidOffEarly(event)) {
    builder.Detail(Format("        Paying off property at age %5.2f.", event.end_age));
  }
  if (builder.ChosenAccount(event.payment_marker, event.word_158)) {
    builder.Detail(
        Format("        The payments and expenses will be withdrawn from the %s account.",
               builder.AccountName(event.word_158).c_str()));
  }
  if (event.value_10 > 0) {
    builder.Detail(Format("        Selling property at age %5.2f.", event.value_10));
    builder.Detail("        Selling expenses will be " + builder.Rate(event.selling_percent) +
                   " of the selling price.");
  }
}

}  // namespace

void DescribeLoan(ListingBuilder& builder, const FinancialEvent& event) {
  const bool equity_loan = event.word_26 == kEquityLoanMarker;
  builder.Description(PriceDownLine(builder, event));
  if (equity_loan && builder.HasAccount(event.equity_account)) AddEquityAssigned(builder, event);
  builder.Detail("        Loan amount deposited to " + builder.AccountName(event.account_24));
  if (equity_loan && event.value_138 > 0) {
    builder.Detail(Format("        Loan Costs = %-11.2f", event.value_138));
  }
  if (builder.ChosenAccount(event.payment_marker, event.word_158)) {
    builder.Detail(Format("        The payments will be withdrawn from the %s account.",
                          builder.AccountName(event.word_158).c_str()));
  }
  if (PaidOffEarly(event)) {
    builder.Detail(Format("        Paying loan off at age %5.2f.", event.end_age));
  }
  if (event.value_10 > 0 && IsAssetAccount(builder.scenario(), event.account_24)) {
    builder.Detail(Format("        Selling asset at age %5.2f.", event.value_10));
  }
}

void DescribeCreditCard(ListingBuilder& builder, const FinancialEvent& event) {
  const std::string description = event.description.str();
  builder.Description(Format("%s %s - Paying off %s credit card debt with %s/month.",
                             StartAge(event).c_str(), description.c_str(),
                             builder.Amount(event.amount).c_str(),
                             builder.Amount(event.monthly_payment).c_str()));
  if (event.value_134 > 0) {
    builder.Detail(Format("        Additional purchases of %s/month added to debt.",
                          builder.Amount(event.value_134).c_str()));
  }
  if (builder.ChosenAccount(static_cast<std::uint16_t>(event.word_44), event.account_24)) {
    builder.Detail(Format("        The payments will be withdrawn from the %s account.",
                          builder.AccountName(event.account_24).c_str()));
  }
  if (event.end_age > 0) {
    builder.Detail(
        Format("        Paying off %s at age %5.2f.", description.c_str(), event.end_age));
  }
}

void DescribeMortgage(ListingBuilder& builder, const FinancialEvent& event) {
  const bool keep_down_payment = event.account_24 == 1;  // "Do not withdraw down payment"
  const bool has_equity = builder.HasAccount(event.equity_account);
  if (!keep_down_payment) {
    builder.Description(PriceDownLine(builder, event));
    if (has_equity) AddEquityAssigned(builder, event);
    AddMortgageDetails(builder, event);
    return;
  }
  builder.Description(Format("%s %s - %s at %s for %s yrs. %s/Month.", StartAge(event).c_str(),
                             event.description.str().c_str(), builder.Amount(event.amount).c_str(),
                             builder.Rate(event.rate_40).c_str(), Years(event).c_str(),
                             builder.Amount(event.monthly_payment).c_str()));
  const std::string down = builder.Amount(event.value_32);
  if (!has_equity) {
    builder.Detail(Format("        %s to equity -- no withdrawal.", down.c_str()));
  } else {
    AddEquityAssigned(builder, event);
    builder.Detail(Format("        %s to %s -- no withdrawal.", down.c_str(),
                          builder.AccountName(event.equity_account).c_str()));
  }
  AddMortgageDetails(builder, event);
}

}  // namespace tarvel::model::listing
