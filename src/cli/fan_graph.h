// `tarvel graph FILE.ret --kind fan`: the fan chart of a Monte Carlo analysis into an image.
#pragma once

#include <string>

#include "cli/graph_command.h"

namespace tarvel::cli {

// Exit status: 0 written, 1 bad input or an unwritable file, 2 a malformed option.
int RunFanGraph(const GraphCommandOptions& options);

}  // namespace tarvel::cli
