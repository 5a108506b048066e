// When an event acts, when it finishes, how its yearly amount grows and how an amount in
// dollars of the start age is brought to the dollars of the event's start year.
#include <algorithm>

#include "engine/cash_flow_events.h"
#include "model/event_views.h"
#include "model/whole_age.h"

namespace tarvel::engine {
namespace {

// The value grown by (1 + inflation × 0.01) for every whole age from the shown start age up
// to the year before the current one, stored back as a four-byte float each year.
float InflatedSinceStart(float value, const Run& run) {
  const int first = std::max(model::WholeAgeTowardZero(run.shown_start_age), 0);
  const int last = std::min(model::WholeAgeTowardZero(run.current_age) - 1, kAgeSlots - 1);
  for (int age = first; age <= last; ++age) {
    value = static_cast<float>(value * (1.0 + run.inflation_by_age[age] * 0.01));
  }
  return value;
}

}  // namespace

bool IsOneTime(const model::FinancialEvent& event) {
  return model::CashFlowTerms(event).one_time_only() != 0;
}

RunBudget BudgetOf(const model::Scenario& scenario, Run& run, const model::FinancialEvent& event) {
  if (!model::IsBudgetWithdrawal(event)) return {};
  const int number = model::BudgetWithdrawalTerms(event).budget_number();
  if (number < 1 || number > model::kBudgetCount) return {};
  return {&scenario.budgets[number - 1], &run.state.budget_working[number - 1]};
}

int ItemCount(const model::Budget& budget) {
  return std::clamp<int>(budget.item_count, 0, model::kMaxItems);
}

bool ActsThisYear(const model::FinancialEvent& event, const Run& run) {
  if (IsOneTime(event) &&
      model::WholeAgeTowardZero(run.current_age) == model::WholeAgeTowardZero(event.start_age))
    return true;
  return run.current_age <= event.end_age;
}

void FinishAfterAction(model::FinancialEvent& event, const Run& run) {
  if (IsOneTime(event) || run.current_age >= event.end_age) {
    model::SetStatus(event, model::EventStatus::Finished);
  }
}

void GrowWorkingAmount(model::FinancialEvent& event, const Run& run) {
  const model::CashFlowTerms terms(event);
  double growth = terms.apply_rate_percent() * 0.01;
  if (terms.apply_inflation() != 0) growth += run.inflation_rate * 0.01;
  if (growth != 0) {
    terms.working_amount() = static_cast<float>(terms.working_amount() * (1.0 + growth));
  }
}

void ApplyTodaysDollarsStart(const model::Scenario& scenario, Run& run, int slot) {
  model::FinancialEvent& event = run.state.events[slot];
  const model::CashFlowTerms terms(event);
  if (terms.todays_dollars() == 0) return;
  if (model::WholeAgeTowardZero(run.current_age) != model::WholeAgeTowardZero(event.start_age))
    return;
  const RunBudget budget = BudgetOf(scenario, run, event);
  if (!budget) {
    terms.working_amount() = InflatedSinceStart(event.amount, run);
    return;
  }
  double sum = 0;
  for (int i = 0; i < ItemCount(*budget.budget); ++i) {
    (*budget.amounts)[i] = InflatedSinceStart(budget.budget->yearly_amount[i], run);
    sum += (*budget.amounts)[i];
  }
  terms.working_amount() = static_cast<float>(sum);
}

}  // namespace tarvel::engine
