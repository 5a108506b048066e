// The monthly payments of a loan or mortgage over one year: principal and interest from the
// amortisation schedule, extra principal on a mortgage, and the payment itself.
#include <algorithm>
#include <string>

#include "engine/amortization.h"
#include "engine/debt_events_internal.h"
#include "engine/run_internal.h"
#include "model/money_format.h"

namespace tarvel::engine::debt {
namespace {

// Mortgage accelerated payment options.
constexpr std::uint16_t kExtraFromScenarioStart = 2;
constexpr std::uint16_t kExtraFromFirstPayment = 3;

struct ExtraPrincipal {
  double amount = 0;
  int first_month = 0;
};

// Extra principal from the scenario's start age on begins at the first month the scenario
// shows; before that the schedule runs without it.
ExtraPrincipal ExtraPrincipalOf(const model::FinancialEvent& event, const Run& run) {
  ExtraPrincipal extra;
  if (event.kind != model::EventKind::Mortgage) return extra;
  const int shown_start = internal::WholeAge(run.shown_start_age);
  if (event.marker == kExtraFromScenarioStart) {
    extra.first_month = std::max(0, (shown_start - internal::WholeAge(event.start_age)) * 12);
    if (internal::WholeAge(run.current_age) >= shown_start) extra.amount = event.value_146;
  } else if (event.marker == kExtraFromFirstPayment) {
    extra.amount = event.value_146;
  }
  return extra;
}

// Principal repaid moves value from the borrowed side to the owner's equity.
void BookPrincipal(model::Scenario& scenario, Run& run, int slot, float principal) {
  const model::FinancialEvent& event = scenario.events[slot];
  if (IsEquityLoanWithoutAccount(scenario, event)) {
    AddTo(run.categories.equity, principal);
  } else {
    AddTo(run.liabilities, -static_cast<double>(principal));
  }
  if (event.kind != model::EventKind::Mortgage) return;
  AddTo(run.equity_adjustment, principal);
  IncomingLine(scenario, run, EquityAccount(scenario, event), principal);
  AddTo(run.categories.equity, principal);
  AddTo(run.categories.asset, -static_cast<double>(principal));
}

}  // namespace

void PayLoanOrMortgageYear(model::Scenario& scenario, Run& run, int slot) {
  model::FinancialEvent& event = scenario.events[slot];
  const bool mortgage = event.kind == model::EventKind::Mortgage;
  const ExtraPrincipal extra = ExtraPrincipalOf(event, run);
  const int first = event.flag_66;
  const AmortizedYear year =
      AmortizeYear(Borrowed(event), event.rate_40 * 0.01 / 12.0, event.word_44 * 12, first,
                   first + 11, extra.amount, extra.first_month);
  const float principal = year.principal;
  event.flag_66 = static_cast<std::uint16_t>(event.flag_66 + 12);
  AddTo(event.accumulator_50, principal);
  if (run.current_age != event.start_age + event.word_44)
    AddTo(event.accumulator_54, year.interest);
  const double payment = static_cast<double>(principal) + year.interest;
  AddTo(mortgage ? run.year.mortgage_principal : run.year.loan_principal, principal);
  const double fraction = run.year_fraction;
  AddTo(run.year.interest_paid, (payment - principal) * fraction);
  BookPrincipal(scenario, run, slot, principal);

  if (run.current_age < run.shown_start_age || !(principal > 0)) return;
  Line(run, slot,
       model::Format("  %s - Withdraw %s for monthly payments - principal=%s interest=%s",
                     event.description.str().c_str(), MoneyText(run, payment * fraction).c_str(),
                     MoneyText(run, principal * fraction).c_str(),
                     MoneyText(run, (payment - principal) * fraction).c_str()));
  AddTo(run.year.other_payments, payment * fraction);
  Pay(scenario, run, slot, payment * fraction);
}

}  // namespace tarvel::engine::debt
