// The planner options file "planner.ini" in the working directory: settings of this Linux
// planner that no older file has room for, one "key=value" a line. "backups=off" stops a save
// from keeping the previous version of the scenario as "NAME.ret.bak".
#pragma once

#include <string>
#include <string_view>

#include "model/program.h"

namespace tarvel::model {

inline constexpr char kPlannerOptionsFileName[] = "planner.ini";

// Takes the settings the text names; unknown keys, blank lines and lines starting with "#"
// are passed over.
void ParsePlannerOptions(std::string_view text, Program& program);
// Reads the file when there is one; a missing file keeps the defaults.
void ReadPlannerOptions(const std::string& folder, Program& program);

}  // namespace tarvel::model
