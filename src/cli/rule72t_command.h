// `tarvel rule72t`: the yearly Rule 72T distribution of a balance by each of the three
// methods, as the Rule 72T calculator shows them.
#pragma once

#include <CLI/CLI.hpp>
#include <string>

namespace tarvel::cli {

struct Rule72TCommandOptions {
  float age = 0;              // the owner's age, whole years
  float beneficiary_age = 0;  // used by the joint table
  float balance = 0;
  float rate = 0;                // percent per year
  std::string table = "single";  // single, uniform or joint
};

// Prints "annuitization: %.2f", "amortization: %.2f" and "minimum: %.2f". Returns the exit
// status: 0 success, 1 a life-expectancy file that cannot be found, 2 a value out of range.
int RunRule72TCommand(const Rule72TCommandOptions& options);

// Registers the rule72t subcommand; its callback sets status.
void AddRule72TCommand(CLI::App& app, int& status);

}  // namespace tarvel::cli
