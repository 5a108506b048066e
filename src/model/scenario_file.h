// The scenario file on disk: reading and writing it with the program state that travels
// with it, and the working file of a new scenario. Each operation returns what happened;
// the shell decides what the user is told.
#pragma once

#include <string>

#include "model/file_result.h"
#include "model/program.h"
#include "model/records.h"

namespace tarvel::model {

// A relative scenario name is taken relative to the working directory.
std::string ScenarioPath(const Program& program, const std::string& name);

// Replaces the scenario with the file named by the open name. CannotOpen (scenario
// unchanged) when the file cannot be opened; Invalid (scenario cleared, both names
// "tmp01.ret") when block 1, an event record or the account table is cut short; NotAPlan
// (the same, the note naming the values) when it holds values no plan can have. A file that
// ends inside a later block opens with a note saying what took its defaults.
FileResult ReadScenario(Program& program, Scenario& scenario);
// Writes the complete scenario over the save name, which must exist already. The old file
// is replaced only once the new one is wholly written; on failure (CannotWrite) the colours
// file is written all the same.
FileResult WriteScenario(Program& program, Scenario& scenario);
// Creates the file, or with Overwrite::Agreed replaces an existing one, and writes the
// scenario to it; the save name becomes the name. Exists when the file is there and
// overwriting was not agreed; CannotCreate or CannotOpen when it cannot be made or opened.
FileResult SaveScenarioAs(Program& program, Scenario& scenario, const std::string& name,
                          Overwrite overwrite);
// Claims the file now at path for this planner (reading and saving do it), unless the
// program's claim covers it already; another planner's claim leaves the program without one.
void ClaimScenarioFile(Program& program, const std::string& path);
// Gives a new scenario the working name "temp<counter>1.ret" and writes its first blocks.
FileResult CreateWorkingFile(Program& program, Scenario& scenario);

}  // namespace tarvel::model
