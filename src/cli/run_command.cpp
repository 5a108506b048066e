// `tarvel run FILE.ret`: reads the scenario, runs it once as the planner does on opening it,
// then once more in the form of a Save, and writes the results file (or prints its text), the
// period CSV and the run files.
#include "cli/run_command.h"

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <optional>
#include <vector>

#include "cli/historical_data.h"
#include "cli/opened_scenario.h"
#include "cli/option_checks.h"
#include "cli/private_folder.h"
#include "cli/standard_output.h"
#include "engine/data_folders.h"
#include "engine/random_rates.h"
#include "engine/run.h"
#include "model/atomic_file.h"
#include "model/fixed_format.h"
#include "model/money_format.h"
#include "model/records.h"
#include "model/windows_1252.h"
#include "results/schedule_run.h"

namespace tarvel::cli {
namespace {

constexpr char kPeriodsHeader[] =
    "index,age,investment,taxfree,retirement,assets,equity,networth,incoming,deposits,"
    "taxable_income,nontaxable_income,outgoing,withdrawals,taxes,interest_paid,penalties,"
    "loans,income_equity,income_assets,other_outgoing,purchasing_power\n";

std::string PeriodsText(const engine::Run& run) {
  std::string text = kPeriodsHeader;
  for (std::size_t i = 0; i < run.periods.size(); ++i) {
    text += std::to_string(i);
    for (float value : run.periods[i]) {
      text += ',';
      model::AppendFixed(text, value, model::kSixPlaces);
    }
    const float power = i < run.purchasing_power.size() ? run.purchasing_power[i] : 0.0f;
    text += ',';
    model::AppendFixed(text, power, model::kSixPlaces);
    text += '\n';
  }
  return text;
}

// What the schedule shows: detailed results, the accounts each year, the yearly summary.
void SetShowOptions(const RunCommandOptions& options, engine::Run& run) {
  run.options.detailed = options.detailed;
  run.options.show_accounts = options.accounts;
  run.options.add_summary = !options.no_summary;
}

// The random-rate run asked for: its source, its seed (fixed, or from the clock) and the
// account statistics started afresh, as before every random run.
void SetRandomOptions(const RunCommandOptions& options, model::Scenario& scenario,
                      engine::Run& run) {
  if (!options.random_accounts && !options.random_groups) return;
  run.options.random_accounts = options.random_accounts;
  run.options.random_groups = options.random_groups;
  run.options.random_seed =
      options.seed_given
          ? options.seed
          : static_cast<std::uint64_t>(std::chrono::system_clock::now().time_since_epoch().count());
  engine::ResetAccountRateStatistics(scenario);
}

// Problems a finished run reports (a life table missing or damaged) are warnings.
void ShowWarnings(const engine::Run& run) {
  for (const engine::RunMessage& message : engine::RunProblemMessages(run.problems)) {
    std::fprintf(stderr, "%s\n", message.text.c_str());
  }
}

// The text of a results file, converted for the terminal, on standard output.
std::error_code PrintResults(const std::filesystem::path& results) {
  std::ifstream in(results, std::ios::binary);
  const std::string text = model::Utf8From1252(
      std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()));
  if (!in.good() && !in.eof()) return std::make_error_code(std::errc::io_error);
  return WriteStandardOutput(text);
}

// Options that cannot go together; empty when the command can go on.
std::string ConflictingOptions(const RunCommandOptions& options) {
  if (options.random_accounts && options.random_groups) {
    return "--random-accounts and --random-groups cannot be used together.";
  }
  const bool historical = options.historical_start != 0 || options.bootstrap;
  if (historical && (options.random_accounts || options.random_groups)) {
    return "--historical-start and --bootstrap cannot be used with random rates.";
  }
  if (options.historical_start != 0 && options.bootstrap) {
    return "--historical-start and --bootstrap cannot be used together.";
  }
  if (options.bootstrap && !options.seed_given) return "--bootstrap needs --seed.";
  if (options.seed_given && !options.random_accounts && !options.random_groups &&
      !options.bootstrap) {
    return "--seed needs --random-accounts, --random-groups or --bootstrap.";
  }
  if (options.block_years < 1) return "--block-years must be at least 1.";
  return {};
}

// The yearly rates of --historical-start or --bootstrap, read from the returns they keep
// pointing to; the exit status after reporting a problem, else 0.
int MakeHistoricalRates(const RunCommandOptions& options,
                        std::optional<analysis::HistoricalReturns>& returns,
                        std::unique_ptr<analysis::HistoricalRateSource>& rates) {
  if (options.historical_start == 0 && !options.bootstrap) return 0;
  std::string error;
  returns = LoadHistoricalData(engine::ProgramDataFolders("."), error);
  if (!returns) return Fail(error);
  rates = HistoricalRatesForRun({options.historical_start, options.bootstrap, options.seed,
                                 options.block_years, !options.no_historical_inflation},
                                *returns, error);
  // The data was read: what is left is a start year outside it.
  return rates ? 0 : Usage(error);
}

}  // namespace

int RunRunCommand(const RunCommandOptions& options) {
  if (const std::string conflict = ConflictingOptions(options); !conflict.empty()) {
    return Usage(conflict);
  }
  const auto clock = ClockForToday(options.today);
  if (!clock) return 2;
  auto scenario = OpenScenarioFile(options.input);
  if (!scenario) return 1;
  std::optional<analysis::HistoricalReturns> returns;
  std::unique_ptr<analysis::HistoricalRateSource> historical_rates;
  if (const int status = MakeHistoricalRates(options, returns, historical_rates)) return status;
  PrivateFolder scratch;  // removed, with the run files in it, on every way out
  const bool print = options.schedule.empty() && options.periods.empty() && !options.quiet;
  std::filesystem::path results = options.schedule;
  FileRunSetup setup{options.input, options.workdir, clock.get()};
  setup.add_options = [&](engine::Run& run) { SetShowOptions(options, run); };
  setup.ready_run = [&](engine::Run& run) {
    if (print) {
      if (!scratch.Make()) return false;
      results = scratch.path() / "results.sch";
    }
    if (!results.empty()) {
      run.options.mode = engine::OutputMode::ResultsFile;
      run.options.saving = true;
      run.options.output_file = results;
    }
    SetRandomOptions(options, *scenario, run);
    run.options.yearly_rates = historical_rates.get();
    return true;
  };
  auto run = std::make_unique<results::ScheduleRun>();
  if (!RunOpenedFile(*scenario, setup, scratch, run.get())) return 1;
  ShowWarnings(*run);
  std::error_code error;
  if (!options.periods.empty() &&
      !model::WriteFileAtomically(options.periods, PeriodsText(*run), error)) {
    return Fail(model::CannotWriteMessage(options.periods, error));
  }
  if (print) {
    if (const std::error_code problem = PrintResults(results)) {
      return Fail(StandardOutputMessage(problem));
    }
  }
  return 0;
}

void AddRunCommand(CLI::App& app, int& status) {
  auto options = std::make_shared<RunCommandOptions>();
  CLI::App* command = app.add_subcommand("run", "Run a scenario and print or write its results");
  command->add_option("file", options->input, "Scenario file (.ret)")->required();
  command->add_option("--workdir", options->workdir, "Folder for the run files");
  command->add_option("--schedule", options->schedule, "Write the results file (.sch)");
  command->add_option("--periods", options->periods, "Write the period results as CSV");
  command->add_flag("--detailed", options->detailed, "Show detailed results");
  command->add_flag("--accounts", options->accounts, "Show the accounts each year");
  command->add_flag("--no-summary", options->no_summary, "Leave out the yearly summary");
  command->add_flag("--quiet", options->quiet,
                    "Print nothing when neither --schedule nor --periods is given");
  command->add_option("--today", options->today, "Today's date, YYYY-MM-DD");
  CLI::Option* accounts = command->add_flag("--random-accounts", options->random_accounts,
                                            "Run with random account rates");
  CLI::Option* groups =
      command->add_flag("--random-groups", options->random_groups, "Run with random group rates");
  accounts->excludes(groups);
  CLI::Option* seed =
      AddSeedOption(*command, options->seed, "Seed of the random rates, for a repeatable run");
  command->add_option("--historical-start", options->historical_start,
                      "Run with the historical returns from this year on");
  command->add_flag("--bootstrap", options->bootstrap,
                    "Run with blocks of historical years drawn with --seed");
  command->add_option("--block-years", options->block_years,
                      "Years per historical block with --bootstrap (default 5)");
  command->add_flag("--no-historical-inflation", options->no_historical_inflation,
                    "Keep the scenario's inflation in a historical run");
  command->callback([options, seed, command, &status] {
    options->seed_given = seed->count() > 0;
    const bool historical = options->historical_start != 0 || options->bootstrap;
    const OptionUse uses[] = {
        {"--block-years", options->bootstrap, "--bootstrap"},
        {"--no-historical-inflation", historical, "--historical-start or --bootstrap"},
    };
    if (const std::string problem = InapplicableOption(*command, uses); !problem.empty()) {
      status = Usage(problem);
      return;
    }
    status = RunRunCommand(*options);
  });
}

}  // namespace tarvel::cli
