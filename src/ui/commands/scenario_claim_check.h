// Before a scenario file is opened: the warning that another planner has it open.
#pragma once

#include <string>

#include "model/program.h"
#include "platform/prompter.h"

namespace tarvel::ui {

// True when the file may be opened: no other planner has it open, or the user chose to open
// it anyway after the warning.
bool MayOpenScenario(const model::Program& program, const std::string& name,
                     platform::Prompter& prompter);

}  // namespace tarvel::ui
