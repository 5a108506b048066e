// The printed forms of an analysis: the summary for a terminal (success probability first,
// then the net-worth percentiles every fifth age and the failure causes) and the CSV table.
#pragma once

#include <string>

#include "analysis/monte_carlo.h"

namespace tarvel::analysis {

// "success probability: NN.N %" and the rest, one line each.
std::string AnalysisSummaryText(const AnalysisResult& result);

// "age,p5,...,p95,today_p5,...,today_p95,liquid_p5,...,liquid_p95" and one row per age.
std::string AnalysisCsv(const AnalysisResult& result);

// An age as shown: whole ages without decimals ("65"), others with one ("65.5").
std::string AgeText(float age);

// The success probability as shown: "NN.N %".
std::string SuccessText(double probability);

// How to run ranked run `outcome` again: "seed S", "start year Y" or "bootstrap seed S".
std::string RunKeyText(RateSource source, const RunOutcome& outcome);

}  // namespace tarvel::analysis
