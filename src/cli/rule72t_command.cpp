// `tarvel rule72t`: checks the ages and rate as the Rule 72T calculator does, reads the
// life-expectancy tables from the data folders and prints the three methods' amounts.
#include "cli/rule72t_command.h"

#include <cstdio>
#include <memory>
#include <optional>

#include "cli/option_checks.h"
#include "engine/data_folders.h"
#include "engine/life_tables.h"
#include "engine/rule72t.h"

namespace tarvel::cli {
namespace {

using engine::LifeExpectancySource;

std::optional<LifeExpectancySource> SourceOf(const std::string& table) {
  if (table == "single") return LifeExpectancySource::SingleLife;
  if (table == "uniform") return LifeExpectancySource::UniformLifetime;
  if (table == "joint") return LifeExpectancySource::JointLife;
  return std::nullopt;
}

// The calculator's own checks in its order, first problem only; empty when the values can
// be used.
std::string CheckValues(const Rule72TCommandOptions& o, LifeExpectancySource source) {
  if (source == LifeExpectancySource::UniformLifetime && (o.age < 10 || o.beneficiary_age < 10)) {
    return "Ages cannot be less than 10 when using the Uniform Life Table.";
  }
  if (o.age > 115 || o.beneficiary_age > 115) return "Ages cannot be more than 115.";
  if (!(o.rate > 0) || o.rate > 100) return "Rates must be between 0.0% and 100.0%";
  if (!(o.age > 0) || !(o.beneficiary_age > 0)) return "Ages must be greater than 0.0";
  if (!(o.balance >= 0) || o.balance > 1.0e15f) {
    return "The balance must be an amount of 0 or more.";
  }
  return {};
}

// Problems of the files the chosen table needs are shown; a missing one ends the command.
bool ReportTableProblems(const engine::LifeTablesRead& read, LifeExpectancySource source) {
  const bool joint_needed = source == LifeExpectancySource::JointLife;
  for (const engine::LifeTableProblem& problem : read.problems) {
    if (problem.file == engine::kJointTableFileName && !joint_needed) continue;
    std::fprintf(stderr, "%s\n", problem.text.c_str());
  }
  return read.mortality_found && (read.joint_found || !joint_needed);
}

}  // namespace

int RunRule72TCommand(const Rule72TCommandOptions& options) {
  const std::optional<LifeExpectancySource> source = SourceOf(options.table);
  if (!source) {
    std::fprintf(stderr, "--table must be single, uniform or joint.\n");
    return 2;
  }
  const std::string problem = CheckValues(options, *source);
  if (!problem.empty()) {
    std::fprintf(stderr, "%s\n", problem.c_str());
    return 2;  // an option value out of its range
  }
  const engine::LifeTablesRead read = engine::ReadLifeTables(engine::ProgramDataFolders("."));
  if (!ReportTableProblems(read, *source)) return 1;
  const engine::Rule72TAmounts amounts = engine::Rule72TResults(
      read.tables, options.age, options.beneficiary_age, options.balance, options.rate, *source);
  std::printf("annuitization: %.2f\n", static_cast<double>(amounts.annuitization));
  std::printf("amortization: %.2f\n", static_cast<double>(amounts.amortization));
  std::printf("minimum: %.2f\n", static_cast<double>(amounts.minimum));
  return 0;
}

void AddRule72TCommand(CLI::App& app, int& status) {
  auto options = std::make_shared<Rule72TCommandOptions>();
  CLI::App* command = app.add_subcommand("rule72t", "Yearly Rule 72T distributions of a balance");
  command->add_option("--age", options->age, "The owner's age")->required();
  command->add_option("--beneficiary-age", options->beneficiary_age, "The beneficiary's age")
      ->required();
  command->add_option("--balance", options->balance, "The account balance")->required();
  command->add_option("--rate", options->rate, "Interest rate, percent per year")->required();
  command->add_option("--table", options->table, "Life-expectancy table")
      ->check(CLI::IsMember({"single", "uniform", "joint"}));
  RefuseNonFiniteNumbers(*command);
  command->callback([options, &status] { status = RunRule72TCommand(*options); });
}

}  // namespace tarvel::cli
