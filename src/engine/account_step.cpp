// The yearly account step: every account earns its rate for the year by type, savings pay
// their dividends, and the year's taxes, penalties and summaries follow.
#include "engine/account_step.h"

#include <algorithm>
#include <string>

#include "engine/account_summary.h"
#include "engine/funding.h"
#include "engine/line_text.h"
#include "engine/property.h"
#include "engine/random_rates.h"
#include "engine/run_internal.h"
#include "engine/run_scenario.h"
#include "model/record_counts.h"
#include "model/scenario_ops.h"

namespace tarvel::engine {
namespace {

using model::AccountType;

bool IsSheltered(AccountType type) {
  return type == AccountType::Retirement || type == AccountType::TaxFree;
}

// The account a dividend is paid into: its destination, or the paying account itself when
// the destination is none or no account has that id.
int DividendDestination(const model::Scenario& scenario, const RunState& state, int position) {
  const auto& account = state.accounts[position];
  const std::int16_t id = scenario.dividends.deposit_account[account.slot];
  if (id < 0) return position;
  const int destination = state.FindAccount(static_cast<std::uint16_t>(id));
  return destination >= 0 ? destination : position;
}

// Investment, Tax Free and Retirement accounts earn interest and pay their dividends.
void GrowSavings(const model::Scenario& scenario, Run& run, int position, float rate) {
  auto& account = run.state.accounts[position];
  const float balance_before = account.balance;
  float growth = static_cast<float>(static_cast<double>(balance_before) * rate * 0.01);
  growth = static_cast<float>(static_cast<double>(growth) * run.year_fraction);
  YearTotals& y = run.year;
  if (account.type == AccountType::Investment && growth > 0) {
    y.savings_interest_tax = static_cast<float>(y.savings_interest_tax +
                                                static_cast<double>(growth) * run.tax_rate * 0.01);
  }
  // Investment interest enters its category before the dividend is paid, sheltered
  // interest after it (the four-byte totals round differently by order).
  const bool investment = account.type == AccountType::Investment;
  if (investment) run.categories.Add(account.type, growth);
  PayDividend(scenario, run, position, balance_before);
  account.balance += growth;
  if (!investment) run.categories.Add(account.type, growth);
  switch (account.type) {
    case AccountType::Investment:
      y.taxable_income += growth;
      y.taxable_interest += growth;
      break;
    case AccountType::TaxFree:
      y.nontaxable_income += growth;
      y.tax_free_interest += growth;
      break;
    default:
      y.nontaxable_income += growth;
      y.retirement_interest += growth;
      break;
  }
  run.files.Incoming(run.current_age, account.name.view(), growth);
}

// Equity and Asset accounts appreciate or depreciate by their rate.
void GrowProperty(Run& run, int position, float rate) {
  auto& account = run.state.accounts[position];
  const bool equity = account.type == AccountType::Equity;
  const double factor = static_cast<double>(rate) * 0.01 * run.year_fraction;
  const float growth = static_cast<float>(account.balance * factor);
  YearTotals& y = run.year;
  if (rate < 0) y.depreciation += growth;
  if (rate > 0) (equity ? y.equity_appreciation : y.asset_appreciation) += growth;
  run.categories.Add(account.type, growth);
  account.balance = static_cast<float>(account.balance * (1.0 + factor));
  if (equity) {
    run.files.Incoming(run.current_age, account.name.view(), growth);
  } else if (rate < 0) {
    run.files.Outgoing(run.current_age, account.name.view(), -growth);
  } else if (rate > 0) {
    run.files.Incoming(run.current_age, account.name.view(), growth);
  }
}

void GrowAccounts(const model::Scenario& scenario, Run& run) {
  const bool random = RandomSourceSet(run);
  if (run.options.detailed && random) AnnounceRandomSource(scenario, run);
  const auto mortgage_equity = internal::MortgageEquityAccounts(run.state);
  for (int i = 0; i < run.state.account_count; ++i) {
    const float rate = AccountRateForYear(scenario, run, i);
    const auto& account = run.state.accounts[i];
    if (!(account.balance > 0)) continue;
    // A mortgaged property's value comes from its mortgage: it neither grows nor shows a rate.
    if (account.type == AccountType::Equity && mortgage_equity[i]) {
      continue;
    }
    if (random && run.options.detailed) ShowRandomRate(scenario, run, i, rate);
    switch (account.type) {
      case AccountType::Investment:
      case AccountType::TaxFree:
      case AccountType::Retirement:
        GrowSavings(scenario, run, i, rate);
        break;
      case AccountType::Equity:
      case AccountType::Asset:
        GrowProperty(run, i, rate);
        break;
      default:
        break;  // an unknown type earns nothing
    }
  }
}

void ClearStepTotals(Run& run) {
  YearTotals& y = run.year;
  y.total_dividends = 0;
  y.taxable_dividends = 0;
  y.nontaxable_dividends = 0;
  y.dividend_taxes = 0;
  y.savings_interest_tax = 0;
  y.asset_appreciation = 0;
  y.equity_appreciation = 0;
  y.depreciation = 0;
  run.asset_adjustment = 0;
  run.equity_adjustment = 0;
}

void ComputeTotalIncoming(YearTotals& y) {
  y.total_incoming = static_cast<float>(
      static_cast<double>(y.deposits) + y.taxable_income + y.nontaxable_income + y.loans +
      y.sale_of_assets + y.sale_of_property + y.asset_appreciation + y.equity_appreciation);
}

}  // namespace

void PayDividend(const model::Scenario& scenario, Run& run, int position, float balance_before) {
  const auto& account = run.state.accounts[position];
  if (account.slot >= model::kMaxAccounts) return;
  const float percent = scenario.dividends.yearly_percent[account.slot];
  if (!(percent > 0)) return;
  const float dividend =
      static_cast<float>(static_cast<double>(percent) * 0.01 * balance_before * run.year_fraction);
  const int destination_position = DividendDestination(scenario, run.state, position);
  auto& destination = run.state.accounts[destination_position];
  const model::Currency& currency = run.options.currency;
  if (dividend > 1.0f) {
    const auto money = model::MoneyLater(dividend, currency);
    run.sink.Emit([&] { return LineText("  Dividend received = %s", money()); }, -1);
    run.sink.Emit(
        [&] {
          return LineText("      %s from %s deposited to %s ", money(), account.name.view(),
                          destination.name.view());
        },
        -1);
  }
  YearTotals& y = run.year;
  y.total_dividends += dividend;
  if (IsSheltered(account.type)) {
    y.nontaxable_income += dividend;
    y.nontaxable_dividends += dividend;
  } else {
    y.taxable_income += dividend;
    y.taxable_dividends += dividend;
  }
  if (dividend > 0.1f) run.files.Incoming(run.current_age, destination.name.view(), dividend);
  run.categories.Add(destination.type, dividend);
  if (!(IsSheltered(account.type) && IsSheltered(destination.type))) {
    const double tax = scenario.dividends.taxable_percent[account.slot] * 0.01 * dividend *
                       (run.dividend_tax_rate * 0.01) * run.year_fraction;
    y.dividend_taxes = static_cast<float>(y.dividend_taxes + tax);
  }
  destination.balance += dividend;
}

void YearlyAccountStep(const model::Scenario& scenario, Run& run) {
  ClearStepTotals(run);
  if (run.options.random_groups) DrawGroupRates(scenario, run);
  if (run.current_age >= run.shown_start_age) GrowAccounts(scenario, run);
  RevalueProperty(run);
  PayYearTaxes(scenario, run);
  ComputeTotalIncoming(run.year);
  if (run.options.detailed || run.options.add_summary) WriteYearSummary(run);
  if (run.options.show_accounts) WriteAccountList(run);
  WriteYearResult(scenario, run);
  YearTotals& y = run.year;
  y.withdrawal_taxes = 0;
  y.property_taxes = 0;
  y.savings_interest_tax = 0;
  y.total_taxes = 0;
  y.closing_costs = 0;
}

}  // namespace tarvel::engine
