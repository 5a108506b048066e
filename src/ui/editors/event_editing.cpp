// The editors' working copy of an event.
#include "ui/editors/event_editing.h"

#include "model/record_counts.h"
#include "model/scenario_ops.h"
#include "ui/editors/field_check.h"

namespace tarvel::ui {
namespace {

// The record a new event starts from, keeping the number of the slot it will take.
model::FinancialEvent ClearedRecord(const model::Scenario& scenario, int slot) {
  const bool in_table = slot >= 0 && slot < model::kEventSlots;
  return model::NewEventRecord(in_table ? scenario.events[slot].number : 0);
}

}  // namespace

bool ShownInactive(const model::FinancialEvent& event) {
  return event.start_age >= model::kInactiveOffset && event.start_age != model::kInactiveOffset;
}

bool RoomForEvent(const model::Scenario& scenario, platform::Prompter& prompter) {
  const model::CapacityProblem problem = model::CheckRoomForEvent(scenario);
  if (problem.ok()) return true;
  ShowStop(prompter, problem.text, problem.caption);
  return false;
}

EventEditing::EventEditing(const model::Scenario& scenario, const EditRequest& request)
    : adding_(request.adding()),
      slot_(request.adding() ? model::EventCount(scenario) : request.index),
      count_at_opening_(model::EventCount(scenario)) {
  if (adding_) {
    event_ = ClearedRecord(scenario, slot_);
    return;
  }
  event_ = scenario.events[slot_];
  if (ShownInactive(event_)) {
    event_.start_age -= model::kInactiveOffset;
    was_inactive_ = true;
  }
}

bool EventEditing::Commit(model::Scenario& scenario, platform::Prompter& prompter) const {
  if (!adding_) {
    scenario.events[slot_] = event_;
    scenario.modified = true;
    return true;
  }
  if (!RoomForEvent(scenario, prompter)) return false;
  // Another editor may have added events meanwhile: a new event always goes at the end.
  const int slot = model::EventCount(scenario);
  model::FinancialEvent stored = event_;
  stored.number = scenario.events[slot].number;
  scenario.events[slot] = stored;
  scenario.income_expense[slot] = model::IncomeExpenseList{};
  scenario.initial.event_count = static_cast<std::int16_t>(slot + 1);
  scenario.modified = true;
  return true;
}

}  // namespace tarvel::ui
