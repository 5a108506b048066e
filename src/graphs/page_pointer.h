// Pointer arithmetic of the graph pages: which period the pointer is on, whether it is in
// the plot or the band of ages where a zoom may be marked, and the values read out at an age.
#pragma once

#include <string>
#include <vector>

#include "graphs/chart_context.h"
#include "graphs/chart_geometry.h"
#include "graphs/chart_source.h"
#include "graphs/graph_kinds.h"
#include "model/money_format.h"
#include "platform/canvas.h"

namespace tarvel::graphs {

// True when the point lies inside the plot area (value axis to the last column, bottom to
// the top grid line).
bool InPlot(const ChartGeometry& geometry, platform::Point point);

// True when the point lies over the shown ages, from two lines above the plot down to three
// lines below its bottom (over the age labels): where a zoom may be marked or dragged, since
// a range is chosen by its ages and the pointer's height plays no part.
bool InZoomBand(const ChartGeometry& geometry, platform::Point point);

// The period whose column holds x, (x - x0 + Gx) div Gx + first period - 1: the breakdown
// pie's age and the zoom marks. Columns left of the axis give the first period.
int PeriodUnderPointer(const ChartGeometry& geometry, int x);

// The shown period the pointer is at: the nearest point of a line graph, the column under the
// pointer of a bar graph. Held within the shown periods.
int PeriodAt(const ChartGeometry& geometry, int x, ChartStyle style);

// The ages of the periods at two x positions, smaller first: the range a drag selects.
struct AgeSpan {
  float first = 0;
  float last = 0;
};
AgeSpan AgesBetween(const ChartGeometry& geometry, const ChartSource& source, int from_x, int to_x,
                    ChartStyle style);

// A click's read-out: "Age 62", then one "name: amount" line per plotted series at the period
// (and the purchasing-power line when the graph draws it), amounts as ValueReadoutText.
std::vector<std::string> SeriesValueLines(const KindSeries& series, const ChartSource& source,
                                          int period, const model::Currency& currency);

// The value at a pointer height, "%.2f" through FormatMoney, with a leading minus sign when
// negative: "$1,234.50", "-$80.00".
std::string ValueReadoutText(double value, const model::Currency& currency);

}  // namespace tarvel::graphs
