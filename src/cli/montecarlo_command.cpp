// Reads and opens the scenario as `tarvel run` does, runs the analysis and prints or writes it.
#include "cli/montecarlo_command.h"

#include <cstdio>
#include <filesystem>
#include <memory>
#include <nlohmann/json.hpp>
#include <optional>

#include "analysis/analysis_report.h"
#include "analysis/historical_returns.h"
#include "analysis/monte_carlo.h"
#include "analysis/thread_pool.h"
#include "cli/historical_data.h"
#include "cli/opened_scenario.h"
#include "cli/option_checks.h"
#include "cli/private_folder.h"
#include "engine/data_folders.h"
#include "engine/life_tables.h"
#include "model/atomic_file.h"

namespace tarvel::cli {
namespace {

using nlohmann::ordered_json;

ordered_json TableJson(const analysis::PercentileTable& table) {
  ordered_json levels = ordered_json::object();
  for (std::size_t level = 0; level < analysis::kPercentileLevels.size(); ++level) {
    levels["p" + std::to_string(analysis::kPercentileLevels[level])] = table.values[level];
  }
  return levels;
}

// A flag's median first age is null when no run raised it.
ordered_json FlagsJson(const analysis::FailureCauses& causes, bool failures) {
  ordered_json flags = ordered_json::array();
  for (const analysis::FlagCause& cause : causes.flags) {
    if (cause.failure != failures) continue;
    flags.push_back({{"red_flag", cause.text},
                     {"share", cause.share},
                     {"runs", cause.runs},
                     {"median_first_age",
                      cause.median_age ? ordered_json(*cause.median_age) : ordered_json(nullptr)}});
  }
  return flags;
}

ordered_json CausesJson(const analysis::FailureCauses& causes) {
  ordered_json bins = ordered_json::array();
  for (const analysis::AgeBin& bin : causes.depletion) {
    bins.push_back({{"first_age", bin.first_age}, {"runs", bin.runs}});
  }
  return {{"failures", FlagsJson(causes, true)},
          {"warnings", FlagsJson(causes, false)},
          {"liquid_depletion_by_age", bins}};
}

ordered_json RankedJson(const analysis::AnalysisResult& result) {
  ordered_json runs = ordered_json::array();
  for (const analysis::RunOutcome& outcome : result.ranked) {
    ordered_json run = {{"run", outcome.index + 1}};
    if (result.options.source == analysis::RateSource::Historical) {
      run["start_year"] = outcome.start_year;
    } else {
      run["seed"] = outcome.seed;
    }
    run["final_net_worth"] = outcome.final_net_worth;
    run["success"] = outcome.success;
    runs.push_back(run);
  }
  return runs;
}

std::string DateText(const platform::Date& date) {
  char text[16];
  std::snprintf(text, sizeof text, "%04d-%02d-%02d", date.year, date.month, date.day);
  return text;
}

// Every setting that changes the figures is recorded, whether or not its source uses it.
std::string ResultJson(const analysis::AnalysisResult& result, const platform::Date& today) {
  const analysis::AnalysisOptions& options = result.options;
  ordered_json json = {
      {"success_probability", result.success_probability},
      {"runs", result.runs},
      {"seed", options.seed},
      {"source", std::string(analysis::RateSourceName(options.source))},
      {"block_years", options.block_years},
      {"wrap", options.wrap},
      {"historical_inflation", options.historical_inflation},
      {"assumed_allocation", options.assumed_allocation},
      {"today", DateText(today)},
  };
  if (!result.note.empty()) json["note"] = result.note;
  json["ages"] = result.ages;
  json["networth"] = TableJson(result.networth);
  json["networth_today"] = TableJson(result.networth_today);
  json["liquid"] = TableJson(result.liquid);
  json["failure_causes"] = CausesJson(result.causes);
  json["ranked_runs"] = RankedJson(result);
  return json.dump(2) + "\n";
}

std::optional<analysis::AnalysisOptions> AnalysisOptionsOf(
    const MonteCarloCommandOptions& options) {
  const auto source = analysis::RateSourceNamed(options.source);
  if (!source) {
    Usage("--source must be accounts, groups, historical or bootstrap, not \"" + options.source +
          "\".");
    return std::nullopt;
  }
  analysis::AnalysisOptions analysis;
  analysis.source = *source;
  analysis.runs = options.runs;
  analysis.seed = options.seed;
  analysis.block_years = options.block_years;
  analysis.threads = options.threads;
  analysis.wrap = options.wrap;
  analysis.historical_inflation = !options.no_historical_inflation;
  if (const std::string problem = analysis::OptionsProblem(analysis); !problem.empty()) {
    Usage(problem);
    return std::nullopt;
  }
  return analysis;
}

// Writes the text whole, or tells why not ("Cannot write x.csv: Is a directory").
bool WriteOutput(const std::string& path, const std::string& text) {
  std::error_code error;
  if (model::WriteFileAtomically(path, text, error)) return true;
  Fail(model::CannotWriteMessage(path, error));
  return false;
}

bool WriteOutputs(const MonteCarloCommandOptions& options, const analysis::AnalysisResult& result,
                  const platform::Date& today) {
  if (!options.csv.empty() && !WriteOutput(options.csv, AnalysisCsv(result))) return false;
  return options.json.empty() || WriteOutput(options.json, ResultJson(result, today));
}

// More threads than the hardware has only cost memory: the analysis runs on the hardware's.
void WarnAboutThreads(int requested) {
  const int hardware = analysis::HardwareThreads();
  if (requested <= hardware) return;
  std::fprintf(stderr,
               "warning: --threads %d is more than the %d hardware threads of this computer; "
               "the analysis runs on %d.\n",
               requested, hardware, hardware);
}

}  // namespace

std::optional<analysis::AnalysisOptions> ParseAnalysisOptions(
    const MonteCarloCommandOptions& options) {
  return AnalysisOptionsOf(options);
}

int AnalyseScenarioFile(const std::string& input, const analysis::AnalysisOptions& options,
                        const platform::Clock& clock, analysis::AnalysisResult& result) {
  auto scenario = OpenScenarioFile(input);
  if (!scenario) return 1;
  const auto data_folders = engine::ProgramDataFolders(".");
  std::optional<analysis::HistoricalReturns> returns;
  if (analysis::IsHistorical(options.source)) {
    std::string error;
    returns = LoadHistoricalData(data_folders, error);
    if (!returns) return Fail(error);
  }
  // The life tables are read once, for the opening run and every run of the analysis.
  const auto life_tables =
      std::make_shared<const engine::LifeTablesRead>(engine::ReadLifeTables(data_folders));
  FileRunSetup setup{input, ".", &clock};
  setup.add_options = [&life_tables](engine::Run& run) { run.options.life_tables = life_tables; };
  // The opening run writes no file: the current directory serves as its folder.
  PrivateFolder unused;
  if (!RunOpenedFile(*scenario, setup, unused, nullptr)) return 1;
  WarnAboutThreads(options.threads);
  analysis::JobControl control;
  result = analysis::RunMonteCarlo(
      {scenario.get(), &clock, data_folders, returns ? &*returns : nullptr, life_tables}, options,
      control);
  if (!result.ok()) return Fail(result.error);
  if (!result.warning.empty()) std::fprintf(stderr, "warning: %s\n", result.warning.c_str());
  return 0;
}

int RunMonteCarloCommand(const MonteCarloCommandOptions& options) {
  const std::optional<analysis::AnalysisOptions> analysis_options = AnalysisOptionsOf(options);
  if (!analysis_options) return 2;
  const auto clock = ClockForToday(options.today);
  if (!clock) return 2;
  analysis::AnalysisResult result;
  if (const int status = AnalyseScenarioFile(options.input, *analysis_options, *clock, result)) {
    return status;
  }
  const std::string text = AnalysisSummaryText(
      result, options.nominal ? analysis::MoneyBasis::Nominal : analysis::MoneyBasis::Today);
  if (std::fwrite(text.data(), 1, text.size(), stdout) != text.size() || std::fflush(stdout) != 0) {
    return Fail("Cannot write the analysis to standard output.");
  }
  return WriteOutputs(options, result, clock->Today()) ? 0 : 1;
}

void AddMonteCarloCommand(CLI::App& app, int& status) {
  auto options = std::make_shared<MonteCarloCommandOptions>();
  CLI::App* command = app.add_subcommand(
      "montecarlo", "Run a scenario many times with varying rates: success and percentiles");
  command->add_option("file", options->input, "Scenario file (.ret)")->required();
  command->add_option("--runs", options->runs, "Number of runs, 1 to 100000 (default 1000)");
  command->add_option("--source", options->source,
                      "Yearly rates: accounts, groups, historical or bootstrap");
  AddSeedOption(*command, options->seed, "Seed of the analysis (default 1)");
  command->add_option("--block-years", options->block_years,
                      "Bootstrap: years of history per block (default 5)");
  command->add_option("--threads", options->threads,
                      "Worker threads, at most the hardware's (default: every hardware thread)");
  command->add_flag("--wrap", options->wrap,
                    "Historical: also run the start years that run past the data, wrapping");
  command->add_flag("--no-historical-inflation", options->no_historical_inflation,
                    "Historical: keep the scenario's inflation rates");
  command->add_flag("--nominal", options->nominal,
                    "Summary: net worth in the money of each year instead of today's money");
  command->add_option("--csv", options->csv, "Write the percentiles by age as CSV");
  command->add_option("--json", options->json, "Write the whole analysis as JSON");
  command->add_option("--today", options->today, "Today's date, YYYY-MM-DD");
  command->callback([options, command, &status] {
    const bool historical = options->source == "historical" || options->source == "bootstrap";
    const OptionUse uses[] = {
        {"--block-years", options->source == "bootstrap", "--source bootstrap"},
        {"--wrap", options->source == "historical", "--source historical"},
        {"--no-historical-inflation", historical, "--source historical or bootstrap"}};
    const std::string problem = InapplicableOption(*command, uses);
    status = problem.empty() ? RunMonteCarloCommand(*options) : Usage(problem);
  });
}

}  // namespace tarvel::cli
