// What the planner does with a scenario file it opens, for the commands that run one: the
// clock of --today, reading the file, the opening run and the run of the command itself.
#pragma once

#include <filesystem>
#include <functional>
#include <memory>
#include <span>
#include <string>

#include "cli/private_folder.h"
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

// Decodes a scenario file's bytes as the planner opens them. False after printing why the
// file is refused (not a scenario file, or values no plan can have); a file that ends inside
// a block is read, with a warning on stderr naming what took its defaults.
bool DecodeScenarioFile(const std::string& path, std::span<const std::uint8_t> bytes,
                        model::Scenario& scenario);

// Reads a scenario file and refreshes its initial totals, as opening it in the planner does;
// nothing after printing the problem (a missing or invalid file).
std::unique_ptr<model::Scenario> OpenScenarioFile(const std::string& path);

// How a command runs the scenario file it has opened.
struct FileRunSetup {
  std::string input;           // the scenario file
  std::string workdir_option;  // --workdir; empty for the command's private folder
  const platform::Clock* clock = nullptr;
  // The command's own options, set after the file's on the opening run and on its own run.
  std::function<void(engine::Run&)> add_options = [](engine::Run&) {};
  // Readies the command's own run for its output (results or print file, random rates...);
  // false after printing why the command cannot go on.
  std::function<bool(engine::Run&)> ready_run = [](engine::Run&) { return true; };
};

// Runs an opened scenario file as the commands do: makes the working folder (`scratch` when
// no --workdir is given), runs the scenario as opened, then runs `run` (nothing more when
// null) with the same options and writes its fields back into the scenario. False after
// printing the problem (the first problem of an abandoned run).
bool RunOpenedFile(model::Scenario& scenario, const FileRunSetup& setup, PrivateFolder& scratch,
                   engine::Run* run);

}  // namespace tarvel::cli
