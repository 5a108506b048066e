// A Monte Carlo analysis: many text-free runs of one scenario, each with its own yearly rates,
// in parallel; percentiles of net worth by age, the success probability, failure causes and
// the runs ranked by final net worth.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "analysis/analysis_options.h"
#include "analysis/failure_causes.h"
#include "analysis/historical_returns.h"
#include "analysis/percentiles.h"
#include "analysis/run_outcome.h"
#include "analysis/thread_pool.h"
#include "model/records.h"
#include "platform/clock.h"

namespace tarvel::analysis {

// What the runs read. The scenario must be as a file is opened (its opening run made), and
// nothing may change it while the analysis runs; the runs only read it.
struct AnalysisInputs {
  const model::Scenario* scenario = nullptr;
  const platform::Clock* clock = nullptr;
  std::vector<std::filesystem::path> data_folders;  // life tables of RMD and Rule 72T runs
  const HistoricalReturns* returns = nullptr;       // needed by the historical sources
};

struct AnalysisResult {
  AnalysisOptions options;
  int runs = 0;                    // runs made (historical cycles: one per start year)
  bool cancelled = false;          // stopped before the end: nothing below is filled in
  std::string error;               // why nothing could run
  std::string note;                // about the runs made, e.g. start years that wrap
  std::string warning;             // when no account's rate varies (rate_variation.h)
  std::vector<float> ages;         // the age of each period
  PercentileTable networth;        // in money of the year
  PercentileTable networth_today;  // in today's money (the start age's purchasing power)
  PercentileTable liquid;          // investment, retirement and tax-free savings
  double success_probability = 0;  // fraction 0..1
  FailureCauses causes;
  std::vector<RunOutcome> ranked;  // lowest final net worth first

  bool ok() const { return error.empty() && !cancelled; }
};

// Runs the analysis on options.threads threads (every core for 0). The results do not depend
// on the number of threads. control.done counts finished runs; setting control.cancel stops
// the analysis after the runs under way.
AnalysisResult RunMonteCarlo(const AnalysisInputs& inputs, const AnalysisOptions& options,
                             JobControl& control);

}  // namespace tarvel::analysis
