// `tarvel montecarlo FILE.ret`: a Monte Carlo analysis of a scenario, printed as a summary and
// written as CSV and JSON on request.
#pragma once

#include <CLI/CLI.hpp>
#include <cstdint>
#include <string>

namespace tarvel::cli {

struct MonteCarloCommandOptions {
  std::string input;
  int runs = 1000;
  std::string source = "accounts";  // accounts|groups|historical|bootstrap
  std::uint64_t seed = 1;
  int block_years = 5;
  int threads = 0;  // every core
  bool wrap = false;
  bool no_historical_inflation = false;
  std::string csv;
  std::string json;
  std::string today;  // YYYY-MM-DD; the system date when empty
};

// Exit status: 0 done, 1 bad input or an unwritable file, 2 a malformed option.
int RunMonteCarloCommand(const MonteCarloCommandOptions& options);

void AddMonteCarloCommand(CLI::App& app, int& status);

}  // namespace tarvel::cli
