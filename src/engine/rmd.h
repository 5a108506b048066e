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

// RmdBase: the balances above 0 of the table's accounts and their shares by the scenario's
// RMD option (1 proportional, 2 equal; account order uses no shares).
RmdShares RmdBase(const model::Scenario& scenario, const RunState& state, int table);

// The distribution of the RMD entry in this slot for the run's current whole age:
// R = RmdBase / divisor of the age, taken by the option and moved to the transfer-to account.
void RequiredDistributionStep(const model::Scenario& scenario, Run& run, int slot);

}  // namespace tarvel::engine
