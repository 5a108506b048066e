// The event step: starts an event in its start year, runs the yearly action of its kind
// while it runs, and finishes it after its end age.
#include "engine/event_step.h"

#include <cstdint>

#include "engine/cash_flow_events.h"
#include "engine/debt_events.h"
#include "engine/rmd.h"
#include "model/event_views.h"
#include "model/whole_age.h"

namespace tarvel::engine {
namespace {

using model::EventKind;

bool IsDebt(EventKind kind) { return kind == EventKind::Loan || kind == EventKind::Mortgage; }

// Working amount from the amount, status running, the sold flag cleared; a budget
// withdrawal starts every item at its yearly amount.
void StartEvent(const model::Scenario& scenario, Run& run, int slot) {
  model::FinancialEvent& event = run.state.events[slot];
  model::EventView(event).working_amount() = event.amount;
  model::SetStatus(event, model::EventStatus::Running);
  // The sold flag cleared (only a mortgage uses it).
  model::MortgageTerms(event).sold() = 0;
  if (const RunBudget budget = BudgetOf(scenario, run, event)) {
    for (int i = 0; i < ItemCount(*budget.budget); ++i) {
      (*budget.amounts)[i] = budget.budget->yearly_amount[i];
    }
  }
  if (event.kind == EventKind::Fundamentals) StartFundamentals(scenario, run, slot);
  if (IsDebt(event.kind)) StartDebtEvent(scenario, run, slot);
}

// The RMD entry distributes from its start while the current age is not above its end age,
// never before the shown start age.
void RmdYear(const model::Scenario& scenario, Run& run, int slot) {
  const model::FinancialEvent& event = run.state.events[slot];
  if (run.current_age > event.end_age) return;
  const int age = model::WholeAgeTowardZero(run.current_age);
  if (age < model::WholeAgeTowardZero(run.shown_start_age)) return;
  RequiredDistributionStep(scenario, run, slot);
}

bool HasTodaysDollarsStart(const model::FinancialEvent& event) {
  if (event.kind == EventKind::Deposit || event.kind == EventKind::Withdrawal) return true;
  return event.kind == EventKind::Transfer &&
         model::VarietyOf(event) == model::EventVariety::Transfer &&
         model::CashFlowTerms(event).all_funds_at_start() == 0;
}

// Budget entries (-2) and the allocation option have no action of their own: the option
// works inside the funding of every outflow.
void YearlyAction(const model::Scenario& scenario, Run& run, int slot) {
  const model::FinancialEvent& event = run.state.events[slot];
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

void EventStep(const model::Scenario& scenario, Run& run, int slot) {
  if (slot < 0 || slot >= model::kEventSlots) return;
  model::FinancialEvent& event = run.state.events[slot];
  using model::EventStatus;
  if (model::StatusOf(event) == EventStatus::NotStarted && event.start_age <= run.current_age) {
    StartEvent(scenario, run, slot);
  }
  if (model::StatusOf(event) == EventStatus::Running) YearlyAction(scenario, run, slot);
  FinishPastEndAge(event, run);
}

void FinishPastEndAge(model::FinancialEvent& event, const Run& run) {
  if (model::StatusOf(event) == model::EventStatus::Running && event.end_age < run.current_age &&
      !IsDebt(event.kind)) {
    model::SetStatus(event, model::EventStatus::Finished);
  }
}

}  // namespace tarvel::engine
