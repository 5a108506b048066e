// Writing a run's working state back into the scenario after the run.
#include "engine/run_write_back.h"

#include <algorithm>

#include "engine/account_order.h"
#include "model/record_counts.h"
#include "model/scenario_ops.h"

namespace tarvel::engine {
namespace {

// The event fields a run changes: the run-time state of every kind, the aligned life and
// equity account of an equity loan, a debt's monthly payment and a Rule 72T distribution.
void CopyEventRunFields(const model::FinancialEvent& from, model::FinancialEvent& to) {
  to.start_age = from.start_age;
  to.end_age = from.end_age;
  to.flag_14 = from.flag_14;
  to.amount = from.amount;
  to.word_22 = from.word_22;
  to.working_amount_28 = from.working_amount_28;
  to.monthly_payment = from.monthly_payment;
  to.working_amount_46 = from.working_amount_46;
  to.accumulator_50 = from.accumulator_50;
  to.accumulator_54 = from.accumulator_54;
  to.flag_66 = from.flag_66;
  to.status = from.status;
  to.equity_account = from.equity_account;
  to.value_146 = from.value_146;
  to.step_flag = from.step_flag;
  to.word_158 = from.word_158;
}

// Balances, rates and rate statistics; a mortgaged property's value from its mortgage.
void CopyAccountRunFields(const model::Account& from, model::Account& to) {
  to.balance = from.balance;
  to.rate = from.rate;
  to.initial_amount = from.initial_amount;
  to.smallest_drawn_rate = from.smallest_drawn_rate;
  to.largest_drawn_rate = from.largest_drawn_rate;
  to.drawn_rate_sum = from.drawn_rate_sum;
}

}  // namespace

void ArrangeForRun(model::Scenario& scenario) {
  model::MatchRmdListingEntries(scenario);
  for (int pass = 0; pass < 3; ++pass) model::OrderEventsByKind(scenario);
  OrderAccountsByAccessOrder(scenario);
}

void WriteBackRunFields(const Run& run, model::Scenario& scenario) {
  const RunState& state = run.state;
  if (!state.filled) return;
  ArrangeForRun(scenario);
  const int events = std::min(state.event_count, model::EventCount(scenario));
  for (int i = 0; i < events; ++i) CopyEventRunFields(state.events[i], scenario.events[i]);
  const int accounts = std::min(state.account_count, model::AccountCount(scenario));
  for (int i = 0; i < accounts; ++i) {
    CopyAccountRunFields(state.accounts[i], scenario.accounts.records[i]);
  }
  scenario.settings.first_withdrawal_age = state.first_withdrawal_age;
  scenario.settings.drawn_rate_count = state.drawn_rate_count;
  scenario.allocation.working = state.allocation_working;
  for (int b = 0; b < model::kBudgetCount; ++b) {
    scenario.budgets[b].working_amount = state.budget_working[b];
  }
  if (state.start_age_set) scenario.initial.start_age = state.start_age;
}

}  // namespace tarvel::engine
