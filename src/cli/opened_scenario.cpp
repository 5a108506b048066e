// Reading and opening a scenario file for the command-line planner.
#include "cli/opened_scenario.h"

#include <cstdio>

#include "cli/cli_clock.h"
#include "cli/input_file.h"
#include "engine/data_folders.h"
#include "engine/run_scenario.h"
#include "engine/run_write_back.h"
#include "model/scenario_codec.h"
#include "model/scenario_ops.h"

namespace tarvel::cli {

int Fail(const std::string& message) {
  std::fprintf(stderr, "%s\n", message.c_str());
  return 1;
}

int Usage(const std::string& message) {
  std::fprintf(stderr, "%s\n", message.c_str());
  return 2;
}

std::unique_ptr<platform::Clock> ClockForToday(const std::string& today) {
  if (today.empty()) return std::make_unique<SystemClock>();
  if (const auto date = ParseDate(today)) return std::make_unique<FixedClock>(*date);
  Usage("--today needs a date as YYYY-MM-DD, not \"" + today + "\".");
  return nullptr;
}

std::unique_ptr<model::Scenario> OpenScenarioFile(const std::string& path) {
  const auto bytes = ReadInputFile(path);
  if (!bytes) return nullptr;
  auto scenario = std::make_unique<model::Scenario>();
  if (!model::DecodeScenario(*bytes, *scenario).valid) {
    Fail(path + " doesn't seem to be a valid Tarvel Financial Planner file.");
    return nullptr;
  }
  model::RecomputeInitialTotals(*scenario);
  return scenario;
}

void RunAsOpened(model::Scenario& scenario, const std::function<void(engine::Run&)>& set_options) {
  auto opening = std::make_unique<engine::Run>();
  set_options(*opening);
  opening->options.write_run_files = false;
  engine::RunScenario(scenario, *opening);
  engine::WriteBackRunFields(*opening, scenario);
}

void SetFileRunOptions(const std::string& input, const std::string& workdir_option,
                       const platform::Clock& clock, const std::filesystem::path& workdir,
                       engine::Run& run) {
  run.clock = &clock;
  run.options.workdir = workdir;
  run.options.scenario_file_name = std::filesystem::path(input).filename().string();
  run.options.data_folders =
      engine::ProgramDataFolders(workdir_option.empty() ? "." : workdir_option);
}

}  // namespace tarvel::cli
