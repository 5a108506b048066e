// One run of each sample scenario, of the one-account plan and of the largest plan the planner
// accepts: in memory (schedule kept), with the run files written (as the planner runs it after
// every edit) and as a text-free analysis run (as a random-rate series runs it).
#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "bench_support.h"
#include "engine/run_scenario.h"
#include "model/records.h"

namespace {

using tarvel::bench::BenchClock;
using tarvel::bench::LoadJsonScenario;
using tarvel::bench::MakeRun;
using tarvel::model::Scenario;

enum class Kind { Schedule, ScheduleWithFiles, Analysis };

void RunPlan(benchmark::State& state, const std::filesystem::path& path, Kind kind) {
  std::string error;
  const auto stored = LoadJsonScenario(path, &error);
  if (!stored) {
    state.SkipWithError(error.c_str());
    return;
  }
  const BenchClock clock;
  const auto workdir = std::filesystem::temp_directory_path() / "tarvel_run_bench";
  std::filesystem::create_directories(workdir);
  // The scenario is only read, and one run object serves every run, as in a random-rate series.
  const Scenario& scenario = *stored;
  auto run = MakeRun(clock, workdir, kind == Kind::ScheduleWithFiles);
  run->options.analysis = kind == Kind::Analysis;
  for (auto _ : state) {
    benchmark::DoNotOptimize(tarvel::engine::RunScenario(scenario, *run));
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
    for (const auto& [prefix, kind] : {std::pair{"Schedule/", Kind::Schedule},
                                       std::pair{"ScheduleWithFiles/", Kind::ScheduleWithFiles},
                                       std::pair{"Analysis/", Kind::Analysis}}) {
      const Kind run_kind = kind;
      benchmark::RegisterBenchmark(
          (prefix + name).c_str(),
          [path, run_kind](benchmark::State& state) { RunPlan(state, path, run_kind); });
    }
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
