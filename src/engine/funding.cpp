// Funds withdrawals from the chosen account and from savings in access order, charging taxes
// and early-withdrawal penalties; a shortfall drives the first Investment account below 0.
#include "engine/funding.h"

#include <string>
#include <string_view>

#include "engine/allocation_withdrawal.h"
#include "engine/line_text.h"
#include "model/money_format.h"
#include "model/whole_age.h"

namespace tarvel::engine {
namespace {

// Early-withdrawal penalty of the account for an amount taken at the run's age.
double EarlyWithdrawalPenalty(const model::Scenario& scenario, const model::Account& account,
                              float age, double x) {
  if (account.penalty_flag == 0 || account.slot >= model::kMaxAccounts) return 0;
  if (age >= scenario.settings.penalty_age[account.slot]) return 0;
  return x * scenario.settings.penalty_rate[account.slot] * 0.01;
}

void AddTo(float& total, double amount) { total = static_cast<float>(total + amount); }

void ChargeTaxesAndPenalties(const model::Scenario& scenario, Run& run,
                             const model::Account& account, double x, FundingReason reason) {
  const bool taxable =
      account.type == model::AccountType::Retirement && reason == FundingReason::Payment;
  if (taxable) {
    const double tax = run.tax_rate * 0.01 * x;
    AddTo(run.year.withdrawal_taxes, tax);
    AddTo(run.year.total_taxes, tax);
  }
  const bool penalised =
      account.type == model::AccountType::Retirement || account.type == model::AccountType::TaxFree;
  if (penalised && reason != FundingReason::Penalties) {
    AddTo(run.year.penalties, EarlyWithdrawalPenalty(scenario, account, run.current_age, x));
  }
}

void NoteFirstWithdrawal(Run& run, const model::Account& account) {
  if (account.type != model::AccountType::Retirement || account.penalty_flag == 0) return;
  if (account.slot >= model::kMaxAccounts) return;
  std::uint16_t& first_age = run.state.first_withdrawal_age[account.slot];
  if (first_age == 0)
    first_age = static_cast<std::uint16_t>(model::WholeAgeTowardZero(run.current_age));
}

// Whatever the savings could not cover: the first Investment account goes below 0, or,
// without one, only the Investment category total falls.
void TakeShortfall(Run& run, double x, int tag) {
  int first_investment = -1;
  for (int i = 0; i < run.state.account_count; ++i) {
    if (run.state.accounts[i].type == model::AccountType::Investment) {
      first_investment = i;
      break;
    }
  }
  const auto money = model::MoneyLater(x, run.options.currency);
  run.categories.Add(model::AccountType::Investment, -x);
  run.red_flags.liquid_depleted.Raise(model::WholeAgeTowardZero(run.current_age));
  if (first_investment < 0) {
    if (run.options.detailed) {
      run.sink.Emit(
          [&] {
            return LineText(
                "          All investment accounts depleted. %s withdrawn "
                "from investment savings category.",
                money());
          },
          tag);
    }
    return;
  }
  model::Account& account = run.state.accounts[first_investment];
  account.balance = static_cast<float>(account.balance - x);
  const std::string_view name = account.name.view();
  if (run.options.detailed) {
    run.sink.Emit(
        [&] {
          return LineText("          Savings depleted -- %s withdrawn from %s.", money(), name);
        },
        tag);
  }
  run.files.Outgoing(run.current_age, name, x);
}

}  // namespace

bool IsSavingsAccount(model::AccountType type) {
  return type == model::AccountType::Investment || type == model::AccountType::Retirement ||
         type == model::AccountType::TaxFree;
}

std::string_view AccountName(const RunState& state, int position) {
  if (position < 0 || position >= state.account_count) return {};
  return state.accounts[position].name.view();
}

void TakeFromSavingsAccount(const model::Scenario& scenario, Run& run, int position, double x,
                            FundingReason reason, int tag, TakeLine line) {
  model::Account& account = run.state.accounts[position];
  ChargeTaxesAndPenalties(scenario, run, account, x, reason);
  NoteFirstWithdrawal(run, account);
  account.balance = static_cast<float>(account.balance - x);
  run.categories.Add(account.type, -x);
  if (account.type == model::AccountType::Investment) AddTo(run.taken_from_investment, x);
  if (account.type == model::AccountType::TaxFree) AddTo(run.taken_from_tax_free, x);
  const std::string_view name = account.name.view();
  if (run.options.detailed) {
    const auto money = model::MoneyLater(x, run.options.currency);
    const char* format = line == TakeLine::Allocation ? "      %s from %s" : "          %s from %s";
    run.sink.Emit([&] { return LineText(format, money(), name); }, tag);
  }
  run.files.Outgoing(run.current_age, name, x);
}

float WithdrawFromAccount(const model::Scenario& scenario, Run& run, double amount, int tag,
                          FundingReason reason, int position) {
  if (run.current_age < run.shown_start_age) return 0;
  if (position < 0 || position >= run.state.account_count) return static_cast<float>(amount);
  model::Account& account = run.state.accounts[position];
  double rest = amount;
  if (IsSavingsAccount(account.type) && account.balance > 0) {
    const double balance = account.balance;
    if (balance - amount > 0) {
      TakeFromSavingsAccount(scenario, run, position, amount, reason, tag);
      return 0;
    }
    TakeFromSavingsAccount(scenario, run, position, balance, reason, tag);
    account.balance = 0;
    rest = amount - balance;
  }
  if (rest > 0) {
    const std::string_view name = account.name.view();
    const auto money = model::MoneyLater(rest, run.options.currency);
    run.sink.Emit(
        [&] {
          return LineText(
              "          Withdrawal account %s depleted %s withdrawn from "
              "other accounts!",
              name, money());
        },
        tag);
    if (model::WholeAgeTowardZero(run.current_age) >
        model::WholeAgeTowardZero(run.shown_start_age)) {
      run.red_flags.withdrawal_account_depleted.Raise(model::WholeAgeTowardZero(run.current_age));
    }
  }
  return static_cast<float>(rest);
}

void FundFromSavings(const model::Scenario& scenario, Run& run, double amount, FundingReason reason,
                     int tag) {
  if (run.current_age < run.shown_start_age || amount <= 0) return;
  double x = amount;
  const auto& table = scenario.accounts;
  const bool allocating = (table.allocation_method == 1 || table.allocation_method == 2) &&
                          run.current_age >= table.allocation_start_age;
  for (int i = 0; i < run.state.account_count; ++i) {
    const model::Account& account = run.state.accounts[i];
    if (!IsSavingsAccount(account.type) || account.balance <= 0) continue;
    if (allocating && x >= table.allocation_min_withdrawal && AllocationFlag(scenario, account)) {
      x = AllocationWithdrawal(scenario, run, x, reason, tag);
      if (x <= 0) return;
      if (account.balance <= 0) continue;
    }
    const double balance = account.balance;
    if (balance - x > 0) {
      TakeFromSavingsAccount(scenario, run, i, x, reason, tag);
      return;
    }
    TakeFromSavingsAccount(scenario, run, i, balance, reason, tag);
    run.state.accounts[i].balance = 0;
    x -= balance;
  }
  if (x > 0) TakeShortfall(run, x, tag);
}

}  // namespace tarvel::engine
