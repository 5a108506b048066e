// `tarvel montecarlo FILE.ret`: a Monte Carlo analysis of a scenario, printed as a summary and
// written as CSV and JSON on request.
#pragma once

#include <CLI/CLI.hpp>
#include <cstdint>
#include <optional>
#include <string>

#include "analysis/analysis_options.h"
#include "analysis/monte_carlo.h"
#include "platform/clock.h"

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
  bool nominal = false;  // the summary in the money of each year instead of today's
  std::string csv;
  std::string json;
  std::string today;  // YYYY-MM-DD; the system date when empty
};

// The analysis options of the command line; nothing after printing the usage problem.
std::optional<analysis::AnalysisOptions> ParseAnalysisOptions(
    const MonteCarloCommandOptions& options);

// Opens the scenario file as the planner does and analyses it; returns the exit status (0, or
// 1 after printing the problem). When no account's rate can vary, says so on stderr.
int AnalyseScenarioFile(const std::string& input, const analysis::AnalysisOptions& options,
                        const platform::Clock& clock, analysis::AnalysisResult& result);

// Exit status: 0 done, 1 bad input or an unwritable file, 2 a malformed option.
int RunMonteCarloCommand(const MonteCarloCommandOptions& options);

void AddMonteCarloCommand(CLI::App& app, int& status);

}  // namespace tarvel::cli
