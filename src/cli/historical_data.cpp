// Finding and reading the shipped historical returns.
#include "cli/historical_data.h"

#include "analysis/run_choice.h"
#include "engine/data_folders.h"

namespace tarvel::cli {

std::optional<analysis::HistoricalReturns> LoadHistoricalData(
    const std::vector<std::filesystem::path>& data_folders, std::string& error) {
  const std::filesystem::path path =
      engine::FindDataFile(data_folders, analysis::kHistoricalReturnsFile);
  if (path.empty()) {
    error = std::string("The historical returns ") + analysis::kHistoricalReturnsFile +
            " were not found among the program's data files.";
    return std::nullopt;
  }
  return analysis::ReadHistoricalReturns(path, error);
}

std::unique_ptr<analysis::HistoricalRateSource> HistoricalRatesForRun(
    const HistoricalRunRequest& request, const analysis::HistoricalReturns& returns,
    std::string& error) {
  analysis::RunChoice choice;
  choice.historical_inflation = request.historical_inflation;
  if (request.bootstrap) {
    choice.source = analysis::RateSource::Bootstrap;
    choice.seed = request.bootstrap_seed;
    choice.block_years = request.block_years;
  } else {
    choice.source = analysis::RateSource::Historical;
    choice.start_row = request.start_year - returns.first_year();
    if (choice.start_row < 0 || choice.start_row >= returns.count()) {
      error = "--historical-start must be a year from " + std::to_string(returns.first_year()) +
              " to " + std::to_string(returns.years.back().year) + ", not " +
              std::to_string(request.start_year) + ".";
      return nullptr;
    }
  }
  return analysis::RatesForChoice(choice, &returns);
}

}  // namespace tarvel::cli
