// Copy, delete and inactivate on the event table.
#include "ui/scenario/event_list_edits.h"

#include "model/event_views.h"
#include "model/record_counts.h"
#include "model/scenario_ops.h"
#include "ui/editors/event_editing.h"

namespace tarvel::ui {
namespace {

bool IsEquityLoanOf(const model::FinancialEvent& event, std::uint16_t mortgage_number) {
  return model::IsEquityLoan(event) &&
         model::EquityLoanTerms<const model::FinancialEvent>(event).mortgage_number() ==
             mortgage_number;
}

void DeleteEquityLoansOf(model::Scenario& scenario, std::uint16_t mortgage_number) {
  for (int slot = model::EventCount(scenario) - 1; slot >= 0; --slot) {
    if (IsEquityLoanOf(scenario.events[slot], mortgage_number)) model::RemoveEvent(scenario, slot);
  }
}

bool DeactivateBudgetOf(model::Scenario& scenario, const model::FinancialEvent& event) {
  const int number =
      model::BudgetWithdrawalTerms<const model::FinancialEvent>(event).budget_number();
  if (number < 1 || number > model::kBudgetCount) return false;
  scenario.budgets[number - 1].active = 0;
  return true;
}

bool NumberInUse(const model::Scenario& scenario, std::uint16_t number) {
  for (int slot = 0; slot < model::EventCount(scenario); ++slot) {
    if (scenario.events[slot].number == number) return true;
  }
  return false;
}

// The number of the slot a new event lands in, or the smallest free one when that slot's
// number is missing or taken.
std::uint16_t NumberForNewEvent(const model::Scenario& scenario, int slot) {
  const std::uint16_t own = scenario.events[slot].number;
  if (own != 0 && !NumberInUse(scenario, own)) return own;
  std::uint16_t number = 1;
  while (NumberInUse(scenario, number)) ++number;
  return number;
}

}  // namespace

std::uint16_t AppendEventCopy(model::Scenario& scenario, int slot) {
  const int end = model::EventCount(scenario);
  const std::uint16_t number = NumberForNewEvent(scenario, end);
  scenario.events[end] = scenario.events[slot];
  scenario.events[end].number = number;
  scenario.income_expense[end] = scenario.income_expense[slot];
  scenario.initial.event_count = static_cast<std::int16_t>(end + 1);
  return number;
}

bool RemoveEventNumbered(model::Scenario& scenario, std::uint16_t number) {
  for (int slot = 0; slot < model::EventCount(scenario); ++slot) {
    if (scenario.events[slot].number == number) {
      model::RemoveEvent(scenario, slot);
      return true;
    }
  }
  return false;
}

DeletionEffects DeleteEventWithCascade(model::Scenario& scenario, int slot) {
  DeletionEffects effects;
  if (slot < 0 || slot >= model::EventCount(scenario)) return effects;
  const model::FinancialEvent event = scenario.events[slot];
  const model::EventVariety variety = model::VarietyOf(event);
  if (variety == model::EventVariety::RmdLine) return effects;
  if (variety == model::EventVariety::BudgetWithdrawal) {
    effects.budget_deactivated = DeactivateBudgetOf(scenario, event);
  }
  if (variety == model::EventVariety::AllocationOption) {
    scenario.accounts.allocation_method = 0;
    effects.allocation_option_freed = true;
  }
  model::RemoveEvent(scenario, slot);
  if (variety == model::EventVariety::Mortgage) DeleteEquityLoansOf(scenario, event.number);
  effects.deleted = true;
  return effects;
}

void ToggleEventActive(model::Scenario& scenario, int slot) {
  if (slot < 0 || slot >= model::EventCount(scenario)) return;
  model::FinancialEvent& event = scenario.events[slot];
  event.start_age += ShownInactive(event) ? -model::kInactiveOffset : model::kInactiveOffset;
}

}  // namespace tarvel::ui
