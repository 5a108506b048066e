// Re-indexing of the accounts: the records are put in name order and numbered 0, 1, 2, ...;
// every reference to an account (events, dividend deposits, budgets, the RMD transfer account)
// is carried over from the old number to the new one, so each still names the same account.
#pragma once

#include <cstdint>
#include <vector>

#include "model/records.h"

namespace tarvel::model {

// The account-id fields of one event, by its variety: a deposit's account, a transfer's from
// and to accounts, a loan's deposit and payment accounts, a mortgage's equity account...
std::vector<std::uint16_t*> AccountReferencesOf(FinancialEvent& event);

// Sorts the accounts by name (case-insensitive; equal names keep their order), gives them the
// ids 0..count-1, sets the next id to the count and remaps every reference. A reference to an
// id that no account holds becomes "no account", so it cannot land on a renumbered account.
void ReindexAccounts(Scenario& scenario);

}  // namespace tarvel::model
