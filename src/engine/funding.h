// Funds outflows: first from an event's chosen account, then from the savings accounts in
// access order, charging withdrawal taxes and early-withdrawal penalties on the way.
#pragma once

#include <string_view>

#include "engine/run.h"
#include "model/records.h"

namespace tarvel::engine {

// Why money leaves the savings: ordinary payments are taxed and penalised, the year's tax
// payment is penalised only, the year's penalty payment neither.
enum class FundingReason { Payment = 0, Taxes = 67, Penalties = 98 };

// Investment, Retirement and Tax Free accounts: the accounts outflows are funded from.
bool IsSavingsAccount(model::AccountType type);
// The account's name, or an empty text for a missing position (-1).
std::string_view AccountName(const RunState& state, int position);

// The detail line written for an amount taken: "          %s from %s" in general,
// "      %s from %s" when an allocation share empties an account.
enum class TakeLine { Detail, Allocation };

// Takes x from the savings account at this position: taxes and penalties by type and reason,
// the first-withdrawal age, balance and category, the taken totals, the detail line and the
// outgoing record.
void TakeFromSavingsAccount(const model::Scenario& scenario, Run& run, int position, double x,
                            FundingReason reason, int tag, TakeLine line = TakeLine::Detail);

// WithdrawFromAccount: takes the amount from the chosen account at this position and
// returns the part it could not cover (0 when it covered all). Before the shown start age
// nothing is taken and 0 is returned.
float WithdrawFromAccount(const model::Scenario& scenario, Run& run, double amount, int tag,
                          FundingReason reason, int position);

// FundFromSavings: takes the amount from the savings accounts in table (access) order; what
// they cannot cover is taken from the first Investment account, which may go below 0.
// Schedule lines carry the tag (the event index, or the caller's tag).
void FundFromSavings(const model::Scenario& scenario, Run& run, double amount, FundingReason reason,
                     int tag);

}  // namespace tarvel::engine
