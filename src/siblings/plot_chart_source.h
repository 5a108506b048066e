// The graph engine's view of a plot file, so the graph viewer draws it with the pages of the
// planner.
#pragma once

#include "graphs/chart_source.h"
#include "graphs/palette.h"
#include "siblings/plot_file.h"

namespace tarvel::siblings {

// Spans into the plot's arrays: keep the plot alive and unchanged while the source is used.
// The purchasing-power line is shown when the file holds its values.
graphs::ChartSource PlotChartSource(const PlotFile& plot);
graphs::Palette PlotPalette(const PlotFile& plot);

}  // namespace tarvel::siblings
