// `tarvel calc ...`: the financial calculators on the command line, one subcommand per
// calculator, each printing what its dialog shows as "label: value" lines.
#pragma once

#include <CLI/CLI.hpp>
#include <optional>
#include <span>
#include <string>

#include "calculators/calculator_input.h"

namespace tarvel::cli {

// One calculator: its name after `calc` and how it registers its options; its callback sets
// the exit status (0 success, 2 a refused input, with the calculator's message on stderr).
struct CalcSubcommand {
  const char* name;
  void (*add)(CLI::App& calc, const char* name, int& status);
};

// The calculator subcommands, in the order `tarvel calc --help` lists them.
std::span<const CalcSubcommand> CalcSubcommands();

// Registers `calc` with every calculator subcommand.
void AddCalcCommand(CLI::App& app, int& status);

// Prints "label: value".
void PrintValue(const char* label, const std::string& value);
// "%.2f" of an amount.
std::string Amount(double value);
// Reports a refused input on stderr; the exit status of the subcommand (2 for a refused
// input, as for any option value out of its range).
int RefusedStatus(const std::optional<calculators::InputProblem>& problem);

// The loan calculators.
void AddMortgageCalc(CLI::App& calc, const char* name, int& status);
void AddAcceleratedCalc(CLI::App& calc, const char* name, int& status);
void AddRefinanceCalc(CLI::App& calc, const char* name, int& status);
void AddEffectiveRateCalc(CLI::App& calc, const char* name, int& status);

}  // namespace tarvel::cli
