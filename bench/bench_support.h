// What the engine benchmarks share: a fixed clock, the plans they measure, a sample scenario
// read from its file (and opened as the planner opens it), a run set up in memory or with its
// run files, and the start of a benchmark program.
#pragma once

#include <benchmark/benchmark.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <iterator>
#include <memory>
#include <nlohmann/json.hpp>
#include <string>
#include <system_error>
#include <vector>

#include "engine/run.h"
#include "engine/run_scenario.h"
#include "engine/run_write_back.h"
#include "exchange/scenario_json.h"
#include "model/records.h"
#include "model/scenario_codec.h"
#include "model/scenario_ops.h"
#include "results/schedule_run.h"

namespace tarvel::bench {

class BenchClock : public platform::Clock {
 public:
  platform::Date Today() const override { return {2024, 3, 5}; }
  platform::TimeOfDay Now() const override { return {}; }
};

// A scenario file with its initial totals refreshed, as the planner opens it; nothing when
// it cannot be read.
inline std::unique_ptr<model::Scenario> LoadScenarioFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  const std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(in)),
                                        std::istreambuf_iterator<char>());
  auto scenario = std::make_unique<model::Scenario>();
  if (!model::DecodeScenario(bytes, *scenario).valid) return nullptr;
  model::RecomputeInitialTotals(*scenario);
  return scenario;
}

// A scenario read from its readable JSON form, with its initial totals refreshed; nothing when
// it cannot be read, with the reason in `error` when given.
inline std::unique_ptr<model::Scenario> LoadJsonScenario(const std::filesystem::path& path,
                                                         std::string* error = nullptr) {
  std::ifstream in(path);
  const auto json = nlohmann::ordered_json::parse(in, nullptr, false);
  auto scenario = std::make_unique<model::Scenario>();
  const auto load = json.is_discarded() ? exchange::JsonLoad{false, "not readable JSON"}
                                        : exchange::ScenarioFromJson(json, *scenario);
  if (!load.ok) {
    if (error) *error = path.string() + ": " + load.error;
    return nullptr;
  }
  model::RecomputeInitialTotals(*scenario);
  return scenario;
}

// A folder under the system's temporary folder for a benchmark's run files, removed with
// everything in it when the benchmark ends.
class BenchFolder {
 public:
  explicit BenchFolder(const std::string& name)
      : path_(std::filesystem::temp_directory_path() / name) {
    std::filesystem::create_directories(path_);
  }
  ~BenchFolder() {
    std::error_code error;
    std::filesystem::remove_all(path_, error);
  }
  BenchFolder(const BenchFolder&) = delete;
  BenchFolder& operator=(const BenchFolder&) = delete;

  const std::filesystem::path& path() const { return path_; }

 private:
  std::filesystem::path path_;
};

// The sample scenarios' JSON sources, then the named plans kept beside the benchmarks.
inline std::vector<std::filesystem::path> PlanFiles(
    std::initializer_list<const char*> bench_plans) {
  std::vector<std::filesystem::path> files;
  std::error_code error;
  for (const auto& entry : std::filesystem::directory_iterator(TARVEL_EXAMPLES_SOURCE_DIR, error)) {
    if (entry.path().extension() == ".json") files.push_back(entry.path());
  }
  for (const char* name : bench_plans)
    files.push_back(std::filesystem::path(TARVEL_BENCH_DATA_DIR) / name);
  return files;
}

// A scenario read from its JSON form as the planner opens it: its opening run orders the
// events and accounts. Nothing when it cannot be read, with the reason in `error`.
inline std::unique_ptr<model::Scenario> OpenedScenario(const std::filesystem::path& path,
                                                       const BenchClock& clock,
                                                       std::string& error) {
  auto scenario = LoadJsonScenario(path, &error);
  if (!scenario) return nullptr;
  auto opening = std::make_unique<engine::Run>();
  opening->clock = &clock;
  opening->options.write_run_files = false;
  engine::RunScenario(*scenario, *opening);
  engine::WriteBackRunFields(*opening, *scenario);
  return scenario;
}

inline std::unique_ptr<results::ScheduleRun> MakeRun(const BenchClock& clock,
                                                     const std::filesystem::path& workdir,
                                                     bool with_files) {
  auto run = std::make_unique<results::ScheduleRun>();
  run->clock = &clock;
  run->options.write_run_files = with_files;
  run->options.workdir = workdir;
  return run;
}

// Runs the benchmarks registered so far with the command line's choices; the exit status.
inline int RunRegisteredBenchmarks(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}

}  // namespace tarvel::bench
