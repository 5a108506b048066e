// Monte Carlo analyses of each sample scenario and of the largest plan the planner accepts:
// runs per second on one thread and on two, with random account rates and with historical
// bootstrap sequences.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "analysis/historical_returns.h"
#include "analysis/monte_carlo.h"
#include "bench_support.h"

namespace {

using tarvel::analysis::AnalysisOptions;
using tarvel::analysis::RateSource;
using tarvel::bench::BenchClock;
using tarvel::bench::OpenedScenario;
using tarvel::bench::PlanFiles;

constexpr int kRunsPerAnalysis = 1000;  // the analysis default

void Analyse(benchmark::State& state, const std::filesystem::path& path, RateSource source,
             int threads) {
  const BenchClock clock;
  std::string error;
  const auto scenario = OpenedScenario(path, clock, error);
  std::string returns_error;
  const auto returns = tarvel::analysis::ReadHistoricalReturns(
      std::filesystem::path(TARVEL_EXAMPLES_SOURCE_DIR).parent_path() /
          tarvel::analysis::kHistoricalReturnsFile,
      returns_error);
  if (!scenario || !returns) {
    state.SkipWithError((error + returns_error).c_str());
    return;
  }
  AnalysisOptions options;
  options.source = source;
  options.runs = kRunsPerAnalysis;
  options.threads = threads;
  for (auto _ : state) {
    tarvel::analysis::JobControl control;
    const auto result = tarvel::analysis::RunMonteCarlo(
        {scenario.get(), &clock, {}, &*returns, nullptr}, options, control);
    benchmark::DoNotOptimize(result.success_probability);
  }
  state.SetItemsProcessed(state.iterations() * kRunsPerAnalysis);
}

void RegisterPlans() {
  for (const auto& path : PlanFiles({"largest.json"})) {
    for (const auto& [name, source] : {std::pair{"accounts", RateSource::RandomAccounts},
                                       std::pair{"bootstrap", RateSource::Bootstrap}}) {
      for (const int threads : {1, 2}) {
        const std::string title = "MonteCarlo/" + path.stem().string() + "/" + name +
                                  "/threads:" + std::to_string(threads);
        const RateSource chosen = source;
        benchmark::RegisterBenchmark(title.c_str(),
                                     [path, chosen, threads](benchmark::State& state) {
                                       Analyse(state, path, chosen, threads);
                                     })
            ->UseRealTime()
            ->Unit(benchmark::kMillisecond);
      }
    }
  }
}

}  // namespace

int main(int argc, char** argv) {
  RegisterPlans();
  return tarvel::bench::RunRegisteredBenchmarks(argc, argv);
}
