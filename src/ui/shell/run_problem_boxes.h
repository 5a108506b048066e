// Tells the user what went wrong in a run (a run file or a life table that could not be used),
// one error box a problem, in the order the run met them.
#pragma once

#include "engine/run.h"
#include "platform/prompter.h"

namespace tarvel::ui {

void ShowRunProblems(const engine::Run& run, platform::Prompter& prompter);
// Leaves out the problems of the plot and run files, which a run writes into the working
// folder: once the user knows that folder cannot be written, they say nothing new.
void DropWorkingFolderProblems(std::vector<engine::RunProblem>& problems);

}  // namespace tarvel::ui
