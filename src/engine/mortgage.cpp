// Mortgages: the purchase with its down payment and closing costs, the yearly property
// taxes and the payoff of the remaining principal.
#include <cstdio>
#include <string>
#include <string_view>

#include "engine/amortization.h"
#include "engine/debt_events_internal.h"
#include "engine/line_text.h"
#include "engine/run_internal.h"
#include "model/event_views.h"
#include "model/money_format.h"
#include "model/whole_age.h"

namespace tarvel::engine::debt {
namespace {

// The down payment enters the equity account as "%-11.2f".
void DownPaymentIncomingLine(Run& run, int position, double amount) {
  if (position < 0 || !run.files.incoming || run.current_age < run.shown_start_age) return;
  WriteAmountRecord(run.files.incoming.get(), run.current_age,
                    run.state.accounts[position].name.view(), amount);
}

void TakeDownPayment(const model::Scenario& scenario, Run& run, int slot) {
  const model::FinancialEvent& event = run.state.events[slot];
  const model::MortgageTerms mortgage(event);
  const float down_payment = mortgage.down_payment();
  if (!(down_payment > 0)) return;
  const std::string_view name = event.description.view();
  const auto money = model::MoneyLater(down_payment, run.options.currency);
  const bool from_equity = mortgage.keep_down_payment() != 0;
  if (from_equity) {
    Line(run, slot, [&] { return LineText("  %s - %s to equity.", name, money()); });
  } else {
    Line(run, slot, [&] { return LineText("  %s - Withdraw %s for down payment", name, money()); });
  }
  DownPaymentIncomingLine(run, EquityAccount(run.state, event), down_payment);
  AddTo(run.categories.equity, down_payment);
  if (!from_equity) {
    AddTo(run.year.other_payments, down_payment);
    Pay(scenario, run, slot, down_payment);
  }
}

// Yearly property taxes grown by the run's inflation for every year since the purchase.
double TaxesThisYear(const model::FinancialEvent& event, const Run& run) {
  const model::MortgageTerms mortgage(event);
  double taxes = static_cast<double>(mortgage.property_taxes()) * run.year_fraction;
  if (mortgage.apply_inflation_to_taxes() == 0) return taxes;
  const int last = model::WholeAge(run.current_age) - 1;
  for (int age = model::WholeAge(event.start_age); age <= last; ++age) {
    taxes *= 1.0 + run.inflation_rate * 0.01;
  }
  return taxes;
}

}  // namespace

void StartMortgage(const model::Scenario& scenario, Run& run, int slot) {
  model::FinancialEvent& event = run.state.events[slot];
  const model::MortgageTerms mortgage(event);
  const int months = mortgage.payments_per_year();
  mortgage.monthly_payment() =
      MonthlyPayment(mortgage.principal(), mortgage.yearly_rate_percent() * 0.01 / months,
                     mortgage.term_years() * months);
  AddTo(run.liabilities, mortgage.principal());
  AddTo(run.categories.asset, mortgage.principal());
  mortgage.owned_outright() = 0;
  TakeDownPayment(scenario, run, slot);
  const float costs = mortgage.closing_costs();
  if (costs > 0) {
    Line(run, slot, [&] {
      return LineText("  %s - Withdraw %s for closing costs", event.description.view(),
                      MoneyText(run, costs).c_str());
    });
    AddTo(run.year.closing_costs, costs);
    AddTo(run.year.other_payments, costs);
    Pay(scenario, run, slot, costs);
  }
}

void PropertyTaxes(const model::Scenario& scenario, Run& run, int slot) {
  const model::FinancialEvent& event = run.state.events[slot];
  const model::MortgageTerms mortgage(event);
  const float age = run.current_age;
  const float sell_age = mortgage.sell_age();
  // Once the payments have ended nothing else names the property in the year's lines.
  if (age >= event.end_age && (!(sell_age > 0) || age < sell_age)) {
    Line(run, slot, [&] { return LineText("  %s:", event.description.view()); });
  }
  if (!(static_cast<double>(mortgage.property_taxes()) * run.year_fraction >= 1.0)) return;
  const double taxes = TaxesThisYear(event, run);
  Line(run, slot,
       [&] { return LineText("  Withdraw %s for property taxes", MoneyText(run, taxes).c_str()); });
  AddTo(run.year.property_taxes, taxes);
  AddTo(run.year.total_taxes, taxes);
  Pay(scenario, run, slot, taxes);
}

void PayOffMortgage(const model::Scenario& scenario, Run& run, int slot) {
  model::FinancialEvent& event = run.state.events[slot];
  const model::MortgageTerms mortgage(event);
  const double rest = Outstanding(event);
  Line(run, slot, [&] {
    return LineText("   %s - Paid off mortgage with %s", event.description.view(),
                    MoneyText(run, rest).c_str());
  });
  const int equity_position = EquityAccount(run.state, event);
  if (equity_position >= 0) {
    const double initial = run.state.accounts[equity_position].initial_amount;
    IncomingLine(run, equity_position, mortgage.bought_value() - initial);
  }
  mortgage.owned_value() = mortgage.bought_value();
  AddTo(run.liabilities, -rest);
  AddTo(run.categories.asset, -rest);
  AddTo(run.categories.equity, rest);
  mortgage.owned_outright() = 1;  // the equity is now the whole value
  AddTo(run.year.other_payments, rest);
  Pay(scenario, run, slot, rest);
  TotalsLine(run, slot, event);
}

}  // namespace tarvel::engine::debt
