// `tarvel run FILE.ret`: one run of a scenario, as the planner runs it when the file is
// opened and its results are saved; writes the results file, the period CSV and run files,
// or prints the results file's text when no output is named.
#pragma once

#include <CLI/CLI.hpp>
#include <cstdint>
#include <string>

namespace tarvel::cli {

struct RunCommandOptions {
  std::string input;
  std::string workdir;   // run files; a private temporary folder when empty
  std::string schedule;  // results file (.sch)
  std::string periods;   // period results as CSV
  bool quiet = false;    // no results text on standard output
  bool detailed = false;
  bool accounts = false;
  bool no_summary = false;
  std::string today;             // YYYY-MM-DD; the system date when empty
  bool random_accounts = false;  // each account draws its own rate every year
  bool random_groups = false;    // each group draws one rate a year for its accounts
  bool seed_given = false;       // --seed: a repeatable random run
  std::uint64_t seed = 0;
  int historical_start = 0;  // --historical-start YEAR: one historical cycle; 0 none
  bool bootstrap = false;    // --bootstrap: historical blocks drawn with --seed
  int block_years = 5;
  bool no_historical_inflation = false;
};

// Returns the exit status: 0 success, 1 bad input with a one-line message on stderr,
// 2 a malformed option.
int RunRunCommand(const RunCommandOptions& options);

// Registers the run subcommand; its callback sets status.
void AddRunCommand(CLI::App& app, int& status);

}  // namespace tarvel::cli
