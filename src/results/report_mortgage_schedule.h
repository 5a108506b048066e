// The yearly schedule of one mortgage, computed from the edited event without running the
// scenario: principal and interest per year, running totals, equity, the property's value
// and what is still owed. Written to "psched.tmp" and printed as report pages.
#pragma once

#include <array>
#include <filesystem>
#include <vector>

#include "model/records.h"
#include "results/report_table.h"

namespace tarvel::results {

inline constexpr char kMortgageScheduleFileName[] = "psched.tmp";
inline constexpr std::array<const char*, 10> kMortgageScheduleTitles = {
    "Age",           "Principal", "Interest",        "Total Principal", "Total Interest",
    "Total Payment", "Equity",    "Inflated Equity", "Property Value",  "Property Liability"};

struct MortgageScheduleRow {
  int age = 0;
  double principal = 0;  // repaid in the year
  double interest = 0;
  double total_principal = 0;
  double total_interest = 0;
  double total_payment = 0;
  double equity = 0;           // down payment + principal repaid
  double inflated_equity = 0;  // equity + what the property gained in value
  double property_value = 0;
  double liability = 0;  // never below 0

  std::array<double, 9> Amounts() const;
};

// No rows when the terms do not describe a mortgage: a start age outside 1 to 119, a payoff
// or sale before the start, nothing financed, a rate outside 0 to 99.99 or a term outside 1
// to 100 years. The first row is the start age; the rows end at the term, the payoff or the
// sale, whichever comes first.
std::vector<MortgageScheduleRow> MortgageScheduleRows(const model::FinancialEvent& mortgage,
                                                      float scenario_start_age);

// "psched.tmp": the title line and one line per row, every value followed by a tab. False
// when the file cannot be created.
bool WriteMortgageScheduleFile(const std::vector<MortgageScheduleRow>& rows,
                               const std::filesystem::path& path);

// The rows in the layout of the report pages, for printing.
ReportTable MortgageScheduleTable(const std::vector<MortgageScheduleRow>& rows);

}  // namespace tarvel::results
