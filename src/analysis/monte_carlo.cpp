// The Monte Carlo driver: a probe run for the ages, the run count of the source, the runs on
// the thread pool, then the tables.
#include "analysis/monte_carlo.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <memory>
#include <utility>

#include "analysis/ranking.h"
#include "analysis/rate_variation.h"
#include "analysis/run_choice.h"
#include "engine/period_column.h"
#include "engine/run_problems.h"
#include "engine/run_scenario.h"

namespace tarvel::analysis {
namespace {

using engine::IndexOf;
using engine::PeriodColumn;

// Every run's values, run-major (value [run x periods + period]): each run writes one block of
// its own, so the workers never write into the same cache lines.
struct RunSeries {
  int periods = 0;
  int runs = 0;
  std::vector<float> networth;
  std::vector<float> networth_today;
  std::vector<float> liquid;
  std::vector<RunOutcome> outcomes;

  RunSeries(int period_count, int run_count)
      : periods(period_count),
        runs(run_count),
        networth(static_cast<std::size_t>(period_count) * run_count),
        networth_today(networth.size()),
        liquid(networth.size()),
        outcomes(static_cast<std::size_t>(run_count)) {}
};

std::unique_ptr<engine::Run> MakeAnalysisRun(const AnalysisInputs& inputs) {
  auto run = std::make_unique<engine::Run>();
  run->clock = inputs.clock;
  run->options.analysis = true;
  run->options.write_run_files = false;
  run->options.data_folders = inputs.data_folders;
  return run;
}

// The run with the plan's own fixed rates: its ages are the ages of every run.
bool ProbeAges(const AnalysisInputs& inputs, AnalysisResult& result) {
  auto run = MakeAnalysisRun(inputs);
  if (!engine::RunScenario(*inputs.scenario, *run)) {
    result.error = run->problems.empty() ? std::string("The scenario could not be run.")
                                         : engine::RunProblemMessage(run->problems.front()).text;
    return false;
  }
  for (const engine::PeriodResult& period : run->periods) {
    result.ages.push_back(period[IndexOf(PeriodColumn::Age)]);
  }
  if (result.ages.empty()) result.error = "The scenario has no years to simulate.";
  return !result.ages.empty();
}

std::string YearText(const HistoricalReturns& returns, int row) {
  return std::to_string(returns.years[row].year);
}

// Historical cycles: one run per start year whose years all fit in the data, or with wrap
// every start year. Zero after setting the error when none fits.
int CycleCount(const HistoricalReturns& returns, int years, bool wrap, AnalysisResult& result) {
  const int data = returns.count();
  const int fitting = std::max(0, data - years + 1);
  const std::string span = YearText(returns, 0) + "-" + YearText(returns, data - 1);
  if (!wrap) {
    if (fitting == 0) {
      result.error = "The plan's " + std::to_string(years) + " years do not fit in the " +
                     std::to_string(data) + " years of historical data (" + span +
                     "); turn on wrapping to run them.";
    }
    return fitting;
  }
  if (fitting < data) {
    result.note = "Start years " + YearText(returns, fitting) + " to " +
                  YearText(returns, data - 1) + " run past " + YearText(returns, data - 1) +
                  " and wrap to " + YearText(returns, 0) + ".";
  }
  return data;
}

int RunCount(const AnalysisInputs& inputs, const AnalysisOptions& options, int years,
             AnalysisResult& result) {
  if (!IsHistorical(options.source)) return options.runs;
  if (!inputs.returns || inputs.returns->count() == 0) {
    result.error = "The historical returns are not available.";
    return 0;
  }
  if (options.source == RateSource::Bootstrap) return options.runs;
  return CycleCount(*inputs.returns, years, options.wrap, result);
}

// A value that sorts: a NaN (a run gone wrong) counts as 0.
float Sortable(float value) { return std::isnan(value) ? 0.0f : value; }

void RunOne(const AnalysisInputs& inputs, const AnalysisOptions& options, int index,
            engine::Run& run, RunSeries& series) {
  const RunChoice choice = ChoiceForRun(options, index);
  const auto rates = RatesForChoice(choice, inputs.returns);
  ApplyChoice(choice, rates.get(), run);
  RunOutcome& outcome = series.outcomes[index];
  outcome.index = index;
  outcome.seed = choice.seed;
  if (rates) outcome.start_year = rates->FirstCalendarYear();
  if (!engine::RunScenario(*inputs.scenario, run) || run.periods.empty()) return;
  outcome.success = RunSucceeded(run);
  outcome.final_net_worth = Sortable(run.periods.back()[IndexOf(PeriodColumn::NetWorth)]);
  outcome.flags = run.red_flags;
  const int periods = std::min(series.periods, static_cast<int>(run.periods.size()));
  for (int p = 0; p < periods; ++p) {
    const std::size_t at = static_cast<std::size_t>(index) * series.periods + p;
    series.networth[at] = Sortable(run.periods[p][IndexOf(PeriodColumn::NetWorth)]);
    series.networth_today[at] = Sortable(
        p < static_cast<int>(run.purchasing_power.size()) ? run.purchasing_power[p] : 0.0f);
    series.liquid[at] = Sortable(LiquidBalance(run.periods[p]));
  }
}

// The three percentile tables, a period of one table per job, on the workers of the runs.
void FillPercentiles(const RunSeries& series, int workers, AnalysisResult& result) {
  const std::array<std::pair<const std::vector<float>*, PercentileTable*>, 3> tables = {{
      {&series.networth, &result.networth},
      {&series.networth_today, &result.networth_today},
      {&series.liquid, &result.liquid},
  }};
  for (const auto& [values, table] : tables) *table = EmptyPercentileTable(series.periods);
  std::vector<std::vector<float>> columns(static_cast<std::size_t>(workers));
  JobControl unwatched;  // the summary always finishes; the caller's counter is for runs
  RunJobs(
      static_cast<int>(tables.size()) * series.periods, workers,
      [&](int worker, int job) {
        const auto& [values, table] = tables[static_cast<std::size_t>(job / series.periods)];
        FillPercentilePeriod(*values, series.periods, job % series.periods, columns[worker],
                             *table);
      },
      unwatched);
}

void Summarise(const RunSeries& series, int workers, AnalysisResult& result) {
  FillPercentiles(series, workers, result);
  const auto successes = std::count_if(series.outcomes.begin(), series.outcomes.end(),
                                       [](const RunOutcome& o) { return o.success; });
  result.success_probability = static_cast<double>(successes) / series.runs;
  const int first_age = static_cast<int>(result.ages.front());
  const int last_age = static_cast<int>(result.ages.back());
  result.causes = CountFailureCauses(series.outcomes, first_age, last_age);
  result.ranked = RankByFinalNetWorth(series.outcomes);
}

}  // namespace

AnalysisResult RunMonteCarlo(const AnalysisInputs& inputs, const AnalysisOptions& options,
                             JobControl& control) {
  AnalysisResult result;
  result.options = options;
  result.error = OptionsProblem(options);
  if (!result.error.empty()) return result;
  if (!inputs.scenario) {
    result.error = "There is no scenario to analyse.";
    return result;
  }
  if (!ProbeAges(inputs, result)) return result;
  result.warning = DescribeRateVariation(*inputs.scenario, options).warning;
  const int years = static_cast<int>(result.ages.size()) - 1;
  result.runs = RunCount(inputs, options, std::max(years, 1), result);
  if (result.runs <= 0 || !result.error.empty()) return result;

  RunSeries series(static_cast<int>(result.ages.size()), result.runs);
  const int workers = WorkerCount(options.threads, result.runs);
  std::vector<std::unique_ptr<engine::Run>> runs(static_cast<std::size_t>(workers));
  for (auto& run : runs) run = MakeAnalysisRun(inputs);
  const bool finished = RunJobs(
      result.runs, workers,
      [&](int worker, int index) { RunOne(inputs, options, index, *runs[worker], series); },
      control);
  if (!finished) {
    result.cancelled = true;
    return result;
  }
  Summarise(series, workers, result);
  return result;
}

}  // namespace tarvel::analysis
