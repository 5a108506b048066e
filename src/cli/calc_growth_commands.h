// `tarvel calc inflation|tradeoff|taxes`: the inflation, trade-off and taxes calculators, each
// printing what its dialog shows as "label: value" lines.
#pragma once

#include <CLI/CLI.hpp>

namespace tarvel::cli {

// Adds the three subcommands to the calc command; their callbacks set status (0 success,
// 1 a value the calculator refuses, with its message on stderr).
void AddCalcGrowthCommands(CLI::App& calc, int& status);

}  // namespace tarvel::cli
