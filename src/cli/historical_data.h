// The historical returns the historical sources of `tarvel montecarlo` and `tarvel run` read,
// found among the program's data folders.
#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "analysis/historical_rates.h"
#include "analysis/historical_returns.h"

namespace tarvel::cli {

// The shipped table from the first data folder holding it; nothing, with the message in
// error, when it is missing or damaged.
std::optional<analysis::HistoricalReturns> LoadHistoricalData(
    const std::vector<std::filesystem::path>& data_folders, std::string& error);

// The single historical run a ranked analysis run names: the cycle starting in start_year
// (wrapping to the first year when the data ends) or, with a bootstrap seed, the blocks drawn
// with it. Nothing, with the message in error, for a year outside the data.
struct HistoricalRunRequest {
  int start_year = 0;  // 0 when not asked
  bool bootstrap = false;
  std::uint64_t bootstrap_seed = 0;
  int block_years = 5;
  bool historical_inflation = true;
};
std::unique_ptr<analysis::HistoricalRateSource> HistoricalRatesForRun(
    const HistoricalRunRequest& request, const analysis::HistoricalReturns& returns,
    std::string& error);

}  // namespace tarvel::cli
