// The printed forms of an analysis: the summary for a terminal (success probability first,
// then the net-worth percentiles every fifth age and the failure causes) and the CSV table.
#pragma once

#include <string>
#include <vector>

#include "analysis/monte_carlo.h"

namespace tarvel::analysis {

// Net worth in today's money (the start age's purchasing power) or in the money of each year.
enum class MoneyBasis { Today, Nominal };

const PercentileTable& NetWorthTable(const AnalysisResult& result, MoneyBasis basis);

// The periods the summary shows: every fifth age from the first, and the last.
std::vector<int> SummaryPeriods(const AnalysisResult& result);

// "success probability: NN.N %" and the rest, one line each; the net worth in one basis.
std::string AnalysisSummaryText(const AnalysisResult& result, MoneyBasis basis);

// "age,p5,...,p95,today_p5,...,today_p95,liquid_p5,...,liquid_p95" and one row per age.
std::string AnalysisCsv(const AnalysisResult& result);

// An age as shown: whole ages without decimals ("65"), others with one ("65.5").
std::string AgeText(float age);

// The success probability as shown: "NN.N %".
std::string SuccessText(double probability);

// How to run ranked run `outcome` again: "seed S", "start year Y" or "bootstrap seed S".
std::string RunKeyText(RateSource source, const RunOutcome& outcome);

}  // namespace tarvel::analysis
