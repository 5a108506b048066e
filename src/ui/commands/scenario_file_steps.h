// The scenario and accounts files as the user meets them: the model's read and write steps
// with their messages and questions, the save prompt, the window title and the file dialogs.
#pragma once

#include <optional>
#include <string>

#include "model/file_result.h"
#include "model/program.h"
#include "model/records.h"
#include "platform/prompter.h"

namespace tarvel::ui {

// What an unnamed scenario is called wherever its name is shown.
inline constexpr char kUntitledName[] = "Untitled";
// The names the program gives a scenario the user has not named: none, the fallback name
// after an invalid file, and the working file of a new scenario.
bool IsWorkingScenarioName(const std::string& name);
// True while Save has no file of the user's choosing to write to.
bool IsUnnamedScenario(const model::Program& program);
// The save name, or "Untitled" for an unnamed scenario.
std::string ShownScenarioName(const model::Program& program);

// "Retirement Planner - name", with "Untitled" for a name the user did not choose.
std::string WindowTitle(const std::string& name);
platform::FileDialog ScenarioFileDialog(const model::Program& program, const char* title);
platform::FileDialog AccountsFileDialog(const model::Program& program, const char* title);

// What the user is told about a scenario file that could not be read, written or created,
// or was read with a warning; nothing for a plain success. A working file has its own wording for
// what cannot be created. A scenario that cannot be saved is named with the system's reason when
// one is given.
enum class ScenarioFileRole { Named, Working };
std::optional<platform::Message> ScenarioFileMessage(
    const model::FileResult& result, ScenarioFileRole role = ScenarioFileRole::Named,
    const std::string& reason = "");
// "Cannot write NAME accounts file!" or "Cannot read NAME accounts file!"; nothing for success.
std::optional<platform::Message> AccountsFileMessage(const model::FileResult& result, bool writing);

// Reads the scenario named by the open name; an invalid file is reported, a file that
// cannot be opened is not.
bool ReadScenarioQuietlyIfMissing(model::Program& program, model::Scenario& scenario,
                                  platform::Prompter& prompter);
// Writes the scenario to the save name, telling the user when it fails.
bool WriteScenarioOrSay(model::Program& program, model::Scenario& scenario,
                        platform::Prompter& prompter);
// Save As to a name: asks before overwriting an existing file; failures are told.
bool SaveScenarioAsAsking(model::Program& program, model::Scenario& scenario,
                          platform::Prompter& prompter, const std::string& name);
// Save As with the file dialog: the chosen name becomes the open and save name and goes first
// in the recent files. False, with the names as they were, when the dialog is cancelled or
// the save fails (the failure is told).
bool SaveScenarioUnderNewName(model::Program& program, model::Scenario& scenario,
                              platform::Prompter& prompter);
// Save Accounts: asks before overwriting; a failure is told.
bool WriteAccountsFileAsking(const std::string& path, const model::Scenario& scenario,
                             platform::Prompter& prompter);

// Nothing when the scenario is unmodified; else the answer to "Do you wish to save ...".
// Yes on an unnamed scenario asks for a name first. A Yes whose save fails or whose name is
// not given comes back as Cancel, so the asking command stops.
std::optional<platform::Answer> PromptSaveScenario(model::Program& program,
                                                   model::Scenario& scenario,
                                                   platform::Prompter& prompter);

}  // namespace tarvel::ui
