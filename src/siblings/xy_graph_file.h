// The graph files of the trade-off analysis ("trade.tmp") and the refinance analysis
// ("ref.tmp"): "1", "Dummy" lines, the point count, the named lines, then per point a
// "0.0" line per name and a line with the point's axis value and each line's value; the
// trade-off file ends with "Done".
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "siblings/line_chart.h"
#include "siblings/load_result.h"

namespace tarvel::siblings {

struct XyGraphFile {
  std::string path;
  double stated_count = 0;  // the count line as written (periods + 2, or plotted months)
  std::vector<std::string> names;
  std::vector<std::vector<double>> rows;  // axis value, then one value per name
};

using XyGraphLoad = LoadResult<XyGraphFile>;

// A file whose points stop short of the count it states is reported as cut off.
XyGraphLoad ReadXyGraphFile(const std::string& path);
XyGraphLoad ParseXyGraphText(const std::vector<std::string>& lines, const std::string& path);

// The trade-off plot: each option's value after each number of periods.
LineChart TradeOffChart(const XyGraphFile& file);

// The first plotted month at which the refinanced household's net worth (second line) has
// caught up with the existing one's (first line), after the start; none when it never does.
std::optional<double> BreakEvenMonth(const XyGraphFile& file);

// The refinance plot: both net worths by month, the break-even point under the chart.
LineChart RefinanceChart(const XyGraphFile& file);

}  // namespace tarvel::siblings
