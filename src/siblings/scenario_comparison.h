// The scenario comparer's side-by-side table: for each plan its net worth at the start age,
// at chosen ages and at the end age, its lowest net worth and when, the first age at which
// net worth turns negative, and its totals of incoming, outgoing, taxes and penalties.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "model/money_format.h"
#include "siblings/plot_file.h"

namespace tarvel::siblings {

inline constexpr int kMostComparedPlans = 4;  // the current plan and three more

// Ages shown unless others are chosen, each only where it lies inside a plan's span.
std::vector<int> DefaultComparisonAges();

struct PlanFigures {
  std::string name;
  float start_age = 0;
  float end_age = 0;
  float start_net_worth = 0;
  std::vector<std::optional<float>> net_worth_at;  // by chosen age; none outside the span
  float end_net_worth = 0;
  float lowest_net_worth = 0;
  int lowest_age = 0;
  std::optional<int> first_negative_age;  // none: never negative
  // Flows of the simulated years; the final record only repeats the last year's flows.
  double incoming = 0;
  double outgoing = 0;
  double taxes = 0;
  double penalties = 0;
};

// The figures of one plan's plot file (it holds at least one year).
PlanFigures FiguresOf(const PlotFile& plot, const std::string& name, const std::vector<int>& ages);

// The chosen ages that lie inside at least one plan's span, in order.
std::vector<int> AgesInside(const std::vector<PlotFile>& plans, const std::vector<int>& ages);

// The table as text cells: a header row ("", plan names...), then one row per figure.
using TextTable = std::vector<std::vector<std::string>>;
TextTable ComparisonTable(const std::vector<PlanFigures>& plans, const std::vector<int>& ages,
                          const model::Currency& currency);

// The same figures as CSV: plain numbers with two decimals, ages as whole numbers, an empty
// cell where a plan has no value.
std::string ComparisonCsv(const std::vector<PlanFigures>& plans, const std::vector<int>& ages);

}  // namespace tarvel::siblings
