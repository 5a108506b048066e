// The start-up file "finance.dat": the scenario open at the last exit, the working-file
// counter with the values it carries, and the recent-files list.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "model/program.h"

namespace tarvel::model {

inline constexpr char kStartupFileName[] = "finance.dat";

struct StartupFile {
  std::string open_name;
  StartupValues values;
  std::array<std::string, kRecentFileCount> recent_files{};
};

// Lines are cut at their line break and at 263 characters; a damaged second line keeps
// what could be read and leaves the rest 0; missing recent-file lines are empty.
StartupFile ParseStartupFile(std::string_view text);
std::string FormatStartupFile(const StartupFile& file);

// At start-up: reads the file into the program (open name, values, recent files), starts
// the counter again at 0 when it reached 9, and writes the file back with the counter
// advanced. A missing file is created with counter 1; then the result is false.
bool ReadStartupFile(Program& program);
// At exit: the open name, the counter used during this run and the recent files.
bool WriteStartupFile(const Program& program);

// Puts a name at the top of the recent files; names of 3 characters or fewer are ignored
// and a name already in the list (in any case) is not kept twice.
void AddRecentFile(Program& program, std::string_view name);

}  // namespace tarvel::model
