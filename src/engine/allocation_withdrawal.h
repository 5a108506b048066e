// Spreads one outflow over the accounts selected for asset-allocation withdrawal, in
// proportion to their balances or in equal shares.
#pragma once

#include "engine/funding.h"
#include "engine/run.h"
#include "model/records.h"

namespace tarvel::engine {

// Whether the account is selected for asset-allocation withdrawal.
bool AllocationFlag(const model::Scenario& scenario, const model::Account& account);

// Takes the amount from the selected accounts by the scenario's allocation method and
// returns the part they could not cover (0 when the rest is 1.00 or less).
double AllocationWithdrawal(const model::Scenario& scenario, Run& run, double amount,
                            FundingReason reason, int tag);

}  // namespace tarvel::engine
