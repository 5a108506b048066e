// The refinance analysis: two households budget the same monthly housing money, one paying the
// existing mortgage and one a refinanced mortgage; each saves what it does not pay, earns
// interest on its savings, pays tax on that interest and saves tax on its mortgage interest.
// Net worth is savings plus the principal repaid.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "calculators/calculator_input.h"

namespace tarvel::calculators {

enum RefinanceInput {
  kExistingStartAge,  // whole years
  kExistingAmount,    // currency
  kExistingRate,      // percent per year
  kExistingYears,     // whole years
  kRefinanceAge,      // whole part of what was typed
  kRefinancedAmount,  // 0 or below: what is still owed at the refinancing, plus the cash out
  kCashOut,           // currency
  kRefinancedRate,    // percent per year
  kRefinancedYears,   // whole years
  kClosingCosts,      // currency
  kPoints,            // percent of the refinanced amount
  kTaxRate,           // percent
  kSavingsRate,       // percent per year
};
using RefinanceValues = std::array<double, 13>;

struct RefinanceInputs {
  RefinanceValues values{};
  bool cash_out_as_savings = false;
  bool include_closing_costs = false;
  bool include_points = false;
};

// The checks in order; the first refused input wins.
std::optional<InputProblem> CheckRefinance(const RefinanceValues& values);

// One household's year in the details: net worth, savings, equity, difference in monthly
// payment, principal, interest, tax savings, savings interest, tax on interest.
struct RefinanceRow {
  int age = 0;
  char household = 'O';  // 'O' existing, 'R' refinanced
  std::array<float, 9> values{};
};

// A point of the graph: the months since the refinancing and both net worths.
struct RefinancePoint {
  int month = 0;
  float existing = 0;
  float refinanced = 0;
};

struct RefinanceResult {
  float existing_payment = 0;    // P1
  float refinanced_amount = 0;   // after the closing costs and points it includes
  bool amount_computed = false;  // the amount typed was 0 or below
  float owed_amount = 0;         // the computed amount before costs and points were added
  float refinanced_payment = 0;  // P2
  float costs = 0;               // points x 0.01 x refinanced amount + closing costs
  // Months after the refinancing until the refinanced household's net worth has caught up
  // (1 when it has after the first month); none when it never does.
  std::optional<int> break_even_month;
  int plotted_months = 0;
  std::vector<RefinanceRow> rows;  // two rows at the refinancing age, then two a year
  // The start, every fourth month and the break-even month.
  std::vector<RefinancePoint> points;
};

// The whole comparison of checked inputs. Each mortgage pays only while the year's age is
// below its end age, and the years run from the start age to the later end age.
RefinanceResult CompareRefinance(const RefinanceInputs& inputs);

// "refprt.tmp": the details header, then each row's cells separated by tabs.
std::string RefinanceDetailsText(const RefinanceResult& result);
// A row's cells as the details list shows them: "%3d O", then the nine values "%16.2f".
std::vector<std::string> RefinanceRowCells(const RefinanceRow& row);
// "ref.tmp": the refinance plotter's input.
std::string RefinanceGraphText(const RefinanceResult& result);

}  // namespace tarvel::calculators
