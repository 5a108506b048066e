// `tarvel export FILE.ret --csv|--tab OUT`: the yearly account balances of a run of the
// scenario, written as a comma- or tab-delimited file.
#pragma once

#include <CLI/CLI.hpp>
#include <string>

namespace tarvel::cli {

struct ExportCommandOptions {
  std::string input;
  std::string output;
  bool comma = false;
  bool tab = false;
  std::string today;  // YYYY-MM-DD; the system date when empty
};

// Returns the exit status: 0 success, 1 bad input, 2 usage.
int RunExportCommand(const ExportCommandOptions& options);
void AddExportCommand(CLI::App& app, int& status);

}  // namespace tarvel::cli
