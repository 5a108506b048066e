// The breakdown pie of one age: the positive components of a graph kind as slices, the
// framed list of their names, and the slice under the pointer.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "graphs/chart_context.h"
#include "graphs/chart_source.h"
#include "graphs/graph_kinds.h"
#include "platform/canvas.h"

namespace tarvel::graphs {

inline constexpr double kFullTurn = 6.28318;  // 2 pi as the pie measures it
inline constexpr platform::Colour kPieShadow = platform::Rgb(77, 77, 77);

struct PieSlice {
  std::string name;
  double value = 0;
  double start_sum = 0;  // running sum before this slice
  double end_sum = 0;    // running sum with this slice
  int colour_entry = 1;  // palette entry of the slice and its swatch, by slice position
};

struct PieBreakdown {
  GraphKind kind = GraphKind::NetWorth;  // the kind the pie was opened from
  int period = 0;
  float age = 0;
  double total = 0;  // the sum of the positive components
  std::vector<PieSlice> slices;

  // Start and end angle of a slice in radians, clockwise on the screen from the x axis.
  double StartAngle(const PieSlice& slice) const;
  double EndAngle(const PieSlice& slice) const;
};

// The slices of a kind at a period: only positive components get one.
PieBreakdown MakeBreakdown(GraphKind kind, const ChartSource& source, AccountRange accounts,
                           int period);

// The lines of the list: each slice's name, with "% 6.2f%" of the total except on the
// incoming/outgoing pie, then "Total = " and the total.
std::vector<std::string> PieListLines(const PieBreakdown& breakdown,
                                      const model::Currency& currency);

struct PieLayout {
  platform::Rect list;  // the framed list at the top left
  platform::Point centre;
  int radius = 0;  // 0 when the chart is too small for a pie
  int line_height = 0;
};

PieLayout LayOutPie(const platform::Canvas& canvas, const ChartContext& context,
                    const PieBreakdown& breakdown);

// The slice under a point (by its angle from the centre), or none outside the pie.
std::optional<int> SliceAt(const PieLayout& layout, const PieBreakdown& breakdown,
                           platform::Point point);

// True over the pie's disc or its list: the cross cursor shows there.
bool OverPie(const PieLayout& layout, platform::Point point);

// Draws the list, the shadow disc, the slices and "Age %d".
PieLayout DrawBreakdownPie(platform::Canvas& canvas, const ChartContext& context,
                           const PieBreakdown& breakdown);

}  // namespace tarvel::graphs
