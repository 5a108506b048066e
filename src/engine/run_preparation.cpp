// Preparing a run: output and plot files, event working fields, event and account order,
// the first simulated age, the birthday fraction and the run files.
#include <algorithm>
#include <cmath>
#include <memory>
#include <string>

#include "engine/birthday_fraction.h"
#include "engine/initial_rates.h"
#include "engine/plot_file.h"
#include "engine/run_internal.h"
#include "engine/run_write_back.h"
#include "model/event_listing.h"
#include "model/event_views.h"
#include "model/record_counts.h"
#include "model/scenario_ops.h"

namespace tarvel::engine::internal {
namespace {

using model::EventKind;

void ResetRunState(const model::Scenario& scenario, Run& run) {
  run.problems.clear();
  run.red_flags = RedFlags{};
  run.rmd_divisor_explained = {};
  for (int i = 0; i < 5; ++i) run.trackers[i] = MinMax{1000000.0f, -1000000.0f};
  run.trackers[5] = MinMax{10000000.0f, -10000000.0f};
  run.periods.clear();
  run.balance_rows.clear();
  run.purchasing_power.clear();
  run.deflation_deferred = false;
  run.category_series = CategorySeries{};
  run.random_source_used = false;
  run.tax_rate = scenario.initial.tax_rate;
  run.dividend_tax_rate = scenario.initial.dividend_tax_rate;
  run.inflation_rate = scenario.initial.inflation_rate;
  run.year_fraction = 1.0f;
}

// Opens the results or print file of modes 1 and 2 and writes the event listing into it.
bool OpenOutput(const model::Scenario& scenario, Run& run) {
  const OutputMode mode = run.options.mode;
  if (mode != OutputMode::ResultsList) {
    std::filesystem::path path = run.options.output_file;
    if (mode == OutputMode::PrintFile && path.empty())
      path = run.options.workdir / model::kPrintFileName;
    const bool opened = mode == OutputMode::ResultsFile ? run.files.output.OpenReplacing(path)
                                                        : run.files.output.Open(path, "w");
    if (!opened) {
      ReportProblem(run,
                    mode == OutputMode::ResultsFile ? RunProblemKind::ResultsFileNotOpened
                                                    : RunProblemKind::PrintFileNotOpened,
                    path.string());
      return false;
    }
  }
  run.sink.Begin(mode, run.files.output.get(), run.shown_start_age);
  run.sink.set_saving(run.options.saving);
  run.sink.set_suppress_detail(run.options.suppress_detail);
  run.sink.set_current_age(run.shown_start_age);
  if (mode != OutputMode::ResultsList) {
    // The listing shows the events in the order the run works through them.
    const auto arranged = std::make_unique<model::Scenario>(scenario);
    ArrangeForRun(*arranged);
    for (const auto& line : model::DescribeEvents(*arranged, run.options.currency)) {
      run.sink.WriteListingLine(line.text);
    }
  }
  return true;
}

bool OpenPlotFile(const model::Scenario& scenario, Run& run) {
  if (!run.files.plot.Open(run.options.workdir / run.options.plot_file_name, "w")) {
    ReportProblem(run, RunProblemKind::PlotFileNotOpened, run.options.plot_file_name);
    return false;
  }
  const platform::Date date = run.clock ? run.clock->Today() : platform::Date{};
  const platform::TimeOfDay time = run.clock ? run.clock->Now() : platform::TimeOfDay{};
  WritePlotHeader(run.files.plot.get(), scenario, run.options.scenario_file_name, date, time);
  return true;
}

void ResetEventWorkingFields(RunState& state) {
  for (int i = 0; i < state.event_count; ++i) {
    auto& event = state.events[i];
    // Every kind keeps its run-time state where a debt keeps its schedule.
    const model::DebtTerms debt(event);
    debt.working_amount() = 0;
    debt.owned_value() = 0;
    model::SetStatus(event, model::EventStatus::NotStarted);
    // A Transfer keeps its "all funds at start" choice there.
    if (event.kind != EventKind::Transfer) debt.months_paid() = 0;
    if (event.kind != EventKind::Fundamentals) {
      debt.principal_repaid() = 0;
      debt.interest_paid() = 0;
    }
  }
}

// The loop begins at the whole start age, or earlier at the earliest event.
void SetAgeRange(const model::Scenario& scenario, Run& run) {
  float first = run.shown_start_age;
  const int count = run.state.event_count;
  for (int i = 0; i < count; ++i) {
    const auto& event = run.state.events[i];
    if (event.kind == EventKind::Empty || event.kind == EventKind::Unset) continue;
    const float whole = std::floor(event.start_age);
    if (whole >= 0 && whole < first) first = whole;
  }
  run.first_simulated_age = first;
  run.end_age = scenario.initial.end_age;
}

void PrepareDebtEvents(RunState& state) {
  for (int i = 0; i < state.event_count; ++i) {
    auto& event = state.events[i];
    if (event.kind == EventKind::Loan || event.kind == EventKind::Mortgage) {
      model::DebtTerms(event).paid_off() = 0;
    }
    if (model::IsCreditCard(event)) model::CreditCardTerms(event).debt() = event.amount;
  }
}

// Equity loans on a property that will be sold follow their mortgage: its equity account,
// and a life within the mortgage's. A sell age of 0 means never sold: the loans stay as
// entered.
void AlignEquityLoans(RunState& state) {
  const int count = state.event_count;
  for (int m = 0; m < count; ++m) {
    const auto& mortgage = state.events[m];
    if (mortgage.kind != EventKind::Mortgage || model::IsInactive(mortgage)) continue;
    const model::MortgageTerms mortgage_terms(mortgage);
    const float sell_age = mortgage_terms.sell_age();
    if (!(sell_age > 0)) continue;
    for (int l = 0; l < count; ++l) {
      auto& loan = state.events[l];
      const model::EquityLoanTerms loan_terms(loan);
      if (!model::IsEquityLoan(loan) || loan_terms.mortgage_number() != mortgage.number ||
          model::IsInactive(loan)) {
        continue;
      }
      loan_terms.equity_account() = mortgage_terms.equity_account();
      if (loan.end_age > sell_age) loan.end_age = sell_age;
      if (loan.start_age < mortgage.start_age || loan.start_age > sell_age) {
        loan.start_age = mortgage.start_age;
      }
    }
  }
}

void ResetTotals(const model::Scenario& scenario, Run& run) {
  run.state.allocation_working = scenario.allocation.percent;
  run.year = YearTotals{};
  run.categories = CategoryTotals{};
  run.liabilities = 0;
  run.asset_adjustment = 0;
  run.equity_adjustment = 0;
  run.net_worth = 0;
}

void SetStartAge(const model::Scenario& scenario, Run& run) {
  const auto& initial = scenario.initial;
  float start = std::floor(initial.start_age);
  if (initial.use_birthday != 0) {
    const platform::Date today = run.clock ? run.clock->Today() : platform::Date{};
    start += BirthdayFraction(today, initial.birth_month, initial.birth_day);
  }
  run.start_age = start;
  run.state.start_age = start;
  run.state.start_age_set = true;
  run.year_index = -1;
  run.group_statistics.fill(GroupRateStatistics{});
  run.inflation_by_age.fill(0.0f);
}

void OpenRunFile(Run& run, FileHandle& file, const char* name) {
  if (!file.Open(run.options.workdir / name, "w")) {
    ReportProblem(run, RunProblemKind::RunFileNotOpened, name);
  }
}

void OpenRunFiles(Run& run) {
  OpenRunFile(run, run.files.big, model::kEventRunFileName);
  OpenRunFile(run, run.files.outgoing, model::kOutgoingRunFileName);
  OpenRunFile(run, run.files.incoming, model::kIncomingRunFileName);
  if (run.files.incoming) {
    const int count = run.state.account_count;
    std::fprintf(run.files.incoming.get(), "%d\n", count);
    for (int i = 0; i < count; ++i) {
      std::fprintf(run.files.incoming.get(), "%s\n", run.state.accounts[i].name.str().c_str());
    }
  }
}

void OpenExportFile(Run& run) {
  if (run.options.export_separator == 0 || run.options.export_file.empty()) return;
  if (!run.files.export_file.Open(run.options.export_file, "w")) {
    ReportProblem(run, RunProblemKind::ExportFileNotOpened, run.options.export_file.string());
  }
}

float PlotYears(const model::Scenario& scenario, const Run& run) {
  const AgeRange& range = run.options.graph_range;
  if (range.set) return range.last - range.first + 1.0f;
  return scenario.initial.end_age - scenario.initial.start_age + 1.0f;
}

}  // namespace

Preparation PrepareRun(const model::Scenario& scenario, Run& run) {
  ResetRunState(scenario, run);
  const bool analysis = run.options.analysis;
  run.sink.set_text_free(analysis);
  // The RMD entries follow the accounts' table choices; the events are ordered before any
  // listing is written, so the listing shows them in the order the run works through them.
  FillRunState(scenario, run.state);
  run.shown_start_age = std::floor(scenario.initial.start_age);
  if (!analysis && !OpenOutput(scenario, run)) return Preparation::kAbandoned;
  const bool run_files = run.options.write_run_files && !analysis;
  const bool plot = !run.options.listing_only && run_files;
  if (plot && !OpenPlotFile(scenario, run)) {
    run.files.CloseAll();
    return Preparation::kAbandoned;
  }
  ResetEventWorkingFields(run.state);
  if (run.options.detailed) WriteInitialRatesBlock(scenario, run);
  SetAgeRange(scenario, run);
  PrepareDebtEvents(run.state);
  ResetTotals(scenario, run);
  AlignEquityLoans(run.state);
  // The names go after the sort, so they stand in the order of every balance line below them.
  if (run.files.plot)
    WritePlotAccounts(run.files.plot.get(), run.state.Accounts(), PlotYears(scenario, run));
  if (!run.sink.saving()) run.sink.Emit("??", -1);
  if (run.options.listing_only || run.options.scenario_print) {
    run.files.CloseAll();
    return run.options.listing_only ? Preparation::kAbandoned : Preparation::kFinished;
  }
  SetStartAge(scenario, run);
  if (run_files) OpenRunFiles(run);
  if (!analysis) OpenExportFile(run);
  return Preparation::kGoOn;
}

}  // namespace tarvel::engine::internal
