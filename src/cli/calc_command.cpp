// `tarvel calc`: the table of calculator subcommands and what their output shares.
#include "cli/calc_command.h"

#include <array>
#include <cstdio>

#include "cli/calc_growth_commands.h"
#include "cli/option_checks.h"
#include "model/money_format.h"

namespace tarvel::cli {
namespace {

constexpr auto kCalcSubcommands = std::to_array<CalcSubcommand>({
    // {name, registration}; each calculator adds its row here.
    {"mortgage", AddMortgageCalc},
    {"accelerated", AddAcceleratedCalc},
    {"refinance", AddRefinanceCalc},
    {"effective", AddEffectiveRateCalc},
});

}  // namespace

std::span<const CalcSubcommand> CalcSubcommands() { return kCalcSubcommands; }

void AddCalcCommand(CLI::App& app, int& status) {
  CLI::App* calc = app.add_subcommand("calc", "Financial calculators");
  calc->require_subcommand(1);
  for (const CalcSubcommand& subcommand : kCalcSubcommands) {
    subcommand.add(*calc, subcommand.name, status);
  }
  AddCalcGrowthCommands(*calc, status);
  for (CLI::App* calculator : calc->get_subcommands([](const CLI::App*) { return true; })) {
    RefuseNonFiniteNumbers(*calculator);
  }
}

void PrintValue(const char* label, const std::string& value) {
  std::printf("%s: %s\n", label, value.c_str());
}

std::string Amount(double value) { return model::Format("%.2f", value); }

int RefusedStatus(const std::optional<calculators::InputProblem>& problem) {
  if (!problem) return 0;
  std::fprintf(stderr, "%s (%s)\n", problem->message.c_str(), problem->caption.c_str());
  return 2;
}

}  // namespace tarvel::cli
