// Fills a run's working state from the scenario: the events a run works through, in the
// order it works through them, and the accounts in access order.
#include "engine/run_state.h"

#include <algorithm>
#include <cstdio>
#include <string_view>

#include "engine/account_order.h"
#include "model/event_views.h"
#include "model/record_counts.h"
#include "model/scenario_ops.h"

namespace tarvel::engine {
namespace {

using model::EventKind;

constexpr float kRmdEntryEndAge = 120.0f;
constexpr float kDefaultRmdStartAge = 70.0f;

bool RmdTableIsAssigned(const model::Scenario& scenario, int table) {
  const int count = model::AccountCount(scenario);
  for (int position = 0; position < count; ++position) {
    if (model::IsAssignedToRmdTable(scenario, position, table)) return true;
  }
  return false;
}

// Listing entries stand in the event table for the listing only; the stale ones are dropped.
bool IsListingEntry(const model::Scenario& scenario, const model::FinancialEvent& event) {
  if (event.kind == EventKind::RmdLine || event.kind == EventKind::Unset) return true;
  return event.kind == EventKind::AllocationOption && scenario.accounts.allocation_method == 0;
}

void DescribeRmdEntry(const model::Scenario& scenario, model::FinancialEvent& event, int table) {
  char text[96];
  const std::string_view name = scenario.settings.rmd_table_name[table - 1].view();
  std::snprintf(text, sizeof text, "%.*s-RMD using Table %d.", static_cast<int>(name.size()),
                name.data(), table);
  event.description.assign(text);
}

void AddRmdEntry(const model::Scenario& scenario, RunState& state, int table) {
  if (state.event_count >= model::kMaxEvents) return;
  model::FinancialEvent event;
  event.kind = EventKind::RmdLine;
  event.equity_account = model::kNoAccount;
  event.end_age = kRmdEntryEndAge;
  model::RmdLine(event).table() = static_cast<std::uint16_t>(table);
  event.start_age = static_cast<float>(scenario.settings.rmd_start_age[table - 1]);
  DescribeRmdEntry(scenario, event, table);
  state.events[state.event_count] = event;
  state.event_source[state.event_count] = kAddedEvent;
  ++state.event_count;
}

// Each RMD table an account is assigned to keeps one entry where it stands, with its start age
// and name from the table; a missing one is added at the end; other listing entries go.
void CopyEventsWithRmdEntries(const model::Scenario& scenario, RunState& state) {
  std::array<bool, model::kRmdTables> listed{};
  std::array<bool, model::kRmdTables> assigned{};
  for (int table = 1; table <= model::kRmdTables; ++table) {
    assigned[table - 1] = RmdTableIsAssigned(scenario, table);
  }
  state.event_count = 0;
  const int count = model::EventCount(scenario);
  for (int slot = 0; slot < count; ++slot) {
    const model::FinancialEvent& event = scenario.events[slot];
    const bool rmd = event.kind == EventKind::RmdLine;
    const int table = model::RmdLine(event).table();
    const bool kept_rmd = rmd && table >= 1 && table <= model::kRmdTables && !listed[table - 1] &&
                          assigned[table - 1];
    if (!kept_rmd && (rmd || IsListingEntry(scenario, event))) continue;
    model::FinancialEvent& copy = state.events[state.event_count];
    copy = event;
    state.event_source[state.event_count] = static_cast<std::int16_t>(slot);
    ++state.event_count;
    if (!kept_rmd) continue;
    listed[table - 1] = true;
    const float start = static_cast<float>(scenario.settings.rmd_start_age[table - 1]);
    copy.start_age = model::IsInactive(event) ? start + model::kInactiveOffset : start;
    DescribeRmdEntry(scenario, copy, table);
  }
  for (int table = 1; table <= model::kRmdTables; ++table) {
    if (!listed[table - 1] && assigned[table - 1]) AddRmdEntry(scenario, state, table);
  }
}

std::int16_t SignedKind(const model::FinancialEvent& event) {
  return static_cast<std::int16_t>(event.kind);
}

// A stable insertion sort by kind, then start age; the table is usually in order already.
void OrderWorkingEventsByKind(RunState& state) {
  const auto before = [](const model::FinancialEvent& later, const model::FinancialEvent& earlier) {
    if (SignedKind(later) < SignedKind(earlier)) return true;
    return SignedKind(later) == SignedKind(earlier) && later.start_age < earlier.start_age;
  };
  for (int i = 1; i < state.event_count; ++i) {
    if (!before(state.events[i], state.events[i - 1])) continue;
    const model::FinancialEvent moving = state.events[i];
    const std::int16_t source = state.event_source[i];
    int j = i;
    for (; j > 0 && before(moving, state.events[j - 1]); --j) {
      state.events[j] = state.events[j - 1];
      state.event_source[j] = state.event_source[j - 1];
    }
    state.events[j] = moving;
    state.event_source[j] = source;
  }
}

void CopyAccountsInAccessOrder(const model::Scenario& scenario, RunState& state) {
  const int count = model::AccountCount(scenario);
  state.account_count = count;
  std::array<std::int16_t, model::kMaxAccounts> order{};
  for (int i = 0; i < count; ++i) order[i] = static_cast<std::int16_t>(i);
  const auto& records = scenario.accounts.records;
  std::stable_sort(order.begin(), order.begin() + count, [&](std::int16_t a, std::int16_t b) {
    return AccessOrderLess(records[a].access_order.view(), records[b].access_order.view());
  });
  for (int i = 0; i < count; ++i) {
    state.accounts[i] = records[order[i]];
    state.account_source[i] = order[i];
  }
}

void CopyBudgetAmounts(const model::Scenario& scenario, RunState& state) {
  for (int b = 0; b < model::kBudgetCount; ++b) {
    state.budget_working[b] = scenario.budgets[b].working_amount;
  }
}

}  // namespace

void FillRunState(const model::Scenario& scenario, RunState& state) {
  CopyEventsWithRmdEntries(scenario, state);
  OrderWorkingEventsByKind(state);
  CopyAccountsInAccessOrder(scenario, state);
  state.first_withdrawal_age = scenario.settings.first_withdrawal_age;
  state.drawn_rate_count = scenario.settings.drawn_rate_count;
  state.allocation_working = scenario.allocation.working;
  CopyBudgetAmounts(scenario, state);
  state.IndexAccounts();
  std::fill_n(state.amortization.begin(), state.event_count, AmortizationCursor{});
  state.NoteDebts();
  state.start_age_set = false;
  state.start_age = scenario.initial.start_age;
  state.filled = true;
}

void RunState::NoteDebts() {
  debt_count = 0;
  for (int i = 0; i < event_count; ++i) {
    const model::EventKind kind = events[i].kind;
    if (kind == model::EventKind::Loan || kind == model::EventKind::Mortgage) {
      debt_events[debt_count++] = static_cast<std::int16_t>(i);
    }
  }
  has_debts = debt_count > 0;
}

void RunState::IndexAccounts() {
  for (int i = 0; i < indexed_count_; ++i) position_by_id_[account_index_[i] >> 8] = -1;
  for (int position = 0; position < account_count; ++position) {
    account_index_[position] =
        (std::uint32_t{accounts[position].id} << 8) | static_cast<std::uint32_t>(position);
  }
  std::sort(account_index_.begin(), account_index_.begin() + account_count);
  indexed_count_ = account_count;
  // Sorted by id, then position: the first entry of an id holds its first position.
  for (int i = account_count - 1; i >= 0; --i) {
    position_by_id_[account_index_[i] >> 8] = static_cast<std::int8_t>(account_index_[i] & 0xFF);
  }
}

void RunState::MarkAccountsWithId(std::uint16_t account_id,
                                  std::array<bool, model::kMaxAccounts>& marks) const {
  const std::uint32_t first = std::uint32_t{account_id} << 8;
  const auto end = account_index_.begin() + indexed_count_;
  for (auto at = std::lower_bound(account_index_.begin(), end, first);
       at != end && (*at >> 8) == account_id; ++at) {
    marks[*at & 0xFF] = true;
  }
}

bool IsAssignedToRmdTable(const model::Scenario& scenario, const RunState& state, int position,
                          int table) {
  if (position < 0 || position >= state.account_count) return false;
  const std::uint16_t slot = state.accounts[position].slot;
  if (slot >= model::kMaxAccounts) return false;
  return scenario.settings.rmd_table[slot] / 10 == table;
}

}  // namespace tarvel::engine
