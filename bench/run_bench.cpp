// One run of each sample scenario, of the one-account plan and of the largest plan the planner
// accepts: in memory (as a random-rate series runs it) and with the run files written (as the
// planner runs it after every edit).
#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "bench_support.h"
#include "engine/run_scenario.h"
#include "model/records.h"

namespace {

using tarvel::bench::BenchClock;
using tarvel::bench::LoadJsonScenario;
using tarvel::bench::MakeRun;
using tarvel::model::Scenario;

void RunPlan(benchmark::State& state, const std::filesystem::path& path, bool with_files) {
  std::string error;
  const auto stored = LoadJsonScenario(path, &error);
  if (!stored) {
    state.SkipWithError(error.c_str());
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

// The sample scenarios' JSON sources, then the plans kept beside the benchmarks.
std::vector<std::filesystem::path> PlanFiles() {
  std::vector<std::filesystem::path> files;
  std::error_code error;
  for (const auto& entry : std::filesystem::directory_iterator(TARVEL_EXAMPLES_SOURCE_DIR, error)) {
    if (entry.path().extension() == ".json") files.push_back(entry.path());
  }
  const std::filesystem::path data = TARVEL_BENCH_DATA_DIR;
  files.push_back(data / "one-account.json");
  files.push_back(data / "largest.json");
  return files;
}

void RegisterPlans() {
  for (const auto& path : PlanFiles()) {
    const std::string name = path.stem().string();
    benchmark::RegisterBenchmark(("Schedule/" + name).c_str(),
                                 [path](benchmark::State& state) { RunPlan(state, path, false); });
    benchmark::RegisterBenchmark(("ScheduleWithFiles/" + name).c_str(),
                                 [path](benchmark::State& state) { RunPlan(state, path, true); });
  }
}

}  // namespace

int main(int argc, char** argv) {
  RegisterPlans();
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
