// Where the planner works and where it finds the files it ships: the working directory from
// --workdir, $TARVEL_HOME or $XDG_DATA_HOME, and the data folders for help pages and tables.
#pragma once

#include <QString>
#include <string>

namespace tarvel::app {

// The option when given, else $TARVEL_HOME, else $XDG_DATA_HOME/tarvel-planner, else
// ~/.local/share/tarvel-planner.
std::string ChooseWorkingDirectory(const std::string& option);
// Creates the folder when missing; false with a reason when it cannot be made or entered.
bool PrepareWorkingDirectory(const std::string& folder, std::string& problem);

// The first existing file of that relative path in the data folders of the current
// directory (the lookup the command-line planner shares); empty when none.
QString FindDataFile(const QString& relative_path);

}  // namespace tarvel::app
