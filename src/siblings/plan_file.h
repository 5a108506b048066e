// A plan chosen in the scenario comparer: a plot file, a saved graph file ("*.tvp"), or a
// scenario file ("*.ret") that is run with the engine to get its plot file.
#pragma once

#include <filesystem>
#include <string>

#include "platform/clock.h"
#include "siblings/plot_file.h"

namespace tarvel::siblings {

// True for a scenario file (".ret", any case).
bool IsScenarioFile(const std::filesystem::path& path);

// Runs the scenario file as the planner opens and runs it, its run files written into
// scratch_folder, and reads back the plot file. A file that is not a scenario gives
// "FILE doesn't seem to be a valid Tarvel Financial Planner file.".
PlotFileLoad RunScenarioFile(const std::filesystem::path& path,
                             const std::filesystem::path& scratch_folder,
                             const platform::Clock& clock);

// A scenario file is run (see above), any other file is read as a plot file.
PlotFileLoad LoadPlanFile(const std::filesystem::path& path,
                          const std::filesystem::path& scratch_folder,
                          const platform::Clock& clock);

}  // namespace tarvel::siblings
