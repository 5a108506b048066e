// How one run of an analysis draws its rates, and setting up an engine run to use them: the
// analysis runs each run this way, and "open this run" runs it again the same way with its
// whole schedule.
#pragma once

#include <cstdint>
#include <memory>

#include "analysis/analysis_options.h"
#include "analysis/historical_rates.h"
#include "analysis/historical_returns.h"
#include "engine/run.h"

namespace tarvel::analysis {

struct RunChoice {
  RateSource source = RateSource::RandomAccounts;
  std::uint64_t seed = 0;  // random sources: the engine's seed; bootstrap: the block draws
  int start_row = 0;       // historical cycles: the data row of the run's first year
  int block_years = kDefaultBlockYears;
  bool historical_inflation = true;
  bool assumed_allocation = false;
};

// Run `index` of an analysis with these options.
RunChoice ChoiceForRun(const AnalysisOptions& options, int index);

// The yearly rates of a historical choice (long enough for any plan); nothing for the random
// sources or without data.
std::unique_ptr<HistoricalRateSource> RatesForChoice(const RunChoice& choice,
                                                     const HistoricalReturns* returns);

// Sets the rate options of a run for the choice; the caller gives the run a fresh generator.
void ApplyChoiceOptions(const RunChoice& choice, const HistoricalRateSource* rates,
                        engine::RunOptions& options);

// Sets the run's rate options for the choice: the random source with a fresh generator seeded
// with the choice's seed, or the historical rates (kept alive by the caller).
void ApplyChoice(const RunChoice& choice, const HistoricalRateSource* rates, engine::Run& run);

}  // namespace tarvel::analysis
