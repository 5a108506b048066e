// One run of each sample scenario: in memory (as a random-rate series runs it) and with
// the run files written (as the planner runs it after every edit).
#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>
#include <string>

#include "bench_support.h"
#include "engine/run_scenario.h"
#include "model/records.h"

namespace {

using tarvel::bench::BenchClock;
using tarvel::bench::LoadScenarioFile;
using tarvel::bench::MakeRun;
using tarvel::model::Scenario;

void RunSample(benchmark::State& state, const std::filesystem::path& path, bool with_files) {
  const auto stored = LoadScenarioFile(path);
  if (!stored) {
    state.SkipWithError("the sample scenario cannot be read");
    return;
  }
  const BenchClock clock;
  const auto workdir = std::filesystem::temp_directory_path() / "tarvel_run_bench";
  std::filesystem::create_directories(workdir);
  auto scenario = std::make_unique<Scenario>();
  for (auto _ : state) {
    *scenario = *stored;  // every run starts again from the stored scenario
    auto run = MakeRun(clock, workdir, with_files);
    benchmark::DoNotOptimize(tarvel::engine::RunScenario(*scenario, *run));
  }
  std::filesystem::remove_all(workdir);
}

void RegisterSamples() {
  const std::filesystem::path folder = TARVEL_EXAMPLES_BUILD_DIR;
  std::error_code error;
  for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
    if (entry.path().extension() != ".ret") continue;
    const auto path = entry.path();
    const std::string name = path.stem().string();
    benchmark::RegisterBenchmark(("RunInMemory/" + name).c_str(), [path](benchmark::State& state) {
      RunSample(state, path, false);
    });
    benchmark::RegisterBenchmark(("RunWithFiles/" + name).c_str(),
                                 [path](benchmark::State& state) { RunSample(state, path, true); });
  }
}

}  // namespace

int main(int argc, char** argv) {
  RegisterSamples();
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
