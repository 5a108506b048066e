// The sample scenarios and the golden tests' scenarios, read from their JSON sources, for tests
// that check a promise on every scenario the planner ships or pins.
#pragma once

#include <filesystem>
#include <fstream>
#include <memory>
#include <nlohmann/json.hpp>
#include <vector>

#include "exchange/scenario_json.h"
#include "model/records.h"
#include "model/scenario_ops.h"

namespace tarvel::engine_test {

inline std::unique_ptr<model::Scenario> LoadJson(const std::filesystem::path& path) {
  std::ifstream in(path);
  const auto json = nlohmann::ordered_json::parse(in, nullptr, false);
  auto scenario = std::make_unique<model::Scenario>();
  if (json.is_discarded() || !exchange::ScenarioFromJson(json, *scenario).ok) return nullptr;
  model::RecomputeInitialTotals(*scenario);
  return scenario;
}

// Every sample and every golden scenario.
inline std::vector<std::filesystem::path> ScenarioFiles() {
  const std::filesystem::path data = TARVEL_SOURCE_DATA_DIR;
  std::vector<std::filesystem::path> files;
  for (const auto& folder : {data / "examples", data.parent_path() / "tests" / "golden"}) {
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
      if (entry.path().extension() == ".json") files.push_back(entry.path());
    }
  }
  return files;
}

}  // namespace tarvel::engine_test
