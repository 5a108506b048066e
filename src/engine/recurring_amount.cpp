// When an event acts, when it finishes, how its yearly amount grows and how an amount in
// dollars of the start age is brought to the dollars of the event's start year.
#include <algorithm>

#include "engine/cash_flow_events.h"

namespace tarvel::engine {
namespace {

// The value grown by (1 + inflation × 0.01) for every whole age from the shown start age up
// to the year before the current one, stored back as a four-byte float each year.
float InflatedSinceStart(float value, const Run& run) {
  const int first = std::max(WholeAge(run.shown_start_age), 0);
  const int last = std::min(WholeAge(run.current_age) - 1, kAgeSlots - 1);
  for (int age = first; age <= last; ++age) {
    value = static_cast<float>(value * (1.0 + run.inflation_by_age[age] * 0.01));
  }
  return value;
}

}  // namespace

int WholeAge(float age) { return static_cast<int>(age); }

bool IsOneTime(const model::FinancialEvent& event) { return event.flag_14 != 0; }

model::Budget* BudgetOf(model::Scenario& scenario, const model::FinancialEvent& event) {
  if (event.kind != model::EventKind::Withdrawal ||
      event.marker != model::kBudgetWithdrawalMarker) {
    return nullptr;
  }
  if (event.budget_number < 1 || event.budget_number > model::kBudgetCount) return nullptr;
  return &scenario.budgets[event.budget_number - 1];
}

int ItemCount(const model::Budget& budget) {
  return std::clamp<int>(budget.item_count, 0, model::kMaxItems);
}

bool ActsThisYear(const model::FinancialEvent& event, const Run& run) {
  if (IsOneTime(event) && WholeAge(run.current_age) == WholeAge(event.start_age)) return true;
  return run.current_age <= event.end_age;
}

void FinishAfterAction(model::FinancialEvent& event, const Run& run) {
  if (IsOneTime(event) || run.current_age >= event.end_age) event.status = 2;
}

void GrowWorkingAmount(model::FinancialEvent& event, const Run& run) {
  double growth = event.value_10 * 0.01;
  if (event.word_26 != 0) growth += run.inflation_rate * 0.01;
  if (growth != 0) {
    event.working_amount_28 = static_cast<float>(event.working_amount_28 * (1.0 + growth));
  }
}

void ApplyTodaysDollarsStart(model::Scenario& scenario, const Run& run, int slot) {
  model::FinancialEvent& event = scenario.events[slot];
  if (event.todays_dollars == 0) return;
  if (WholeAge(run.current_age) != WholeAge(event.start_age)) return;
  model::Budget* budget = BudgetOf(scenario, event);
  if (budget == nullptr) {
    event.working_amount_28 = InflatedSinceStart(event.amount, run);
    return;
  }
  double sum = 0;
  for (int i = 0; i < ItemCount(*budget); ++i) {
    budget->working_amount[i] = InflatedSinceStart(budget->yearly_amount[i], run);
    sum += budget->working_amount[i];
  }
  event.working_amount_28 = static_cast<float>(sum);
}

}  // namespace tarvel::engine
