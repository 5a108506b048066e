// All state of one simulation run: options, the schedule sink, year totals, red flags and
// the results kept for reports and graphs. A run takes the scenario and one Run object;
// nothing else is shared, so two runs on two scenario copies can proceed in two threads.
#pragma once

#include <array>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "engine/life_tables.h"
#include "engine/period_column.h"
#include "engine/random_source.h"
#include "engine/run_files.h"
#include "engine/run_problems.h"
#include "engine/run_state.h"
#include "engine/schedule_sink.h"
#include "engine/yearly_rate_source.h"
#include "model/money_format.h"
#include "model/records.h"
#include "model/working_file_names.h"
#include "platform/clock.h"

namespace tarvel::engine {

inline constexpr int kPeriodColumns = kPeriodColumnCount;
inline constexpr int kBalanceColumns = 51;
inline constexpr int kAgeSlots = 120;  // arrays indexed by whole age 0..119

using PeriodResult = std::array<float, kPeriodColumns>;
using BalanceRow = std::array<float, kBalanceColumns>;

// Ages of the graph zoom: only years inside it reach the plot file.
struct AgeRange {
  bool set = false;
  float first = 0;
  float last = 0;
};

// Options set by the caller before RunScenario.
struct RunOptions {
  OutputMode mode = OutputMode::ResultsList;
  bool detailed = false;       // "Show detailed results"
  bool show_accounts = false;  // "Show accounts"
  bool add_summary = true;     // "Adding Summary Information to Results"
  bool random_accounts = false;
  bool random_groups = false;
  bool saving = false;           // writing a results file: no "??" heading
  bool suppress_detail = false;  // print-file pass: the sink drops schedule lines
  bool listing_only = false;
  bool scenario_print = false;
  bool no_run = false;          // start-up keyword: RunScenario returns at once
  bool write_run_files = true;  // plot file, bigfile.tmp, outfile.tmp, infile.tmp
  // Text-free analysis: every yearly result, red flag and statistic, but no schedule line is
  // built, the sink is never called and no file is written (mode and file options are ignored).
  bool analysis = false;
  AgeRange graph_range;
  char export_separator = 0;  // '\t' or ',' to write the export file; 0 none
  std::filesystem::path export_file;
  std::filesystem::path workdir = ".";
  std::filesystem::path output_file;  // results file (mode 1) or print file (mode 2)
  std::string scenario_file_name;     // shown in the plot-file header, without folder
  std::string plot_file_name = model::kPlotFileName;
  model::Currency currency;
  std::uint64_t random_seed = 1;
  // Rates from outside the scenario, year by year (historical sequences); none when null.
  // Owned by the caller and only read by the run.
  const YearlyRateSource* yearly_rates = nullptr;
  // Rule 72T: folders searched for mort.dat and jointtab.dat (the working directory when empty)
  std::vector<std::filesystem::path> data_folders;
  // Rule 72T calculator: the account id and whole age whose balance the run captures (-1 none)
  int rule72t_capture_account = -1;
  int rule72t_capture_age = -1;
};

// The running value of each account category, for the net-worth results.
struct CategoryTotals {
  float investment = 0;
  float tax_free = 0;
  float retirement = 0;
  float equity = 0;
  float asset = 0;

  // The total of the category an account type belongs to.
  float& Of(model::AccountType type) {
    switch (type) {
      case model::AccountType::Investment:
        return investment;
      case model::AccountType::TaxFree:
        return tax_free;
      case model::AccountType::Retirement:
        return retirement;
      case model::AccountType::Equity:
        return equity;
      default:
        return asset;
    }
  }
  // AddToCategory: adds an amount (negative to take out) to the category of a type.
  void Add(model::AccountType type, double amount) {
    float& total = Of(type);
    total = static_cast<float>(total + amount);
  }
};

// The flows of one year; the driver sets them to 0 at the start of every year.
struct YearTotals {
  float deposits = 0;
  float taxable_income = 0;
  float taxable_dividends = 0;
  float taxable_interest = 0;
  float nontaxable_income = 0;
  float nontaxable_dividends = 0;
  float tax_free_interest = 0;
  float retirement_interest = 0;
  float loans = 0;
  float sale_of_assets = 0;
  float sale_of_property = 0;
  float asset_appreciation = 0;
  float equity_appreciation = 0;
  float depreciation = 0;  // a negative sum
  float withdrawals = 0;
  float interest_paid = 0;
  float withdrawal_taxes = 0;      // cleared by the account step
  float savings_interest_tax = 0;  // cleared by the account step
  float dividend_taxes = 0;
  float property_taxes = 0;  // cleared by the account step
  float closing_costs = 0;   // cleared by the account step
  float penalties = 0;
  float deposit_taxes = 0;
  float total_dividends = 0;
  float total_taxes = 0;  // cleared by the account step
  float total_incoming = 0;
  // Debt events: down payments, costs, payments and payoffs; principal repaid by kind.
  float other_payments = 0;
  float mortgage_principal = 0;
  float loan_principal = 0;
};

// A red flag: set once per run with the whole age at which it first happened.
struct RedFlag {
  bool set = false;
  int age = 0;

  // Records the age the first time only.
  void Raise(int whole_age) {
    if (!set) {
      set = true;
      age = whole_age;
    }
  }
};

// In the order their lines are written after the run.
struct RedFlags {
  RedFlag penalty_paid;
  RedFlag liquid_depleted;
  RedFlag withdrawal_account_depleted;
  RedFlag rmd_depleted;
  RedFlag transfers_not_completed;
  int transfers_not_completed_count = 0;
  RedFlag net_worth_negative;

  bool any() const {
    return penalty_paid.set || liquid_depleted.set || withdrawal_account_depleted.set ||
           rmd_depleted.set || transfers_not_completed.set || net_worth_negative.set;
  }
};

struct MinMax {
  float min = 0;
  float max = 0;
};

// Drawn group rates of a run with random group rates.
struct GroupRateStatistics {
  int count = 0;
  float sum = 0;
  float min = 100.0f;
  float max = -100.0f;
};

// The values shown in the summary rows, by whole age.
struct CategorySeries {
  std::array<float, kAgeSlots> investment{};
  std::array<float, kAgeSlots> tax_free{};
  std::array<float, kAgeSlots> retirement{};
  std::array<float, kAgeSlots> asset{};
  std::array<float, kAgeSlots> equity{};
  std::array<float, kAgeSlots> liabilities{};
};

// Sections below are filled in by the engine files that own them.
struct Run {
  RunOptions options;
  const platform::Clock* clock = nullptr;
  RunSink sink;  // drops every line until the caller gives it an output
  // Problems the caller must show, e.g. a file that could not be opened.
  std::vector<RunProblem> problems;

  // --- run driver ---
  RunFiles files;
  RunState state;  // what the run changes; the scenario is only read
  float current_age = 0;
  float first_simulated_age = 0;
  float shown_start_age = 0;  // whole scenario start age
  float start_age = 0;        // scenario start age, fractional with the birthday option
  float end_age = 0;
  float year_fraction = 1.0f;
  int year_index = -1;
  float tax_rate = 0;  // the run's working rates; Fundamentals events change them
  float dividend_tax_rate = 0;
  float inflation_rate = 0;
  std::array<float, kAgeSlots> inflation_by_age{};
  std::vector<PeriodResult> periods;  // one per year index, the final record included
  std::vector<BalanceRow> balance_rows;
  std::vector<float> purchasing_power;
  // A text-free run deflates every year's net worth after the last year: the highest whole
  // age of each year index whose inflation applies.
  std::array<std::int16_t, kAgeSlots + 2> deflate_from{};
  bool deflation_deferred = false;
  CategorySeries category_series;
  float net_worth = 0;
  RedFlags red_flags;
  std::array<MinMax, 6> trackers{};
  std::array<GroupRateStatistics, model::kMaxGroups> group_statistics{};
  CategoryTotals categories;
  YearTotals year;
  float liabilities = 0;
  float asset_adjustment = 0;       // property held through debt events, Asset side
  float equity_adjustment = 0;      // property held through debt events, Equity side
  float taken_from_investment = 0;  // amounts funded from savings this year
  float taken_from_tax_free = 0;

  // --- account step ---
  bool random_source_used = false;
  std::array<float, model::kMaxGroups> group_drawn_rate{};
  // Random rates: the source is seeded once, at its first draw, from options.random_seed.
  RandomState random;
  std::array<bool, model::kMaxGroups> group_rate_shown{};  // group rate line written this year

  // --- cash-flow events and funding ---

  // --- RMD and Rule 72T ---
  LifeTables life_tables;              // read in the first shown year when a series runs
  // Tables whose missing divisor the run has explained in plain words (once per table).
  std::array<bool, model::kRmdTables> rmd_divisor_explained{};
  float rule72t_captured_balance = 0;  // the calculator's balance at its chosen age
};

}  // namespace tarvel::engine
