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

// "Retirement Planner - name".
std::string WindowTitle(const std::string& name);
platform::FileDialog ScenarioFileDialog(const model::Program& program, const char* title);
platform::FileDialog AccountsFileDialog(const model::Program& program, const char* title);

// What the user is told about a scenario file that could not be read, written or created;
// nothing for success. A working file has its own wording for what cannot be created.
enum class ScenarioFileRole { Named, Working };
std::optional<platform::Message> ScenarioFileMessage(
    const model::FileResult& result, ScenarioFileRole role = ScenarioFileRole::Named);
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
// Save Accounts: asks before overwriting; a failure is told.
bool WriteAccountsFileAsking(const std::string& path, const model::Scenario& scenario,
                             platform::Prompter& prompter);

// Nothing when the scenario is unmodified; else the answer to "Do you wish to save ...".
// A Yes whose save fails comes back as Cancel, so the asking command stops.
std::optional<platform::Answer> PromptSaveScenario(model::Program& program,
                                                   model::Scenario& scenario,
                                                   platform::Prompter& prompter);

}  // namespace tarvel::ui
