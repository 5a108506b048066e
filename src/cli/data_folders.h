// Where the command-line planner looks for the files the planner ships (life-expectancy
// tables): the working directory, the installed data folder, then a build's source data.
#pragma once

#include <filesystem>
#include <vector>

namespace tarvel::cli {

// The data folders for a run or calculation whose working directory is workdir.
std::vector<std::filesystem::path> CliDataFolders(const std::filesystem::path& workdir);

}  // namespace tarvel::cli
