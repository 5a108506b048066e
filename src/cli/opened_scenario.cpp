// Reading and opening a scenario file for the command-line planner.
#include "cli/opened_scenario.h"

#include <cstdio>

#include "cli/cli_clock.h"
#include "cli/input_file.h"
#include "engine/data_folders.h"
#include "engine/run_problems.h"
#include "engine/run_scenario.h"
#include "engine/run_write_back.h"
#include "model/scenario_opening.h"
#include "model/scenario_ops.h"
#include "model/windows_1252.h"

namespace tarvel::cli {

int Fail(const std::string& message) {
  std::fprintf(stderr, "%s\n", message.c_str());
  return 1;
}

int Usage(const std::string& message) {
  std::fprintf(stderr, "%s\n", message.c_str());
  return 2;
}

namespace {

// The run made when a file is opened: it orders the events and the accounts and sets the
// start age in the scenario; its schedule and files are not kept.
void RunAsOpened(model::Scenario& scenario, const std::function<void(engine::Run&)>& set_options) {
  auto opening = std::make_unique<engine::Run>();
  set_options(*opening);
  opening->options.write_run_files = false;
  engine::RunScenario(scenario, *opening);
  engine::WriteBackRunFields(*opening, scenario);
}

// The options of a run in the working folder `workdir` of the scenario file `input`: the
// clock, the run files' folder, the file name shown in the pages, and the life tables looked
// for where --workdir points (the current directory without it), as for `tarvel run`.
void SetFileRunOptions(const std::string& input, const std::string& workdir_option,
                       const platform::Clock& clock, const std::filesystem::path& workdir,
                       engine::Run& run) {
  run.clock = &clock;
  run.options.workdir = workdir;
  run.options.scenario_file_name = std::filesystem::path(input).filename().string();
  run.options.data_folders =
      engine::ProgramDataFolders(workdir_option.empty() ? "." : workdir_option);
}

}  // namespace

std::unique_ptr<platform::Clock> ClockForToday(const std::string& today) {
  if (today.empty()) return std::make_unique<SystemClock>();
  if (const auto date = ParseDate(today)) return std::make_unique<FixedClock>(*date);
  Usage("--today needs a date as YYYY-MM-DD, not \"" + today + "\".");
  return nullptr;
}

bool DecodeScenarioFile(const std::string& path, std::span<const std::uint8_t> bytes,
                        model::Scenario& scenario) {
  const model::ScenarioOpening opening = model::OpenScenarioBytes(bytes, scenario);
  if (!opening.load.valid) {
    Fail(path + " doesn't seem to be a valid Tarvel Financial Planner file.");
    return false;
  }
  // Record text in the lines is Windows-1252; the path is the file system's bytes.
  for (const std::string& refusal : opening.refusals) {
    Fail(path + ": " + model::Utf8From1252(refusal));
  }
  if (!opening.usable()) return false;
  const std::string warning = model::CutShortWarning(path, opening.load);
  if (!warning.empty()) std::fprintf(stderr, "Warning: %s\n", warning.c_str());
  return true;
}

std::unique_ptr<model::Scenario> OpenScenarioFile(const std::string& path) {
  const auto bytes = ReadInputFile(path);
  if (!bytes) return nullptr;
  auto scenario = std::make_unique<model::Scenario>();
  if (!DecodeScenarioFile(path, *bytes, *scenario)) return nullptr;
  model::RecomputeInitialTotals(*scenario);
  return scenario;
}

bool RunOpenedFile(model::Scenario& scenario, const FileRunSetup& setup, PrivateFolder& scratch,
                   engine::Run* run) {
  const std::filesystem::path workdir = WorkingDirectoryFor(setup.workdir_option, scratch);
  if (workdir.empty()) return false;
  const auto set_options = [&](engine::Run& each) {
    SetFileRunOptions(setup.input, setup.workdir_option, *setup.clock, workdir, each);
    setup.add_options(each);
  };
  RunAsOpened(scenario, set_options);
  if (run == nullptr) return true;
  set_options(*run);
  if (!setup.ready_run(*run)) return false;
  const bool finished = engine::RunScenario(scenario, *run);
  // A file the run could not open or write whole fails the command, naming the file.
  for (const engine::RunProblem& problem : run->problems) {
    if (engine::IsFileProblem(problem)) {
      Fail(engine::RunProblemText(problem));
      return false;
    }
  }
  if (!finished) {
    Fail(run->problems.empty() ? std::string("The run was abandoned.")
                               : engine::RunProblemMessage(run->problems.front()).text);
    return false;
  }
  engine::WriteBackRunFields(*run, scenario);
  return true;
}

}  // namespace tarvel::cli
