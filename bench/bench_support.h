// What the engine benchmarks share: a fixed clock, a sample scenario read from its file and
// a run set up in memory or with its run files.
#pragma once

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "engine/run.h"
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

inline std::unique_ptr<results::ScheduleRun> MakeRun(const BenchClock& clock,
                                                     const std::filesystem::path& workdir,
                                                     bool with_files) {
  auto run = std::make_unique<results::ScheduleRun>();
  run->clock = &clock;
  run->options.write_run_files = with_files;
  run->options.workdir = workdir;
  return run;
}

}  // namespace tarvel::bench
