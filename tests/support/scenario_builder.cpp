// Small helpers for tests: a cleared scenario on the heap, accounts and events added the
// way the editors add them.
#include "support/scenario_builder.h"

#include <stdexcept>

#include "model/scenario_ops.h"

namespace tarvel::test_support {

std::unique_ptr<model::Scenario> MakeClearedScenario() {
  auto scenario = std::make_unique<model::Scenario>();
  model::ClearScenario(*scenario);
  scenario->initial.event_count = 0;
  return scenario;
}

int AddAccount(model::Scenario& scenario, model::AccountType type, float amount, float rate,
               std::string_view name) {
  const int position = scenario.accounts.count;
  if (position < 0 || position >= model::kMaxAccounts) {
    throw std::out_of_range("AddAccount: the account table is full");
  }
  model::Account& account = scenario.accounts.records[position];
  account.name.assign(name);
  account.type = type;
  account.initial_amount = amount;
  account.balance = amount;
  account.yearly_rate = rate;
  account.rate = rate;
  model::AssignAccountId(scenario);
  return position;
}

model::FinancialEvent& AddEvent(model::Scenario& scenario, model::EventKind kind, float start_age,
                                float end_age) {
  const int slot = scenario.initial.event_count;
  if (slot < 0 || slot >= model::kMaxEvents) {
    throw std::out_of_range("AddEvent: the event table is full");
  }
  model::ClearEvent(scenario, slot);
  model::FinancialEvent& event = scenario.events[slot];
  event.kind = kind;
  event.start_age = start_age;
  event.end_age = end_age;
  if (event.number == 0) event.number = static_cast<std::uint16_t>(slot + 1);
  scenario.initial.event_count = static_cast<std::int16_t>(slot + 1);
  return event;
}

}  // namespace tarvel::test_support
