// The scenario comparer's graph: the net worth and purchasing power of every plan overlaid
// over the ages of all of them, one colour each, named by the plans' file names.
#pragma once

#include <string>
#include <vector>

#include "siblings/line_chart.h"
#include "siblings/plot_file.h"

namespace tarvel::siblings {

// Whole ages from the earliest start to the latest end; a plan has no line (0) at ages
// outside its own span.
LineChart ComparisonChart(const std::vector<PlotFile>& plans,
                          const std::vector<std::string>& names);

}  // namespace tarvel::siblings
