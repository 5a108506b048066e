// A run of a scenario that uses every event kind (read from its JSON form), and series of
// 100 random-rate runs of it and of each sample scenario, as a random-rate study runs them.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>
#include <string>

#include "bench_support.h"
#include "engine/random_rates.h"
#include "engine/run.h"
#include "engine/run_scenario.h"
#include "model/records.h"

namespace {

using tarvel::bench::BenchClock;
using tarvel::bench::BenchFolder;
using tarvel::bench::LoadJsonScenario;
using tarvel::bench::LoadScenarioFile;
using tarvel::bench::MakeRun;
using tarvel::engine::Run;
using tarvel::model::Scenario;

constexpr int kSeriesRuns = 100;

enum class Source { Accounts, Groups };

std::filesystem::path EveryKindPath() {
  return std::filesystem::path(TARVEL_BENCH_DATA_DIR) / "every-kind.json";
}

void RunEveryKind(benchmark::State& state, bool with_files) {
  const auto stored = LoadJsonScenario(EveryKindPath());
  if (!stored) {
    state.SkipWithError("every-kind.json cannot be read");
    return;
  }
  const BenchClock clock;
  const BenchFolder workdir("tarvel_every_kind_bench");
  // The scenario is only read, and one run object serves every run.
  auto run = MakeRun(clock, workdir.path(), with_files);
  run->options.detailed = true;
  for (auto _ : state) {
    benchmark::DoNotOptimize(tarvel::engine::RunScenario(*stored, *run));
  }
}

// One iteration is a series of 100 detailed random-rate runs in memory, seeds 1 to 100.
void RunRandomSeries(benchmark::State& state, const Scenario* stored, Source source) {
  if (!stored) {
    state.SkipWithError("the scenario cannot be read");
    return;
  }
  const BenchClock clock;
  // Every run of the series starts from the same statistics; the scenario is only read.
  auto scenario = std::make_unique<Scenario>(*stored);
  tarvel::engine::ResetAccountRateStatistics(*scenario);
  auto run = MakeRun(clock, ".", false);
  run->options.detailed = true;
  run->options.random_accounts = source == Source::Accounts;
  run->options.random_groups = source == Source::Groups;
  for (auto _ : state) {
    for (int i = 1; i <= kSeriesRuns; ++i) {
      run->options.random_seed = static_cast<std::uint64_t>(i);
      run->random = {};  // seeded afresh from the run's seed
      benchmark::DoNotOptimize(tarvel::engine::RunScenario(*scenario, *run));
    }
  }
  state.SetItemsProcessed(state.iterations() * kSeriesRuns);
}

void RegisterSeries(const std::string& name, std::shared_ptr<const Scenario> stored) {
  benchmark::RegisterBenchmark(
      ("RandomSeries100/" + name + "/accounts").c_str(),
      [stored](benchmark::State& state) { RunRandomSeries(state, stored.get(), Source::Accounts); })
      ->Unit(benchmark::kMillisecond);
  benchmark::RegisterBenchmark(
      ("RandomSeries100/" + name + "/groups").c_str(),
      [stored](benchmark::State& state) { RunRandomSeries(state, stored.get(), Source::Groups); })
      ->Unit(benchmark::kMillisecond);
}

void RegisterBenchmarks() {
  benchmark::RegisterBenchmark("EveryKind/RunInMemory",
                               [](benchmark::State& state) { RunEveryKind(state, false); });
  benchmark::RegisterBenchmark("EveryKind/RunWithFiles",
                               [](benchmark::State& state) { RunEveryKind(state, true); });
  RegisterSeries("every-kind", LoadJsonScenario(EveryKindPath()));
  std::error_code error;
  for (const auto& entry : std::filesystem::directory_iterator(TARVEL_EXAMPLES_BUILD_DIR, error)) {
    if (entry.path().extension() != ".ret") continue;
    RegisterSeries(entry.path().stem().string(), LoadScenarioFile(entry.path()));
  }
}

}  // namespace

int main(int argc, char** argv) {
  RegisterBenchmarks();
  return tarvel::bench::RunRegisteredBenchmarks(argc, argv);
}
