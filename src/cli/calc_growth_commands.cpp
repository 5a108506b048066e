// The inflation, trade-off and taxes calculators on the command line.
#include "cli/calc_growth_commands.h"

#include <cstdio>
#include <memory>
#include <string>

#include "calculators/inflation.h"
#include "calculators/taxes.h"
#include "calculators/tradeoff.h"

namespace tarvel::cli {
namespace {

// A refused input is an option value out of its range: a usage error.
int Refuse(const calculators::InputProblem& problem) {
  std::fprintf(stderr, "%s\n", problem.message.c_str());
  return 2;
}

void PrintLine(const char* label, double value) { std::printf("%s: %.2f\n", label, value); }

void AddInflation(CLI::App& calc, int& status) {
  auto inputs = std::make_shared<model::InflationInputs>();
  CLI::App* command = calc.add_subcommand("inflation", "An amount grown by inflation");
  command->add_option("--amount", inputs->start_amount, "Amount at the start age")->required();
  command->add_option("--rate", inputs->rate, "Inflation, percent per year")->required();
  command->add_option("--start-age", inputs->start_age, "Start age")->required();
  command->add_option("--end-age", inputs->end_age, "End age")->required();
  command->callback([inputs, &status] {
    if (const auto problem = calculators::CheckInflation(*inputs)) {
      status = Refuse(*problem);
      return;
    }
    PrintLine("inflated amount", calculators::InflatedAmount(*inputs));
  });
}

struct TradeOffOptions {
  model::TradeOffInputs inputs;
  float tax_rate = 0;  // percent; 0 without tax
};

void AddTradeOffOption(CLI::App& command, TradeOffOptions& o, int option) {
  const std::string n = std::to_string(option + 1);
  command.add_option("--fixed-amount" + n, o.inputs.fixed_amount[option],
                     "Fixed amount of option " + n);
  command.add_option("--fixed-cost" + n, o.inputs.fixed_cost[option], "Fixed cost of option " + n);
  command.add_option("--income" + n, o.inputs.income_per_period[option],
                     "Income per period of option " + n);
  command.add_option("--cost" + n, o.inputs.cost_per_period[option],
                     "Cost per period of option " + n);
}

void AddTradeOff(CLI::App& calc, int& status) {
  auto options = std::make_shared<TradeOffOptions>();
  CLI::App* command = calc.add_subcommand("tradeoff", "Three options compared over periods");
  for (int option = 0; option < model::kTradeOffOptions; ++option) {
    AddTradeOffOption(*command, *options, option);
  }
  command->add_option("--periods", options->inputs.periods, "Number of periods")
      ->required()
      ->check(CLI::Range(0, calculators::kMostTradeOffPeriods));
  command->add_option("--tax", options->tax_rate, "Tax rate, percent, taken off every value");
  command->callback([options, &status] {
    if (const auto problem = calculators::CheckTaxRate(0, options->tax_rate)) {
      status = Refuse(*problem);
      return;
    }
    const bool taxed = options->tax_rate != 0;
    const calculators::TradeOffResults results = calculators::CompareTradeOffs(
        options->inputs, calculators::TradeOffTaxFactor(taxed, options->tax_rate));
    for (int option = 0; option < model::kTradeOffOptions; ++option) {
      std::printf("option %d: %.2f\n", option + 1, static_cast<double>(results.values[option]));
    }
    PrintLine("difference 1 and 2", results.difference_1_2);
    PrintLine("difference 2 and 3", results.difference_2_3);
    PrintLine("difference 1 and 3", results.difference_1_3);
    status = 0;
  });
}

void AddTaxes(CLI::App& calc, int& status) {
  auto inputs = std::make_shared<model::TaxesInputs>();
  CLI::App* command = calc.add_subcommand("taxes", "An investment after taxes and inflation");
  command->add_option("--amount", inputs->amount, "Amount invested")->required();
  command->add_option("--years", inputs->years, "Number of years")->required();
  command->add_option("--rate", inputs->yearly_rate, "Effective yearly rate of return, percent")
      ->required();
  command->add_option("--tax", inputs->tax_rate, "Tax rate, percent");
  command->add_option("--inflation", inputs->inflation_rate, "Yearly inflation, percent");
  command->callback([inputs, &status] {
    if (const auto problem = calculators::CheckTaxes(*inputs)) {
      status = Refuse(*problem);
      return;
    }
    const calculators::TaxesResults results = calculators::AnalyzeTaxes(*inputs);
    PrintLine("worth", results.worth);
    PrintLine("today's value", results.todays_value);
    std::printf("yearly rate: %.2f%%\n", static_cast<double>(results.yearly_rate));
  });
}

}  // namespace

void AddCalcGrowthCommands(CLI::App& calc, int& status) {
  AddInflation(calc, status);
  AddTradeOff(calc, status);
  AddTaxes(calc, status);
}

}  // namespace tarvel::cli
