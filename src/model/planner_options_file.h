// The planner options file "planner.ini" in the working directory: settings of this Linux
// planner that no older file has room for, one "key=value" a line. "backups=off" stops a save
// from keeping the previous version of the scenario as "NAME.ret.bak"; the File menu writes it.
#pragma once

#include <string>
#include <string_view>

#include "model/file_result.h"
#include "model/program.h"

namespace tarvel::model {

inline constexpr char kPlannerOptionsFileName[] = "planner.ini";
// The folder the last printed PDF file went to.
inline constexpr char kPrintFolderKey[] = "print_folder";

// Takes the settings the text names; unknown keys, blank lines and lines starting with "#"
// are passed over.
void ParsePlannerOptions(std::string_view text, Program& program);
// Reads the file when there is one; a missing file keeps the defaults.
void ReadPlannerOptions(const std::string& folder, Program& program);

// The options text with its backups setting made keep_backups: the first "backups=" line
// changes in place, any later one is dropped, and without one a line is added at the end.
// Every other line, comments and keys this planner does not know included, stays as it was.
std::string WithBackupsOption(std::string_view text, bool keep_backups);
// Rewrites the options file in the folder with the backups setting, durably; a file that
// cannot be read whole is left alone (CannotOpen), as is the file when the write fails.
FileResult WriteBackupsOption(const std::string& folder, bool keep_backups);

// The options text with the key's line set to value, kept in place as WithBackupsOption
// keeps the backups line.
std::string WithOption(std::string_view text, std::string_view key, std::string_view value);
// Rewrites the options file with the key set to value, as WriteBackupsOption does.
FileResult WritePlannerOption(const std::string& folder, std::string_view key,
                              std::string_view value);

}  // namespace tarvel::model
