// Where the planner works and where it finds the files it ships: the working directory from
// --workdir, $TARVEL_HOME or $XDG_DATA_HOME, and the data folders for help pages and tables.
#pragma once

#include <QString>
#include <filesystem>
#include <string>
#include <vector>

namespace tarvel::app {

// The option when given, else $TARVEL_HOME, else $XDG_DATA_HOME/tarvel-planner, else
// ~/.local/share/tarvel-planner.
std::string ChooseWorkingDirectory(const std::string& option);
// Creates the folder when missing; false with a reason when it cannot be made or entered.
bool PrepareWorkingDirectory(const std::string& folder, std::string& problem);

// Where the planner looks for the files it ships (life tables, help pages), first to last:
// the working directory, the installed data folder beside the program, then the source
// tree's data folder of a build. The same lookup as the command-line planner's.
std::vector<std::filesystem::path> DataFolders(const std::filesystem::path& working_directory);
// The first existing file of that relative path in the data folders of the current
// directory; empty when none.
QString FindDataFile(const QString& relative_path);

}  // namespace tarvel::app
