// The status-bar hint of a graph page under the pointer: what the mouse does there, so the
// gestures can be found without the manual.
#pragma once

#include <string>

#include "graphs/graph_page_state.h"

namespace tarvel::graphs {

// The hint for the page as the state shows it: the pie, a zoomed range or the whole run.
std::string PageHint(const GraphPageState& state);

}  // namespace tarvel::graphs
