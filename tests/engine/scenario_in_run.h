// The engine steps read and change a run's working copies of the scenario's records. The step
// tests arrange and check the scenario's own records, so a step is given them as they stand
// (no reordering) and hands them back when it is done.
#pragma once

#include <utility>

#include "engine/run.h"
#include "model/record_counts.h"
#include "model/records.h"

namespace tarvel::test_support {

inline void LoadRunState(const model::Scenario& scenario, engine::RunState& state) {
  state.event_count = model::EventCount(scenario);
  for (int i = 0; i < state.event_count; ++i) {
    state.events[i] = scenario.events[i];
    state.event_source[i] = static_cast<std::int16_t>(i);
  }
  state.account_count = model::AccountCount(scenario);
  for (int i = 0; i < state.account_count; ++i) {
    state.accounts[i] = scenario.accounts.records[i];
    state.account_source[i] = static_cast<std::int16_t>(i);
  }
  state.IndexAccounts();
  state.NoteDebts();
  state.first_withdrawal_age = scenario.settings.first_withdrawal_age;
  state.drawn_rate_count = scenario.settings.drawn_rate_count;
  state.allocation_working = scenario.allocation.working;
  for (int b = 0; b < model::kBudgetCount; ++b) {
    state.budget_working[b] = scenario.budgets[b].working_amount;
  }
}

inline void StoreRunState(const engine::RunState& state, model::Scenario& scenario) {
  for (int i = 0; i < state.event_count; ++i) scenario.events[i] = state.events[i];
  for (int i = 0; i < state.account_count; ++i) scenario.accounts.records[i] = state.accounts[i];
  scenario.settings.first_withdrawal_age = state.first_withdrawal_age;
  scenario.settings.drawn_rate_count = state.drawn_rate_count;
  scenario.allocation.working = state.allocation_working;
  for (int b = 0; b < model::kBudgetCount; ++b) {
    scenario.budgets[b].working_amount = state.budget_working[b];
  }
}

// Runs a step on the scenario's records and returns what the step returns.
template <typename Step>
decltype(auto) OnScenario(model::Scenario& scenario, engine::Run& run, Step&& step) {
  LoadRunState(scenario, run.state);
  struct StoreOnExit {
    engine::Run& run;
    model::Scenario& scenario;
    ~StoreOnExit() { StoreRunState(run.state, scenario); }
  } store{run, scenario};
  return std::forward<Step>(step)();
}

}  // namespace tarvel::test_support
