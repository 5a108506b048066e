// `tarvel import FILE.ret FROM.csv|.txt|.tvi --update|--new [--add-new] [--dry-run]
// --out OUT.ret`: the account import without questions. Unknown accounts of an update are
// reported and left out unless --add-new; --dry-run prints the preview table instead.
#pragma once

#include <CLI/CLI.hpp>
#include <string>

namespace tarvel::cli {

struct ImportCommandOptions {
  std::string input;
  std::string report;
  std::string output;
  bool update = false;
  bool fresh = false;  // --new: the accounts of a new scenario
  bool add_new = false;
  bool dry_run = false;
};

// Returns the exit status: 0 success, 1 bad input, 2 usage.
int RunImportCommand(const ImportCommandOptions& options);
void AddImportCommand(CLI::App& app, int& status);

}  // namespace tarvel::cli
