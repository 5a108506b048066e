// Pointer arithmetic of the graph pages: which period the pointer is on, whether it is in
// the plot, and the value read out at its height.
#pragma once

#include <string>

#include "graphs/chart_geometry.h"
#include "model/money_format.h"
#include "platform/canvas.h"

namespace tarvel::graphs {

// True when the point lies inside the plot area (value axis to the last column, bottom to
// the top grid line).
bool InPlot(const ChartGeometry& geometry, platform::Point point);

// The period whose column holds x, (x - x0 + Gx) div Gx + first period - 1: the breakdown
// pie's age and the zoom marks. Columns left of the axis give the first period.
int PeriodUnderPointer(const ChartGeometry& geometry, int x);

// The period a left click selects, (x - x0) div Gx + first period + 1.
int ClickedPeriod(const ChartGeometry& geometry, int x);

// The value at a pointer height, "%.2f" through FormatMoney, with a leading minus sign when
// negative: "$1,234.50", "-$80.00".
std::string ValueReadoutText(double value, const model::Currency& currency);

}  // namespace tarvel::graphs
