// The run driver: prepares the run, simulates every year from the first simulated age to
// the end age, writes the final record, the rate statistics and the red flags.
#include "engine/run_scenario.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <string_view>

#include "engine/account_step.h"
#include "engine/event_step.h"
#include "engine/plot_file.h"
#include "engine/rule72t.h"
#include "engine/run_internal.h"
#include "model/event_views.h"
#include "model/fixed_format.h"
#include "model/record_counts.h"
#include "model/scenario_ops.h"
#include "model/whole_age.h"

namespace tarvel::engine {
namespace internal {

void ReportFileProblem(Run& run, RunProblemKind kind, std::string file, const FileHandle& handle) {
  run.problems.push_back({kind, std::move(file), handle.error().message(), handle.path().string()});
}

namespace {

void ReportNotWritten(Run& run, const FileHandle& file) {
  ReportFileProblem(run, RunProblemKind::FileNotWritten, file.path().string(), file);
}

}  // namespace

void CloseRunFile(Run& run, FileHandle& file) {
  if (!file.Close()) ReportNotWritten(run, file);
}

void CloseRunFiles(Run& run) {
  for (const FileHandle* file : run.files.CloseAll()) ReportNotWritten(run, *file);
}

std::array<bool, model::kMaxAccounts> MortgageEquityAccounts(const RunState& state) {
  std::array<bool, model::kMaxAccounts> marked{};
  for (int d = 0; d < state.debt_count; ++d) {
    const auto& event = state.events[state.debt_events[d]];
    if (event.kind != model::EventKind::Mortgage || model::IsInactive(event)) continue;
    state.MarkAccountsWithId(model::MortgageTerms(event).equity_account(), marked);
  }
  return marked;
}

namespace {

// Ages index arrays of 120 entries, so no run goes beyond age 120.
constexpr float kLastAge = static_cast<float>(kAgeSlots);

// A mortgaged property's value comes from its mortgage, not from the account entered.
void SetMortgageEquityAccounts(Run& run) {
  auto& accounts = run.state.accounts;
  for (int pass = 0; pass < 2; ++pass) {
    for (int d = 0; d < run.state.debt_count; ++d) {
      const auto& event = run.state.events[run.state.debt_events[d]];
      if (event.kind != model::EventKind::Mortgage || model::IsInactive(event)) continue;
      const model::MortgageTerms mortgage(event);
      const int position = run.state.FindAccount(mortgage.equity_account());
      if (position < 0) continue;
      auto& account = accounts[position];
      if (pass == 0) {
        account.balance = 0;
        account.initial_amount = 0;
      } else {
        account.balance += mortgage.owned_value();
        account.initial_amount += mortgage.owned_value();
      }
    }
  }
}

void ResetYearTotals(Run& run) {
  YearTotals& y = run.year;
  // The account step clears these five itself at the end of the year.
  const YearTotals kept = y;
  y = YearTotals{};
  y.withdrawal_taxes = kept.withdrawal_taxes;
  y.savings_interest_tax = kept.savings_interest_tax;
  y.property_taxes = kept.property_taxes;
  y.closing_costs = kept.closing_costs;
  y.total_taxes = kept.total_taxes;
  run.taken_from_investment = 0;
  run.taken_from_tax_free = 0;
}

void SetInitialBalances(const model::Scenario& scenario, Run& run) {
  const auto& initial = scenario.initial;
  CategoryTotals& c = run.categories;
  c.investment = initial.initial_investment;
  c.tax_free = initial.initial_tax_free;
  c.retirement = initial.initial_retirement;
  const auto mortgage_equity = MortgageEquityAccounts(run.state);
  for (int i = 0; i < run.state.account_count; ++i) {
    const auto& account = run.state.accounts[i];
    if (account.type == model::AccountType::Equity && !mortgage_equity[i]) {
      c.equity += account.initial_amount;
    }
  }
  c.asset += initial.initial_assets;
  for (int i = 0; i < run.state.account_count; ++i) {
    auto& account = run.state.accounts[i];
    account.balance = account.initial_amount;
    account.rate = account.yearly_rate;
    if (account.slot < model::kMaxAccounts) {
      run.state.first_withdrawal_age[account.slot] = 0;
    }
  }
}

// A card's debt joins the liabilities in its start year; a card that began before the
// scenario's start age joins them with what is left of it in the first shown year.
void AddCreditCardDebts(Run& run) {
  const int age = model::WholeAge(run.current_age);
  const bool first_shown_year = age == model::WholeAge(run.shown_start_age);
  for (int d = 0; d < run.state.debt_count; ++d) {
    const auto& event = run.state.events[run.state.debt_events[d]];
    const int start = model::WholeAge(event.start_age);
    if (event.kind == model::EventKind::Loan && model::IsCreditCard(event) &&
        (start == age || (first_shown_year && start < age))) {
      run.liabilities += model::CreditCardTerms(event).debt();
    }
  }
}

void WriteYearHeading(Run& run) {
  if (!run.sink.writes_text()) return;
  const int age = model::WholeAge(run.current_age);
  const float inflation = (age >= 0 && age < kAgeSlots) ? run.inflation_by_age[age] : 0.0f;
  run.sink.Emit("Financial Events:", -1);
  const auto emit_rate = [&run](std::string_view label, float rate) {
    std::string line(label);
    model::AppendFixed(line, rate, model::kRate);
    run.sink.Emit(line, -1);
  };
  emit_rate("  Inflation Rate = ", inflation * run.year_fraction);
  emit_rate("  Tax Rate = ", run.tax_rate);
  emit_rate("  Dividend Tax Rate = ", run.dividend_tax_rate);
}

void RunEvents(const model::Scenario& scenario, Run& run) {
  for (int slot = 0; slot < run.state.event_count; ++slot) EventStep(scenario, run, slot);
}

// A yearly rate source replaces the run's inflation rate in every year it has one for.
void TakeYearlyInflation(Run& run) {
  if (!run.options.yearly_rates) return;
  const int year = run.current_age >= run.shown_start_age ? run.year_index + 1 : 0;
  if (const auto rate = run.options.yearly_rates->InflationRate(year)) run.inflation_rate = *rate;
}

void SimulateYear(const model::Scenario& scenario, Run& run) {
  const float a = run.current_age;
  TakeYearlyInflation(run);
  run.year_fraction = 1.0f;
  if (a == run.shown_start_age) {
    SetMortgageEquityAccounts(run);
    run.year_fraction = 1.0f - (run.start_age - run.shown_start_age);
  }
  const int age = model::WholeAge(a);
  if (age >= 0 && age < kAgeSlots) {
    run.inflation_by_age[age] = run.inflation_rate * run.year_fraction;
  }
  ResetYearTotals(run);
  if (a == run.shown_start_age) SetInitialBalances(scenario, run);
  if (a >= run.shown_start_age) {
    ComputeRule72TAmounts(run);
    AddCreditCardDebts(run);
    ++run.year_index;
    WriteYearStart(scenario, run, false);
  }
  EmitSeparator(run, kLoopSeparatorWidth);
  WriteSummaryRow(scenario, run);
  WritePurchasingPower(scenario, run);
  EmitSeparator(run, kSummarySeparatorWidth);
  if (run.net_worth < 0) run.red_flags.net_worth_negative.Raise(age);
  WriteYearHeading(run);
  RunEvents(scenario, run);
  YearlyAccountStep(scenario, run);
  if (run.liabilities < 1.0f) run.liabilities = 0;
}

void WriteFinalRecord(const model::Scenario& scenario, Run& run) {
  ++run.year_index;
  const bool shown = run.current_age >= run.shown_start_age;
  if (shown) {
    WriteYearStart(scenario, run, true);
    WriteYearResult(scenario, run);
  }
  EmitSeparator(run, kFinalSeparatorWidth);
  WriteSummaryRow(scenario, run);
  WritePurchasingPower(scenario, run);
  if (shown && run.files.plot) {
    WritePlotTrailer(run.files.plot.get(), scenario, run.state.Accounts(), run.purchasing_power);
    CloseRunFile(run, run.files.plot);
  }
  run.year = YearTotals{};
}

void WriteRateStatistics(const model::Scenario& scenario, Run& run) {
  if (!run.options.detailed || !run.random_source_used || !run.sink.writes_text()) return;
  run.sink.Emit("Rate Statistics:", kAccountRatesTag);
  char line[256];
  if (run.options.random_accounts) {
    for (int i = 0; i < run.state.account_count; ++i) {
      const auto& account = run.state.accounts[i];
      if (account.slot >= model::kMaxAccounts) continue;
      const float count = run.state.drawn_rate_count[account.slot];
      if (!(count > 0)) continue;
      std::snprintf(line, sizeof line,
                    "Average %s Rate = %-6.2f Number = %-6.2f Min = %-6.2f Max = %-6.2f",
                    account.name.str().c_str(), account.drawn_rate_sum / count, count,
                    account.smallest_drawn_rate, account.largest_drawn_rate);
      run.sink.Emit(line, kAccountRatesTag);
    }
  }
  if (run.options.random_groups) {
    for (int g = 0; g < model::kMaxGroups; ++g) {
      const GroupRateStatistics& stats = run.group_statistics[g];
      if (stats.count <= 0) continue;
      std::snprintf(line, sizeof line,
                    "Average %s Rate    = %-6.2f Number = %-3d Min = %-6.2f Max = %-6.2f",
                    scenario.groups.names[g].str().c_str(), stats.sum / stats.count, stats.count,
                    stats.min, stats.max);
      run.sink.Emit(line, kAccountRatesTag);
    }
  }
}

void EmitRedFlag(Run& run, const RedFlag& flag, const char* text) {
  if (!flag.set) return;
  char line[160];
  std::snprintf(line, sizeof line, " %-5.1f  %s", static_cast<float>(flag.age), text);
  run.sink.Emit(line, -1);
}

void WriteRedFlags(Run& run) {
  const RedFlags& flags = run.red_flags;
  if (!flags.any() || !run.sink.writes_text()) return;
  run.sink.Emit("Red flags at age(s):", -1);
  EmitRedFlag(run, flags.penalty_paid, "A penalty was paid starting at this age.");
  EmitRedFlag(run, flags.liquid_depleted, "Liquid accounts were depleted.");
  EmitRedFlag(run, flags.withdrawal_account_depleted, "A withdrawal account was depleted.");
  EmitRedFlag(run, flags.rmd_depleted, "RMD accounts were depleted.");
  if (flags.transfers_not_completed.set) {
    const std::string text = model::Format(
        "There were %d transfer(s) not completed due to insufficient funds starting at this "
        "age.",
        flags.transfers_not_completed_count);
    EmitRedFlag(run, flags.transfers_not_completed, text.c_str());
  }
  EmitRedFlag(run, flags.net_worth_negative, "Your net worth went negative.");
}

void CloseRun(Run& run) {
  for (FileHandle* file : {&run.files.big, &run.files.incoming, &run.files.outgoing}) {
    if (*file) std::fputs("Dooone\n", file->get());
  }
  CloseRunFiles(run);
}

bool AnyFileNotWritten(const Run& run) {
  for (const RunProblem& problem : run.problems) {
    if (problem.kind == RunProblemKind::FileNotWritten) return true;
  }
  return false;
}

}  // namespace
}  // namespace internal

bool RunScenario(const model::Scenario& scenario, Run& run) {
  using namespace internal;
  run.state.filled = false;
  if (run.options.no_run) return true;
  switch (PrepareRun(scenario, run)) {
    case Preparation::kAbandoned:
      return false;
    case Preparation::kFinished:
      return true;
    case Preparation::kGoOn:
      break;
  }
  const float end_age = std::min(run.end_age, kLastAge);
  float a = run.first_simulated_age;
  for (; a < end_age; a += 1.0f) {
    run.current_age = a;
    run.sink.set_current_age(a);
    SimulateYear(scenario, run);
  }
  run.current_age = a;
  run.sink.set_current_age(a);
  WriteFinalRecord(scenario, run);
  DeflateDeferredPurchasingPower(run);
  WriteRateStatistics(scenario, run);
  WriteRedFlags(run);
  CloseRun(run);
  // The results stand, but a file the run was asked for is missing or cut short.
  return !AnyFileNotWritten(run);
}

}  // namespace tarvel::engine
