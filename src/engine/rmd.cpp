// Required minimum distributions out of the accounts assigned to a life-expectancy table:
// R = (sum of their balances above 0) / divisor of the age, shared out proportionally,
// equally or in account order, taxed as a withdrawal and never penalised.
#include "engine/rmd.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>

#include "engine/cash_flow_events.h"
#include "engine/funding.h"
#include "engine/line_text.h"
#include "model/event_views.h"
#include "model/money_format.h"
#include "model/record_counts.h"
#include "model/scenario_ops.h"
#include "model/whole_age.h"

namespace tarvel::engine {
namespace {

constexpr std::uint16_t kProportional = 1;
constexpr std::uint16_t kEqual = 2;

bool IsRetirement(const model::Account& account) {
  return account.type == model::AccountType::Retirement;
}

// Where one year's distribution goes and whose schedule lines it writes.
struct Distribution {
  const model::Scenario& scenario;
  Run& run;
  int slot;  // the RMD entry, for the schedule lines
  int age;   // whole current age
  int to;    // position of the transfer-to account, -1 none
};

// Moves x from the assigned account at this position to the transfer-to account, charging
// the withdrawal tax. The amount leaves the category of the account it comes from.
void Take(Distribution& d, int position, double x) {
  model::Account& account = d.run.state.accounts[position];
  account.balance = static_cast<float>(account.balance - x);
  d.run.categories.Add(account.type, -x);
  if (d.to >= 0) {
    model::Account& receiver = d.run.state.accounts[d.to];
    receiver.balance = static_cast<float>(receiver.balance + x);
    d.run.categories.Add(receiver.type, x);
  }
  const double tax = d.run.tax_rate * 0.01 * x;
  d.run.year.withdrawal_taxes = static_cast<float>(d.run.year.withdrawal_taxes + tax);
  d.run.year.total_taxes = static_cast<float>(d.run.year.total_taxes + tax);
  const std::string_view name = account.name.view();
  if (d.run.options.detailed) {
    const auto money = model::MoneyLater(x, d.run.options.currency);
    d.run.sink.Emit([&] { return LineText("      %s from %s", money(), name); }, d.slot);
  }
  d.run.files.Outgoing(static_cast<float>(d.age), name, x);
}

// Option 3: the table's accounts in table order, each giving at most its balance; a rest
// that they cannot cover is not distributed.
void TakeInAccountOrder(Distribution& d, int table, double rest) {
  for (int p = 0; p < d.run.state.account_count && rest > 0; ++p) {
    const model::Account& account = d.run.state.accounts[p];
    if (!IsAssignedToRmdTable(d.scenario, d.run.state, p, table) || !(account.balance > 0))
      continue;
    const double x = std::min<double>(rest, account.balance);
    Take(d, p, x);
    rest -= x;
  }
}

// Options 1 and 2: each account gives its share; what an account cannot give is carried to
// the next one, and a carry left after the last is taken in a second pass from the table's
// Retirement accounts in table order.
void TakeShares(Distribution& d, int table, double r, const RmdShares& shares) {
  double carry = 0;
  for (int p = 0; p < d.run.state.account_count; ++p) {
    const model::Account& account = d.run.state.accounts[p];
    if (!IsAssignedToRmdTable(d.scenario, d.run.state, p, table) || !(account.balance > 0))
      continue;
    double want = r * shares.share[p] + carry;
    if (account.balance < want) {
      carry = want - account.balance;
      want = account.balance;
    } else {
      carry = 0;
    }
    if (want > 0 && shares.share[p] > 0 && IsRetirement(account)) Take(d, p, want);
  }
  for (int p = 0; p < d.run.state.account_count && carry > 0; ++p) {
    const model::Account& account = d.run.state.accounts[p];
    if (!IsAssignedToRmdTable(d.scenario, d.run.state, p, table) || !IsRetirement(account) ||
        !(account.balance > 0)) {
      continue;
    }
    const double x = std::min<double>(carry, account.balance);
    Take(d, p, x);
    carry -= x;
  }
}

void WriteDivisorProblem(Run& run, int slot, int table, int index, float divisor) {
  const char* kText =
      "  Required Minimum Distribution - Detected a possible problem with the Life Expectancy "
      "Values in Table";
  std::string line;
  if (table == 2) {
    line = model::Format("%s 2.-%d,%f", kText, index, divisor);
  } else {
    line = model::Format("%s %d.", kText, table);
  }
  run.sink.Emit(line, slot);
}

// Says once a run, for each table, which age of the table lacks its divisor and how to fill
// the table.
void ExplainMissingDivisor(const model::AccountSettings& settings, Run& run, int slot, int table,
                           int age, float divisor) {
  bool& explained = run.rmd_divisor_explained[table - 1];
  if (explained) return;
  explained = true;
  const std::string name = settings.rmd_table_name[table - 1].str();
  const std::string shown = name.empty() ? model::Format("Table %d", table)
                                         : model::Format("Table %d (%s)", table, name.c_str());
  run.sink.Emit(model::Format("  %s has no life-expectancy divisor for age %d (value %.1f): no "
                              "distribution is taken in a year without one.",
                              shown.c_str(), age, double{divisor}),
                slot);
  run.sink.Emit(model::Format("  To fill the table, choose Edit > Required Minimum Distribution > "
                              "Edit Table %d Life Expectancy Values > Fill from the IRS Uniform "
                              "Lifetime Table.",
                              table),
                slot);
}

// The divisor index of the age, or -1 when the age is before the table's start. An age
// beyond the 30 divisors uses the last one; both cases write their problem line.
int DivisorIndex(Run& run, int slot, int age, std::int32_t start_age) {
  const long long index = static_cast<long long>(age) - start_age;
  if (index < 0) {
    run.sink.Emit(
        [&] {
          return model::Format(
              "  Required Minimum Distribution - Detected a possible problem "
              "with the start age of the distributions %d %d %d.",
              age, start_age, 0);
        },
        slot);
    return -1;
  }
  if (index >= model::kRmdTableLength) {
    run.sink.Emit(
        [&] {
          return model::Format(
              "  Required Minimum Distribution - Detected a possible problem "
              "with the end age of the distributions %d %d %d.",
              age, start_age, model::kRmdTableLength - 1);
        },
        slot);
    return model::kRmdTableLength - 1;
  }
  return static_cast<int>(index);
}

void WriteDistributionLines(Distribution& d, int table, float r) {
  const std::string_view name = d.scenario.settings.rmd_table_name[table - 1].view();
  const std::string_view to_name = AccountName(d.run.state, d.to);
  const auto money = model::MoneyLater(r, d.run.options.currency);
  d.run.sink.Emit(
      [&] {
        return LineText("  %s (using RMD Table %s) -  %s Transferred to the %s account.", name,
                        std::to_string(table), money(), to_name);
      },
      d.slot);
  if (d.to >= 0 && d.run.files.incoming) {
    WriteAmountRecord(d.run.files.incoming.get(), d.age, to_name, r);
  }
}

}  // namespace

RmdShares RmdBase(const model::Scenario& scenario, const RunState& state, int table) {
  RmdShares shares;
  double sum = 0;
  for (int p = 0; p < state.account_count; ++p) {
    const float balance = state.accounts[p].balance;
    if (!IsAssignedToRmdTable(scenario, state, p, table) || !(balance > 0)) continue;
    sum += balance;
    ++shares.count;
  }
  if (!(sum > 0)) return shares;
  shares.sum = static_cast<float>(sum);
  const std::uint16_t option = scenario.accounts.rmd_method;
  if (option != kProportional && option != kEqual) return shares;
  for (int p = 0; p < state.account_count; ++p) {
    const float balance = state.accounts[p].balance;
    if (!IsAssignedToRmdTable(scenario, state, p, table) || !(balance > 0)) continue;
    shares.share[p] =
        static_cast<float>(option == kProportional ? balance / sum : 1.0 / shares.count);
  }
  return shares;
}

void RequiredDistributionStep(const model::Scenario& scenario, Run& run, int slot) {
  if (slot < 0 || slot >= model::kEventSlots) return;
  const int table = model::RmdLine(run.state.events[slot]).table();
  if (table < 1 || table > model::kRmdTables) return;
  const int age = model::WholeAgeTowardZero(run.current_age);
  const model::AccountSettings& settings = scenario.settings;
  const int index = DivisorIndex(run, slot, age, settings.rmd_start_age[table - 1]);
  if (index < 0) return;
  const float divisor = settings.rmd_life_expectancy[table - 1][index];
  // No amount is defined without a divisor: the year distributes nothing.
  if (!(divisor > 0)) {
    WriteDivisorProblem(run, slot, table, index, divisor);
    ExplainMissingDivisor(settings, run, slot, table, settings.rmd_start_age[table - 1] + index,
                          divisor);
    return;
  }
  const RmdShares shares = RmdBase(scenario, run.state, table);
  const float r = static_cast<float>(double{shares.sum} / divisor);
  Distribution d{scenario, run, slot, age,
                 run.state.FindAccount(static_cast<std::uint16_t>(settings.rmd_transfer_account))};
  if (!(r > 0)) {
    run.sink.Emit(
        [&] {
          return model::Format("  %s (using RMD Table %d) - selected RMD accounts were depleted.",
                               settings.rmd_table_name[table - 1].str().c_str(), table);
        },
        slot);
    run.red_flags.rmd_depleted.Raise(age);
    return;
  }
  WriteDistributionLines(d, table, r);
  const std::uint16_t option = scenario.accounts.rmd_method;
  if (option == kProportional || option == kEqual) {
    TakeShares(d, table, r, shares);
  } else {
    TakeInAccountOrder(d, table, r);
  }
}

}  // namespace tarvel::engine
