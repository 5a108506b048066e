// What the planner does with a scenario file it opens, for the commands that run one: the
// clock of --today, reading the file and the opening run.
#pragma once

#include <filesystem>
#include <functional>
#include <memory>
#include <string>

#include "engine/run.h"
#include "model/records.h"
#include "platform/clock.h"

namespace tarvel::cli {

// Prints the message on stderr and returns the exit status of bad input (1).
int Fail(const std::string& message);
// Prints the message on stderr and returns the exit status of a usage error (2).
int Usage(const std::string& message);

// The system clock when today is empty, else that fixed day; nothing for a bad date (the
// usage message is printed).
std::unique_ptr<platform::Clock> ClockForToday(const std::string& today);

// Reads a scenario file and refreshes its initial totals, as opening it in the planner does;
// nothing after printing the problem (a missing or invalid file).
std::unique_ptr<model::Scenario> OpenScenarioFile(const std::string& path);

// The run made when a file is opened: it orders the events and the accounts and sets the
// start age in the scenario; its schedule and files are not kept.
void RunAsOpened(model::Scenario& scenario, const std::function<void(engine::Run&)>& set_options);

// The options of a run in the working folder `workdir` of the scenario file `input`: the
// clock, the run files' folder, the file name shown in the pages, and the life tables looked
// for where --workdir points (the current directory without it), as for `tarvel run`.
void SetFileRunOptions(const std::string& input, const std::string& workdir_option,
                       const platform::Clock& clock, const std::filesystem::path& workdir,
                       engine::Run& run);

}  // namespace tarvel::cli
