// The working state of one run. The scenario is only read during a run; everything a run
// changes lives here: the events in run order (RMD entries matched to the accounts' table
// choices, ordered by kind) with their run-time fields, the accounts in access order with
// their balances, rates and rate statistics, and the per-account, allocation and budget
// values the run works on. The buffers are fixed arrays, filled again by every run, so a run
// object can be reused without allocating.
#pragma once

#include <array>
#include <cstdint>
#include <span>

#include "engine/amortization.h"
#include "model/records.h"

namespace tarvel::engine {

// Where a working event came from when it is not a scenario slot: an RMD entry the run added.
inline constexpr std::int16_t kAddedEvent = -1;

class RunState {
 public:
  bool filled = false;  // false until a run has filled it
  int event_count = 0;
  std::array<model::FinancialEvent, model::kEventSlots> events{};
  // Whether any working event is a loan or a mortgage: plans without debts skip the yearly
  // revaluation of what debts bought. Set by NoteDebts once the events are in place.
  bool has_debts = false;
  // The loans and mortgages among the working events, in run order.
  int debt_count = 0;
  std::array<std::int16_t, model::kEventSlots> debt_events{};
  void NoteDebts();
  // The scenario slot each working event was copied from, or kAddedEvent.
  std::array<std::int16_t, model::kEventSlots> event_source{};

  int account_count = 0;
  std::array<model::Account, model::kMaxAccounts> accounts{};  // access order
  // The scenario position each working account was copied from.
  std::array<std::int16_t, model::kMaxAccounts> account_source{};

  // Indexed by settings slot.
  std::array<std::uint16_t, model::kMaxAccounts> first_withdrawal_age{};
  std::array<float, model::kMaxAccounts> drawn_rate_count{};
  // Allocation percentages by category and settings slot, used up by allocation withdrawals.
  std::array<std::array<float, model::kMaxAccounts>, model::kAllocationCategories>
      allocation_working{};
  // The current yearly amount of every budget item.
  std::array<std::array<float, model::kMaxItems>, model::kBudgetCount> budget_working{};

  // Each debt's amortisation schedule as far as the run has walked it, by working event.
  std::array<AmortizationCursor, model::kEventSlots> amortization{};

  // The scenario start age the run used (fractional with the birthday option); set once the
  // run gets past its preparation.
  bool start_age_set = false;
  float start_age = 0;

  std::span<const model::Account> Accounts() const {
    return {accounts.data(), static_cast<std::size_t>(account_count)};
  }
  RunState() { position_by_id_.fill(-1); }

  // Position of the first working account with this id, or -1. Needs IndexAccounts.
  int FindAccount(std::uint16_t account_id) const { return position_by_id_[account_id]; }
  // Marks the position of every working account with this id.
  void MarkAccountsWithId(std::uint16_t account_id,
                          std::array<bool, model::kMaxAccounts>& marks) const;
  // Builds the id lookup of FindAccount after the accounts are filled in.
  void IndexAccounts();

 private:
  // Each account's id and position as (id << 8) | position, in ascending order.
  std::array<std::uint32_t, model::kMaxAccounts> account_index_{};
  int indexed_count_ = 0;
  // The first position of each indexed id; -1 for every other id.
  std::array<std::int8_t, 65536> position_by_id_;
};

// Fills the working state from the scenario: the events with their RMD entries matched and
// ordered by kind, the accounts ordered by access order, the per-account run-time values, the
// allocation percentages and the budget amounts.
void FillRunState(const model::Scenario& scenario, RunState& state);

// Whether the working account at this position is assigned to RMD table 1..3.
bool IsAssignedToRmdTable(const model::Scenario& scenario, const RunState& state, int position,
                          int table);

}  // namespace tarvel::engine
