// The event listing: the "Initial Rates" first line and the description and detail lines of
// the cash-flow kinds, budgets and option events; debts are described in
// event_listing_debts.cpp.
#include "model/event_listing.h"

#include <algorithm>
#include <utility>

#include "model/event_listing_internal.h"
#include "model/event_views.h"
#include "model/record_counts.h"
#include "model/scenario_ops.h"

namespace tarvel::model {
namespace listing {

void ListingBuilder::Description(std::string text) {
  lines_.push_back(ListingLine{std::move(text), slot_, true});
}

void ListingBuilder::Detail(std::string text) {
  lines_.push_back(ListingLine{std::move(text), slot_, false});
}

std::string ListingBuilder::Amount(double amount) const {
  return FormatMoney(Format("%-11.2f", amount), currency_);
}

std::string ListingBuilder::Rate(double rate) const {
  return CompactNumber(Format("%-7.3f", rate), currency_) + "%";
}

std::string ListingBuilder::UntilAge(double age) const {
  return " until age " + CompactNumber(Format("%5.2f", age), currency_);
}

bool ListingBuilder::HasAccount(std::uint16_t account_id) const {
  return account_id != kNoAccount && FindAccount(scenario_, account_id) >= 0;
}

std::string ListingBuilder::AccountName(std::uint16_t account_id) const {
  if (!HasAccount(account_id)) return {};
  return scenario_.accounts.records[FindAccount(scenario_, account_id)].name.str();
}

bool ListingBuilder::ChosenAccount(std::uint16_t marker, std::uint16_t account_id) const {
  return marker == kChosenAccountMarker && HasAccount(account_id);
}

std::string ListingBuilder::TodaysDollarsLine(const char* noun) const {
  return Format("        This %s amount will be calculated using age %3.1f %s.", noun,
                scenario_.initial.start_age, currency_.word.c_str());
}

std::string StartAge(const FinancialEvent& event) { return Format("%5.1f", event.start_age); }

bool PaidOffEarly(const FinancialEvent& event) {
  const double natural_end =
      static_cast<double>(RealStartAge(event)) + DebtTerms(event).term_years();
  return event.end_age > 0 && event.end_age < natural_end;
}

namespace {

std::string Description(const FinancialEvent& event) { return event.description.str(); }

// The yearly total of the budget a withdrawal follows; 0 when it follows none.
float BudgetTotal(const Scenario& scenario, const FinancialEvent& event) {
  const int number = BudgetWithdrawalTerms(event).budget_number();
  if (number < 1 || number > kBudgetCount) return 0;
  return scenario.budgets[number - 1].total;
}

void AddFirstLine(ListingBuilder& builder) {
  const InitialValues& initial = builder.scenario().initial;
  const Currency& currency = builder.currency();
  auto rate = [&](float value) { return CompactNumber(Format("%6.3f", value), currency) + "%"; };
  builder.Description(Format("%5.1f Initial Rates %s%s%s", initial.start_age,
                             (" Tax=" + rate(initial.tax_rate)).c_str(),
                             (" Dividend Tax=" + rate(initial.dividend_tax_rate)).c_str(),
                             (" Inflation=" + rate(initial.inflation_rate)).c_str()));
}

// Recurring amounts grow by their apply rate and, when asked, by the inflation rate.
void AddAdjustmentLines(ListingBuilder& builder, const FinancialEvent& event, const char* noun) {
  const CashFlowTerms terms(event);
  if (terms.apply_rate_percent() != 0) {
    builder.Detail(Format("        This %s will be adjusted each year by ", noun) +
                   builder.Rate(terms.apply_rate_percent()));
  }
  if (terms.apply_inflation() != 0) {
    builder.Detail(
        Format("        This %s will be adjusted each year by the current inflation rate.", noun));
  }
}

void DescribeBudget(ListingBuilder& builder, const FinancialEvent& event) {
  builder.Description(
      Format("%s budget - %s - %s will be withdrawn until age %s.", StartAge(event).c_str(),
             Description(event).c_str(), builder.Amount(event.amount).c_str(),
             CompactNumber(Format("%5.2f", event.end_age), builder.currency()).c_str()));
  if (event.todays_dollars != 0) builder.Detail(builder.TodaysDollarsLine("withdrawal"));
  builder.Detail(
      "        This withdrawal will be adjusted each year by the individual budget item's "
      "inflation rate.");
}

void DescribeRmdEntry(ListingBuilder& builder, const FinancialEvent& event) {
  const Scenario& scenario = builder.scenario();
  builder.Description(StartAge(event) + " " + Description(event));
  const char* method = "in account order.";
  if (scenario.accounts.rmd_method == 1) method = "in proportional amounts.";
  if (scenario.accounts.rmd_method == 2) method = "in equal amounts.";
  builder.Detail(std::string("        The funds will be transferred from the selected accounts ") +
                 method);
  const auto target = static_cast<std::uint16_t>(scenario.settings.rmd_transfer_account);
  builder.Detail(Format("        The funds will be transferred each year to the %s account. ",
                        builder.AccountName(target).c_str()));
}

// The nearest Fundamentals event before this slot, or null.
const FinancialEvent* PreviousFundamentals(const Scenario& scenario, int slot) {
  for (int i = slot - 1; i >= 0; --i) {
    if (scenario.events[i].kind == EventKind::Fundamentals) return &scenario.events[i];
  }
  return nullptr;
}

void DescribeFundamentals(ListingBuilder& builder, const FinancialEvent& event, int slot) {
  const Scenario& scenario = builder.scenario();
  const FinancialEvent* previous = PreviousFundamentals(scenario, slot);
  const FundamentalsTerms rates(event);
  const float tax_before =
      previous ? FundamentalsTerms(*previous).tax_rate_percent() : scenario.initial.tax_rate;
  const float inflation_before = previous ? FundamentalsTerms(*previous).inflation_rate_percent()
                                          : scenario.initial.inflation_rate;
  std::string tax;
  if (rates.tax_rate_percent() != tax_before)
    tax = " Tax=" + builder.Rate(rates.tax_rate_percent());
  std::string inflation;
  if (rates.inflation_rate_percent() != inflation_before) {
    inflation = " Inf.=" + builder.Rate(rates.inflation_rate_percent()) + " ";
  }
  std::string account;
  if (builder.HasAccount(rates.account())) {
    account =
        builder.AccountName(rates.account()) + "=" + builder.Rate(rates.account_rate_percent());
  }
  builder.Description(Format("%s %s - Rate Change: %s %s %s", StartAge(event).c_str(),
                             Description(event).c_str(), tax.c_str(), inflation.c_str(),
                             account.c_str()));
}

void DescribeDeposit(ListingBuilder& builder, const FinancialEvent& event) {
  const CashFlowTerms deposit(event);
  const bool one_time = deposit.one_time_only() != 0;
  std::string target = one_time ? " " : "/yr. ";
  target += deposit.before_taxes() != 0 ? "before taxes to " : "after taxes to ";
  target += builder.AccountName(deposit.account());
  const std::string ending = one_time ? "." : builder.UntilAge(event.end_age) + ".";
  builder.Description(Format("%s %s - Deposit %s%s%s", StartAge(event).c_str(),
                             Description(event).c_str(), builder.Amount(event.amount).c_str(),
                             target.c_str(), ending.c_str()));
  if (event.todays_dollars != 0) builder.Detail(builder.TodaysDollarsLine("deposit"));
  if (!one_time) AddAdjustmentLines(builder, event, "deposit");
}

void DescribeTransfer(ListingBuilder& builder, const FinancialEvent& event) {
  // A Rule 72T transfer keeps its accounts where a plain one does.
  const CashFlowTerms transfer(event);
  const std::string from = builder.AccountName(transfer.from_account());
  const std::string to = builder.AccountName(transfer.to_account());
  if (IsRule72T(event)) {
    builder.Description(Format("%s Rule 72T - %s - Transfer distribution from %s to %s%s",
                               StartAge(event).c_str(), Description(event).c_str(), from.c_str(),
                               to.c_str(), (builder.UntilAge(event.end_age) + ".").c_str()));
    if (builder.for_screen()) {
      builder.Detail("        The distribution is " +
                     builder.Amount(Rule72TTerms(event).distribution()) + " a year.");
    }
    return;
  }
  if (transfer.all_funds_at_start() != 0) {
    builder.Description(Format("%s %s - All of the funds from %s will be transferred to %s.",
                               StartAge(event).c_str(), Description(event).c_str(), from.c_str(),
                               to.c_str()));
    return;
  }
  const bool one_time = transfer.one_time_only() != 0;
  const std::string amount = builder.Amount(event.amount) + (one_time ? "" : "/yr.");
  const std::string ending = one_time ? "" : builder.UntilAge(event.end_age) + ".";
  builder.Description(Format("%s %s - Transfer %s from %s to %s%s", StartAge(event).c_str(),
                             Description(event).c_str(), amount.c_str(), from.c_str(), to.c_str(),
                             ending.c_str()));
  if (event.todays_dollars != 0) builder.Detail(builder.TodaysDollarsLine("transfer"));
  if (!one_time) AddAdjustmentLines(builder, event, "transfer");
}

void DescribeBudgetWithdrawal(ListingBuilder& builder, const FinancialEvent& event) {
  const BudgetWithdrawalTerms withdrawal(event);
  const float total = BudgetTotal(builder.scenario(), event);
  const bool one_time = withdrawal.one_time_only() != 0;
  const char* per_year = one_time ? "" : "/yr.";
  if (total <= 0) {
    const std::string ending = one_time ? "" : builder.UntilAge(event.end_age) + ".";
    builder.Description(Format("%s Budget - %s - Withdraw %s%s%s", StartAge(event).c_str(),
                               Description(event).c_str(), builder.Amount(event.amount).c_str(),
                               per_year, ending.c_str()));
    return;
  }
  builder.Description(
      Format("%s Budget - %s", StartAge(event).c_str(), Description(event).c_str()));
  const std::string amount = builder.Amount(total);
  const std::string account = builder.AccountName(withdrawal.account());
  const std::string until = builder.UntilAge(event.end_age);
  builder.Detail(Format("        Deposit %s%s to %s%s", amount.c_str(), per_year, account.c_str(),
                        until.c_str()));
  builder.Detail(Format("        Withdraw %s%s from %s%s", amount.c_str(), per_year,
                        account.c_str(), until.c_str()));
}

void DescribeWithdrawal(ListingBuilder& builder, const FinancialEvent& event) {
  if (IsBudgetWithdrawal(event)) {
    DescribeBudgetWithdrawal(builder, event);
    return;
  }
  const CashFlowTerms withdrawal(event);
  const bool one_time = withdrawal.one_time_only() != 0;
  const std::string ending = one_time ? "" : builder.UntilAge(event.end_age) + ".";
  builder.Description(Format("%s %s - Withdraw %s%s%s", StartAge(event).c_str(),
                             Description(event).c_str(), builder.Amount(event.amount).c_str(),
                             one_time ? "" : "/yr.", ending.c_str()));
  if (event.todays_dollars != 0) builder.Detail(builder.TodaysDollarsLine("withdrawal"));
  if (!one_time) AddAdjustmentLines(builder, event, "withdrawal");
  if (builder.ChosenAccount(static_cast<std::uint16_t>(withdrawal.account_chosen()),
                            withdrawal.account()) &&
      BudgetTotal(builder.scenario(), event) == 0) {
    builder.Detail(Format("        The funds will be withdrawn from the %s account.",
                          builder.AccountName(withdrawal.account()).c_str()));
  }
}

void DescribeAllocationOption(ListingBuilder& builder, const FinancialEvent& event) {
  const AccountTable& accounts = builder.scenario().accounts;
  if (accounts.allocation_method != 1 && accounts.allocation_method != 2) return;
  builder.Description(StartAge(event) + " " + Description(event));
  builder.Detail(
      Format("        Withdrawals over %s will be withdrawn each year from the "
             "selected accounts ",
             builder.Amount(accounts.allocation_min_withdrawal).c_str()) +
      (accounts.allocation_method == 1 ? "in proportional amounts." : "in equal amounts."));
}

void DescribeEvent(ListingBuilder& builder, const FinancialEvent& event, int slot) {
  if (static_cast<std::uint16_t>(event.kind) == kBudgetKindValue) {
    DescribeBudget(builder, event);
    return;
  }
  switch (event.kind) {
    case EventKind::RmdLine:
      DescribeRmdEntry(builder, event);
      break;
    case EventKind::Fundamentals:
      DescribeFundamentals(builder, event, slot);
      break;
    case EventKind::Deposit:
      DescribeDeposit(builder, event);
      break;
    case EventKind::Loan:
      if (IsCreditCard(event)) {
        DescribeCreditCard(builder, event);
      } else {
        DescribeLoan(builder, event);
      }
      break;
    case EventKind::Mortgage:
      DescribeMortgage(builder, event);
      break;
    case EventKind::Transfer:
      DescribeTransfer(builder, event);
      break;
    case EventKind::Withdrawal:
      DescribeWithdrawal(builder, event);
      break;
    case EventKind::AllocationOption:
      DescribeAllocationOption(builder, event);
      break;
    default:
      break;  // empty or unknown kinds have no lines
  }
}

}  // namespace
}  // namespace listing

std::vector<ListingLine> DescribeEvents(const Scenario& scenario, const Currency& currency,
                                        ListingFor target) {
  std::vector<ListingLine> lines;
  listing::ListingBuilder builder(scenario, currency, lines, target);
  listing::AddFirstLine(builder);
  const int count = EventCount(scenario);
  for (int slot = 0; slot < count; ++slot) {
    builder.set_slot(slot);
    listing::DescribeEvent(builder, scenario.events[slot], slot);
  }
  return lines;
}

}  // namespace tarvel::model
