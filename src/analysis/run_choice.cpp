// Per-run rate choices of an analysis and their engine options.
#include "analysis/run_choice.h"

#include "analysis/run_seeds.h"

namespace tarvel::analysis {

RunChoice ChoiceForRun(const AnalysisOptions& options, int index) {
  RunChoice choice;
  choice.source = options.source;
  choice.seed = RunSeed(options.seed, index);
  choice.start_row = index;
  choice.block_years = options.block_years;
  choice.historical_inflation = options.historical_inflation;
  choice.assumed_allocation = options.assumed_allocation;
  return choice;
}

std::unique_ptr<HistoricalRateSource> RatesForChoice(const RunChoice& choice,
                                                     const HistoricalReturns* returns) {
  if (!returns || returns->count() == 0 || !IsHistorical(choice.source)) return nullptr;
  const int years = engine::kAgeSlots;
  std::vector<int> rows =
      choice.source == RateSource::Historical
          ? CycleSequence(choice.start_row, years, returns->count())
          : BootstrapSequence(choice.seed, years, returns->count(), choice.block_years);
  return std::make_unique<HistoricalRateSource>(
      *returns, std::move(rows), choice.historical_inflation, choice.assumed_allocation);
}

void ApplyChoiceOptions(const RunChoice& choice, const HistoricalRateSource* rates,
                        engine::RunOptions& options) {
  options.random_accounts = choice.source == RateSource::RandomAccounts;
  options.random_groups = choice.source == RateSource::RandomGroups;
  options.random_seed = choice.seed;
  options.yearly_rates = rates;
}

void ApplyChoice(const RunChoice& choice, const HistoricalRateSource* rates, engine::Run& run) {
  ApplyChoiceOptions(choice, rates, run.options);
  run.random = engine::RandomState{};
}

}  // namespace tarvel::analysis
