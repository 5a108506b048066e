// The scenario file on disk: reading and writing it with the program state that travels
// with it, the working file of a new scenario, the save prompt, and the File menu flows
// New, Open, Save, Save As and the recent files, as steps that tell the shell what to show.
#pragma once

#include <optional>
#include <string>

#include "model/program.h"
#include "model/records.h"
#include "platform/prompter.h"

namespace tarvel::model {

// "Retirement Planner - name".
std::string WindowTitle(const std::string& name);
// A relative scenario name is taken relative to the working directory.
std::string ScenarioPath(const Program& program, const std::string& name);

// Replaces the scenario with the file named by the open name. False without a message when
// the file cannot be opened; false after the invalid-file message (scenario cleared, both
// names "tmp01.ret") when block 1, an event record or the account table is cut short.
bool ReadScenario(Program& program, Scenario& scenario, platform::Prompter& prompter);
// Writes the complete scenario over the save name, which must exist already. The old file
// is replaced only once the new one is wholly written.
bool WriteScenario(Program& program, Scenario& scenario, platform::Prompter& prompter);
// Creates the file, or overwrites it after the question, and writes the scenario to it.
bool SaveScenarioAs(Program& program, Scenario& scenario, platform::Prompter& prompter,
                    const std::string& name);
// Gives a new scenario the working name "temp<counter>1.ret" and writes its first blocks.
bool CreateWorkingFile(Program& program, Scenario& scenario, platform::Prompter& prompter);
// Nothing when the scenario is unmodified; else the answer to "Do you wish to save ...".
// A Yes whose save fails comes back as Cancel, so the asking command stops.
std::optional<platform::Answer> PromptSaveScenario(Program& program, Scenario& scenario,
                                                   platform::Prompter& prompter);

// What the shell does after a File menu command.
struct FileCommandOutcome {
  bool completed = false;            // false: stopped or failed
  std::optional<std::string> title;  // new window title
  std::optional<int> folder;         // folder to select
  bool refresh_folders = false;
  bool close_folder_windows = false;
  bool rebuild_recent_menu = false;
  bool rebuild_budget_menu = false;
  bool run_scenario = false;
  bool rebuild_event_list = false;
};

// New, after the save prompt and the choice to make accounts by hand.
FileCommandOutcome NewScenarioByHand(Program& program, Scenario& scenario,
                                     platform::Prompter& prompter);
FileCommandOutcome OpenScenarioCommand(Program& program, Scenario& scenario,
                                       platform::Prompter& prompter);
// Opens a named file (the open dialog's choice or a recent file), without the save prompt.
FileCommandOutcome OpenNamedScenario(Program& program, Scenario& scenario,
                                     platform::Prompter& prompter, const std::string& name);
// Recent file 0..5.
FileCommandOutcome OpenRecentFile(Program& program, Scenario& scenario,
                                  platform::Prompter& prompter, int index);
FileCommandOutcome SaveCommand(Program& program, Scenario& scenario, platform::Prompter& prompter);
FileCommandOutcome SaveAsCommand(Program& program, Scenario& scenario,
                                 platform::Prompter& prompter);

}  // namespace tarvel::model
