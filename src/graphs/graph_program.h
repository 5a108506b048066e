// Starting the sibling graph program on the plot file of the last run.
#pragma once

#include <filesystem>
#include <string>

#include "platform/launcher.h"

namespace tarvel::graphs {

inline constexpr char kGraphProgram[] = "tarvelplot3";

// Runs "tarvelplot3 PLOTFILE CURRENCYWORD", shown and not waited for. The caller re-runs
// the scenario first when its results are stale. True when the program started.
bool StartGraphProgram(platform::Launcher& launcher, const std::filesystem::path& plot_file,
                       const std::string& currency_word);

}  // namespace tarvel::graphs
