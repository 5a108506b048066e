// Plain text printed page by page in a fixed-width font, as the viewer prints a results file
// or any other text the planner writes.
#pragma once

#include <string>
#include <vector>

#include "platform/page_sink.h"

namespace tarvel::siblings {

// Half-inch margins, a "Page %d" line at the foot; tabs are expanded to eight columns and
// lines too long for the page are cut. Returns the pages printed, 0 when cancelled.
int PrintTextPages(platform::PageSink& sink, const std::vector<std::string>& lines,
                   const std::string& title);

}  // namespace tarvel::siblings
