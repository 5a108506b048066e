// Keeping a budget's withdrawal event in step with the budget.
#include "ui/budgets/budget_withdrawal.h"

#include "model/event_views.h"
#include "model/record_counts.h"
#include "model/scenario_ops.h"
#include "ui/editors/event_editing.h"

namespace tarvel::ui {
namespace {

bool IsWithdrawalOf(const model::FinancialEvent& event, int budget_index) {
  return model::IsBudgetWithdrawal(event) && event.budget_number == budget_index + 1;
}

// The event fields a budget decides; whatever else the event holds is cleared.
void FillFromBudget(model::FinancialEvent& event, const model::Budget& budget, int budget_index) {
  event = model::NewEventRecord(event.number);
  event.kind = model::EventKind::Withdrawal;
  event.marker = model::kBudgetWithdrawalMarker;
  event.description.assign(budget.name.view());
  event.start_age = budget.start_age;
  event.end_age = budget.end_age;
  event.amount = budget.total;
  event.todays_dollars = budget.todays_dollars;
  model::BudgetWithdrawalTerms terms(event);
  terms.working_amount() = budget.total;
  terms.written_total() = budget.total;
  terms.budget_number() = static_cast<std::int16_t>(budget_index + 1);
  const bool chosen = budget.account >= 0 && budget.account < model::kNoAccount;
  terms.account() = chosen ? static_cast<std::uint16_t>(budget.account) : model::kNoAccount;
  terms.account_chosen() = chosen ? model::kChosenAccountMarker : 0;
}

}  // namespace

int FindBudgetWithdrawal(const model::Scenario& scenario, int budget_index) {
  for (int slot = 0; slot < model::EventCount(scenario); ++slot) {
    if (IsWithdrawalOf(scenario.events[slot], budget_index)) return slot;
  }
  return -1;
}

bool WriteBudgetWithdrawal(model::Scenario& scenario, platform::Prompter& prompter,
                           int budget_index) {
  EventEditing editing(scenario, EditRequest{FindBudgetWithdrawal(scenario, budget_index)});
  FillFromBudget(editing.event(), scenario.budgets[budget_index], budget_index);
  return editing.Commit(scenario, prompter);
}

bool RemoveBudgetWithdrawal(model::Scenario& scenario, int budget_index) {
  bool removed = false;
  for (int slot = FindBudgetWithdrawal(scenario, budget_index); slot >= 0;
       slot = FindBudgetWithdrawal(scenario, budget_index)) {
    model::RemoveEvent(scenario, slot);
    removed = true;
  }
  if (removed) scenario.modified = true;
  return removed;
}

}  // namespace tarvel::ui
