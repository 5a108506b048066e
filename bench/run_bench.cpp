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
using tarvel::bench::BenchFolder;
using tarvel::bench::LoadJsonScenario;
using tarvel::bench::MakeRun;
using tarvel::bench::PlanFiles;
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
  const BenchFolder workdir("tarvel_run_bench");
  // The scenario is only read, and one run object serves every run, as in a random-rate series.
  const Scenario& scenario = *stored;
  auto run = MakeRun(clock, workdir.path(), kind == Kind::ScheduleWithFiles);
  run->options.analysis = kind == Kind::Analysis;
  for (auto _ : state) {
    benchmark::DoNotOptimize(tarvel::engine::RunScenario(scenario, *run));
  }
}

void RegisterPlans() {
  for (const auto& path : PlanFiles({"one-account.json", "largest.json"})) {
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
  return tarvel::bench::RunRegisteredBenchmarks(argc, argv);
}
