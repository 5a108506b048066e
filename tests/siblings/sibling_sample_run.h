// A sample scenario run with its run files, as the planner leaves them for its siblings: the
// run's own results beside the plot file it wrote.
#pragma once

#include <filesystem>
#include <memory>
#include <string>

#include "engine/run_scenario.h"
#include "engine/scenario_files.h"
#include "results/schedule_run.h"
#include "support/fixed_clock.h"
#include "support/temp_folder.h"

namespace tarvel::siblings_test {

inline std::filesystem::path SamplePath(const std::string& name) {
  return std::filesystem::path(TARVEL_SOURCE_DATA_DIR) / "examples" / (name + ".json");
}

struct SiblingSampleRun {
  test_support::TempFolder folder;
  test_support::FixedClock clock;
  std::unique_ptr<model::Scenario> scenario;
  std::unique_ptr<results::ScheduleRun> run = std::make_unique<results::ScheduleRun>();
  bool ran = false;

  explicit SiblingSampleRun(const std::filesystem::path& json) {
    scenario = engine_test::LoadJson(json);
    if (!scenario) return;
    run->clock = &clock;
    run->options.workdir = folder.path();
    run->options.scenario_file_name = json.stem().string() + ".ret";
    run->options.data_folders = {TARVEL_SOURCE_DATA_DIR};
    ran = engine::RunScenario(*scenario, *run);
  }
  std::string PlotPath() const { return folder.File("plotinf01.tmp"); }
};

}  // namespace tarvel::siblings_test
