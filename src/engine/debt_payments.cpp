// The monthly payments of a loan or mortgage over one year: principal and interest from the
// amortisation schedule, extra principal on a mortgage, and the payment itself.
#include <algorithm>
#include <string>

#include "engine/amortization.h"
#include "engine/debt_events_internal.h"
#include "engine/line_text.h"
#include "engine/run_internal.h"
#include "model/event_views.h"
#include "model/money_format.h"
#include "model/whole_age.h"

namespace tarvel::engine::debt {
namespace {

struct ExtraPrincipal {
  double amount = 0;
  int first_month = 0;
};

// Extra principal from the scenario's start age on begins at the first month the scenario
// shows; before that the schedule runs without it.
ExtraPrincipal ExtraPrincipalOf(const model::FinancialEvent& event, const Run& run) {
  ExtraPrincipal extra;
  if (event.kind != model::EventKind::Mortgage) return extra;
  using Mortgage = model::MortgageTerms<const model::FinancialEvent>;
  const Mortgage mortgage(event);
  const int shown_start = model::WholeAge(run.shown_start_age);
  if (mortgage.accelerated_option() == Mortgage::kExtraFromScenarioStart) {
    extra.first_month = std::max(
        0, (shown_start - model::WholeAge(event.start_age)) * Mortgage::payments_per_year());
    if (model::WholeAge(run.current_age) >= shown_start) {
      extra.amount = mortgage.accelerated_amount();
    }
  } else if (mortgage.accelerated_option() == Mortgage::kExtraFromFirstPayment) {
    extra.amount = mortgage.accelerated_amount();
  }
  return extra;
}

// Principal repaid moves value from the borrowed side to the owner's equity.
void BookPrincipal(Run& run, int slot, float principal) {
  const model::FinancialEvent& event = run.state.events[slot];
  if (IsEquityLoanWithoutAccount(run.state, event)) {
    AddTo(run.categories.equity, principal);
  } else {
    AddTo(run.liabilities, -static_cast<double>(principal));
  }
  if (event.kind != model::EventKind::Mortgage) return;
  AddTo(run.equity_adjustment, principal);
  IncomingLine(run, EquityAccount(run.state, event), principal);
  AddTo(run.categories.equity, principal);
  AddTo(run.categories.asset, -static_cast<double>(principal));
}

}  // namespace

void PayLoanOrMortgageYear(const model::Scenario& scenario, Run& run, int slot) {
  model::FinancialEvent& event = run.state.events[slot];
  const model::DebtTerms terms(event);
  const int months = terms.payments_per_year();
  const bool mortgage = event.kind == model::EventKind::Mortgage;
  const ExtraPrincipal extra = ExtraPrincipalOf(event, run);
  const int first = terms.months_paid();
  const AmortizedYear year = AmortizeYear(
      terms.principal(), terms.yearly_rate_percent() * 0.01 / months, terms.term_years() * months,
      first, first + months - 1, extra.amount, extra.first_month, run.state.amortization[slot]);
  const float principal = year.principal;
  terms.months_paid() = static_cast<std::uint16_t>(terms.months_paid() + months);
  AddTo(terms.principal_repaid(), principal);
  if (run.current_age != event.start_age + terms.term_years()) {
    AddTo(terms.interest_paid(), year.interest);
  }
  const double payment = static_cast<double>(principal) + year.interest;
  AddTo(mortgage ? run.year.mortgage_principal : run.year.loan_principal, principal);
  const double fraction = run.year_fraction;
  AddTo(run.year.interest_paid, (payment - principal) * fraction);
  BookPrincipal(run, slot, principal);

  if (run.current_age < run.shown_start_age || !(principal > 0)) return;
  Line(run, slot, [&] {
    return LineText("  %s - Withdraw %s for monthly payments - principal=%s interest=%s",
                    event.description.view(), MoneyText(run, payment * fraction).c_str(),
                    MoneyText(run, principal * fraction).c_str(),
                    MoneyText(run, (payment - principal) * fraction).c_str());
  });
  AddTo(run.year.other_payments, payment * fraction);
  Pay(scenario, run, slot, payment * fraction);
}

}  // namespace tarvel::engine::debt
