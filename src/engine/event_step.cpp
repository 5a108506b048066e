// The event step: starts an event in its start year, runs the yearly action of its kind
// while it runs, and finishes it after its end age.
#include "engine/event_step.h"

#include <cstdint>

#include "engine/cash_flow_events.h"
#include "engine/debt_events.h"
#include "engine/rmd.h"

namespace tarvel::engine {
namespace {

using model::EventKind;

bool IsDebt(EventKind kind) { return kind == EventKind::Loan || kind == EventKind::Mortgage; }

// Working amount from the amount, status running, the sold flag cleared; a budget
// withdrawal starts every item at its yearly amount.
void StartEvent(model::Scenario& scenario, Run& run, int slot) {
  model::FinancialEvent& event = scenario.events[slot];
  event.working_amount_28 = event.amount;
  event.status = 1;
  event.step_flag = 0;
  if (model::Budget* budget = BudgetOf(scenario, event)) {
    for (int i = 0; i < ItemCount(*budget); ++i) {
      budget->working_amount[i] = budget->yearly_amount[i];
    }
  }
  if (event.kind == EventKind::Fundamentals) StartFundamentals(scenario, run, slot);
  if (IsDebt(event.kind)) StartDebtEvent(scenario, run, slot);
}

// The RMD entry distributes from its start while the current age is not above its end age,
// never before the shown start age.
void RmdYear(model::Scenario& scenario, Run& run, int slot) {
  const model::FinancialEvent& event = scenario.events[slot];
  if (run.current_age > event.end_age) return;
  if (WholeAge(run.current_age) < WholeAge(run.shown_start_age)) return;
  RequiredDistributionStep(scenario, run, slot);
}

bool HasTodaysDollarsStart(const model::FinancialEvent& event) {
  if (event.kind == EventKind::Deposit || event.kind == EventKind::Withdrawal) return true;
  return event.kind == EventKind::Transfer && event.flag_66 == 0 &&
         event.marker != model::kRule72TMarker;
}

// Budget entries (-2) and the allocation option have no action of their own: the option
// works inside the funding of every outflow.
void YearlyAction(model::Scenario& scenario, Run& run, int slot) {
  const model::FinancialEvent& event = scenario.events[slot];
  if (HasTodaysDollarsStart(event)) ApplyTodaysDollarsStart(scenario, run, slot);
  switch (event.kind) {
    case EventKind::RmdLine:
      RmdYear(scenario, run, slot);
      break;
    case EventKind::Deposit:
      DepositYear(scenario, run, slot);
      break;
    case EventKind::Transfer:
      TransferYear(scenario, run, slot);
      break;
    case EventKind::Withdrawal:
      WithdrawalYear(scenario, run, slot);
      break;
    case EventKind::Loan:
    case EventKind::Mortgage:
      DebtEventYear(scenario, run, slot);
      break;
    default:
      break;
  }
}

}  // namespace

void EventStep(model::Scenario& scenario, Run& run, int slot) {
  if (slot < 0 || slot >= model::kEventSlots) return;
  model::FinancialEvent& event = scenario.events[slot];
  if (event.status == 0 && event.start_age <= run.current_age) StartEvent(scenario, run, slot);
  if (event.status == 1) YearlyAction(scenario, run, slot);
  // Debts end by their own rules; every other running event ends after its end age.
  if (event.status == 1 && event.end_age < run.current_age && !IsDebt(event.kind)) {
    event.status = 2;
  }
}

}  // namespace tarvel::engine
