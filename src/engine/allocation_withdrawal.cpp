// Asset-allocation withdrawal: each selected account gives its share of the outflow; what an
// emptied account cannot give is carried on to the next selected account.
#include "engine/allocation_withdrawal.h"

#include <array>

namespace tarvel::engine {
namespace {

using Shares = std::array<double, model::kMaxAccounts>;

// Proportional (method 1): balance over the selected total; equal (method 2): one over the
// number of selected accounts with money.
Shares AllocationShares(const model::Scenario& scenario, const RunState& state) {
  const std::uint16_t method = scenario.accounts.allocation_method;
  double total = 0;
  int count = 0;
  for (int i = 0; i < state.account_count; ++i) {
    const model::Account& account = state.accounts[i];
    if (AllocationFlag(scenario, account) && account.balance > 0) {
      total += account.balance;
      ++count;
    }
  }
  Shares shares{};
  if (total <= 0) return shares;
  for (int i = 0; i < state.account_count; ++i) {
    const model::Account& account = state.accounts[i];
    if (!AllocationFlag(scenario, account) || account.balance <= 0) continue;
    if (method == 1) shares[i] = account.balance / total;
    if (method == 2) shares[i] = 1.0 / count;
  }
  return shares;
}

}  // namespace

bool AllocationFlag(const model::Scenario& scenario, const model::Account& account) {
  return account.slot < model::kMaxAccounts && scenario.settings.allocation_flag[account.slot] != 0;
}

double AllocationWithdrawal(const model::Scenario& scenario, Run& run, double amount,
                            FundingReason reason, int tag) {
  if (run.current_age < run.shown_start_age) return 0;
  const Shares shares = AllocationShares(scenario, run.state);
  double withdrawn = 0;
  double carry = 0;
  for (int i = 0; i < run.state.account_count && withdrawn < amount; ++i) {
    model::Account& account = run.state.accounts[i];
    if (shares[i] <= 0 || !IsSavingsAccount(account.type) || account.balance <= 0) continue;
    const double need = amount * shares[i] + carry;
    const double balance = account.balance;
    if (balance <= need) {
      TakeFromSavingsAccount(scenario, run, i, balance, reason, tag, TakeLine::Allocation);
      account.balance = 0;
      withdrawn += balance;
      carry = need - balance;
    } else {
      TakeFromSavingsAccount(scenario, run, i, need, reason, tag);
      withdrawn += need;
      carry = 0;
    }
  }
  const double rest = amount - withdrawn;
  return rest > 1.0 ? rest : 0;
}

}  // namespace tarvel::engine
