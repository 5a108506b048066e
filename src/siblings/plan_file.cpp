// The scenario is decoded, opened with one listing-free run (which orders its events and
// accounts), then run once more writing its run files, as the planner does after opening.
#include "siblings/plan_file.h"

#include <algorithm>
#include <cctype>
#include <fstream>
#include <iterator>
#include <memory>
#include <vector>

#include "engine/data_folders.h"
#include "engine/run_scenario.h"
#include "engine/run_write_back.h"
#include "model/record_counts.h"
#include "model/scenario_opening.h"
#include "model/scenario_ops.h"
#include "model/working_file_names.h"
#include "results/schedule_run.h"

namespace tarvel::siblings {
namespace {

void SetRunOptions(engine::Run& run, const std::filesystem::path& path,
                   const std::filesystem::path& scratch_folder, const platform::Clock& clock) {
  run.clock = &clock;
  run.options.workdir = scratch_folder;
  run.options.scenario_file_name = path.filename().string();
  run.options.data_folders = engine::ProgramDataFolders(scratch_folder);
}

}  // namespace

bool IsScenarioFile(const std::filesystem::path& path) {
  std::string extension = path.extension().string();
  std::transform(extension.begin(), extension.end(), extension.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return extension == ".ret";
}

PlotFileLoad RunScenarioFile(const std::filesystem::path& path,
                             const std::filesystem::path& scratch_folder,
                             const platform::Clock& clock) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return PlotFileLoad::Failed(CannotOpenMessage(path.string()));
  const std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(in)),
                                        std::istreambuf_iterator<char>());
  auto scenario = std::make_unique<model::Scenario>();
  const model::ScenarioOpening opening = model::OpenScenarioBytes(bytes, *scenario);
  if (!opening.load.valid) {
    return PlotFileLoad::Failed(path.string() +
                                " doesn't seem to be a valid Tarvel Financial Planner file.");
  }
  if (!opening.usable()) {
    return PlotFileLoad::Failed(path.string() + ": " + opening.refusals.front());
  }
  model::RecomputeInitialTotals(*scenario);
  std::error_code error;
  std::filesystem::create_directories(scratch_folder, error);
  {
    auto opening = std::make_unique<results::ScheduleRun>();
    SetRunOptions(*opening, path, scratch_folder, clock);
    opening->options.write_run_files = false;
    engine::RunScenario(*scenario, *opening);
    engine::WriteBackRunFields(*opening, *scenario);
  }
  auto run = std::make_unique<results::ScheduleRun>();
  SetRunOptions(*run, path, scratch_folder, clock);
  if (!engine::RunScenario(*scenario, *run)) {
    return PlotFileLoad::Failed("The scenario " + path.string() + " could not be run.");
  }
  PlotFileLoad load = ReadPlotFile((scratch_folder / model::kPlotFileName).string());
  if (load.ok()) load.data->path = path.string();
  return load;
}

PlotFileLoad LoadPlanFile(const std::filesystem::path& path,
                          const std::filesystem::path& scratch_folder,
                          const platform::Clock& clock) {
  if (IsScenarioFile(path)) return RunScenarioFile(path, scratch_folder, clock);
  return ReadPlotFile(path.string());
}

}  // namespace tarvel::siblings
