// Saving the graphs: the plot file of the last run copied into a graph file ("*.tvp") for
// the graph program, with the checks and messages of the save.
#pragma once

#include <filesystem>
#include <string>

#include "platform/prompter.h"

namespace tarvel::graphs {

inline constexpr int kMostSavedYears = 99;

// Asks for the file with "Save Graphs To a File" and saves into it. False when cancelled or
// when the save failed (the user has been told why).
bool SaveGraphs(platform::Prompter& prompter, const std::filesystem::path& plot_file,
                const std::string& start_folder = {});

// Saves into graph_file. Refuses to overwrite a file named like the plot file, asks before
// overwriting another one, and writes nothing unless the whole copy succeeds, so a failed
// save leaves an existing graph file as it was. Runs of 100 or more years cannot be saved.
bool SaveGraphsTo(platform::Prompter& prompter, const std::filesystem::path& plot_file,
                  const std::filesystem::path& graph_file);

}  // namespace tarvel::graphs
