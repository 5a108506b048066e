// Where the planner finds the files it ships (life-expectancy tables, help pages, pictures):
// the working directory, the installed data folder, then the source tree's data folder when
// the program runs from its build. The desktop planner and the command line share this lookup.
#pragma once

#include <filesystem>
#include <string_view>
#include <vector>

namespace tarvel::engine {

// Where a program stands and where its build put the shipped files.
struct ProgramPlaces {
  std::filesystem::path executable;    // the running program; empty when unknown
  std::filesystem::path install_data;  // share/tarvel-planner under the configured prefix
  std::filesystem::path build_folder;  // the build folder the program was made in
  std::filesystem::path source_data;   // the source tree's data folder
};

// The running program's own path and the folders configured when it was built.
ProgramPlaces ThisProgramPlaces();

// The folders to look in, first to last, each once: the working directory ("." when empty);
// for an installed program share/tarvel-planner beside its bin folder; the one under the
// configured install prefix; and for a program inside its build folder (or of unknown path)
// the source data folder. Empty places are left out.
std::vector<std::filesystem::path> DataFolders(const std::filesystem::path& workdir,
                                               const ProgramPlaces& places);

// The data folders of the running program for a run or tool whose working directory is
// workdir.
std::vector<std::filesystem::path> ProgramDataFolders(const std::filesystem::path& workdir);

// Where the sample plans built from data/examples are: share/tarvel-planner/examples of an
// installed program (beside its bin folder, then under the configured prefix), or the build
// folder's examples folder for a program inside its build.
std::vector<std::filesystem::path> SamplePlanFolders(const ProgramPlaces& places);
std::vector<std::filesystem::path> ProgramSamplePlanFolders();

// The path of a shipped file (a name or a relative path such as "help/contents.html") in the
// first folder that holds it, or an empty path.
std::filesystem::path FindDataFile(const std::vector<std::filesystem::path>& folders,
                                   std::string_view name);

}  // namespace tarvel::engine
