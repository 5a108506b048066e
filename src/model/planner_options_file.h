// The planner options file "planner.ini" in the working directory: settings of this Linux
// planner that no older file has room for, one "key=value" a line. "backups=off" stops a save
// from keeping the previous version of the scenario as "NAME.ret.bak"; "keys=classic" or
// "keys=standard" chooses the keyboard scheme; "print_folder=" is where the last printed PDF
// file went. The File and Edit menus and printing write them.
#pragma once

#include <optional>
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

// The trimmed value of the first line with the key; nothing when no line has it.
std::optional<std::string> PlannerOptionValue(std::string_view text, std::string_view key);
// The same from the folder's options file; nothing when the file cannot be read.
std::optional<std::string> ReadPlannerOption(const std::string& folder, std::string_view key);

// The options text with "key=value": the first line with the key changes in place, any later
// one is dropped, and without one a line is added at the end. Every other line, comments and
// keys this planner does not know included, stays as it was.
std::string WithPlannerOption(std::string_view text, std::string_view key, std::string_view value);
// Rewrites the options file in the folder with "key=value", durably; a file that cannot be
// read whole is left alone (CannotOpen), as is the file when the write fails (CannotWrite).
FileResult WritePlannerOption(const std::string& folder, std::string_view key,
                              std::string_view value);

// The backups setting through the two functions above.
std::string WithBackupsOption(std::string_view text, bool keep_backups);
FileResult WriteBackupsOption(const std::string& folder, bool keep_backups);

}  // namespace tarvel::model
