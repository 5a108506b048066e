// Required minimum distributions: every year the balance of the accounts assigned to one
// life-expectancy table, divided by the table's divisor, moves into the transfer-to account.
#pragma once

#include <array>

#include "engine/run.h"
#include "model/records.h"

namespace tarvel::engine {

// The sum the distribution of one table is computed from, and how it is shared out.
struct RmdShares {
  float sum = 0;  // balances above 0 of the accounts assigned to the table
  int count = 0;  // how many such accounts
  // By account position: balance / sum (proportional), 1 / count (equal), else 0.
  std::array<float, model::kMaxAccounts> share{};
};

// Whether the account at this position is assigned to RMD table 1..3.
bool IsAssignedToRmdTable(const model::Scenario& scenario, int position, int table);

// RmdBase: the balances above 0 of the table's accounts and their shares by the scenario's
// RMD option (1 proportional, 2 equal; account order uses no shares).
RmdShares RmdBase(const model::Scenario& scenario, int table);

// The distribution of the RMD entry in this slot for the run's current whole age:
// R = RmdBase / divisor of the age, taken by the option and moved to the transfer-to account.
void RequiredDistributionStep(model::Scenario& scenario, Run& run, int slot);

// Makes the RMD entries of the event table match the accounts: stale listing entries are
// purged and every table that an account is assigned to gets its entry again (start age
// and name from the table; an entry that was inactive stays inactive). Every run does this
// before it lists and orders the events.
void UpdateRmdListingEntries(model::Scenario& scenario);

}  // namespace tarvel::engine
