// The desktop planner's command line: its options, the scenario file a desktop hands over
// (a double-clicked ".ret" file), and the keywords searched anywhere in the rest.
#pragma once

#include <string>
#include <vector>

namespace tarvel::app {

struct PlannerArguments {
  std::string workdir;
  std::string scenario_path;  // absolute; empty when none was given
  std::string command_line;   // every other argument, for the keywords
  bool help = false;
  bool version = false;
  bool man = false;     // print the manual page
  std::string problem;  // a usage error to report
};

// Reads the arguments after the program name. A scenario path is made absolute against
// current_directory, since the planner changes into its working directory afterwards.
PlannerArguments ParsePlannerArguments(const std::vector<std::string>& arguments,
                                       const std::string& current_directory);

}  // namespace tarvel::app
