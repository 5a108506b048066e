// The desktop planner's command line as its users read it: one table of the options and
// keywords from which both --help and the manual page tarvel-planner(1) are written.
#pragma once

#include <string>

namespace tarvel::app {

// The text of tarvel-planner --help.
std::string PlannerUsage();

// The manual page tarvel-planner(1) in roff.
std::string PlannerManPage();

}  // namespace tarvel::app
