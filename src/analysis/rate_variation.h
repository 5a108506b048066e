// What an analysis can vary in a plan, said before it runs: the accounts whose rates differ
// from run to run, those that keep their fixed rate, whether inflation follows history, and a
// warning when no account's rate varies (every run would then be the same but for inflation).
#pragma once

#include <string>
#include <vector>

#include "analysis/analysis_options.h"
#include "model/records.h"

namespace tarvel::analysis {

struct RateVariation {
  std::vector<std::string> varying;  // account names, in the scenario's order
  std::vector<std::string> fixed;    // with the rate they keep: "Checking at 0.000%"
  // Among varying, those with the assumed allocation: "IRA (60 % large-cap stocks, ...)".
  std::vector<std::string> assumed;
  bool inflation_varies = false;  // historical inflation replaces the plan's
  // Historical sources: savings accounts without an allocation, that the assumed allocation
  // would make vary.
  int unallocated = 0;
  std::string warning;  // when no account varies; empty otherwise
};

// For the analysis these options ask for.
RateVariation DescribeRateVariation(const model::Scenario& scenario,
                                    const AnalysisOptions& options);

// One line each: which rates vary, which stay fixed, and what inflation does.
std::string RateVariationText(const RateVariation& variation);

}  // namespace tarvel::analysis
