// Account links by position; the plot file holds no allocation percentages, so the
// allocation graph stays empty.
#include "siblings/plot_chart_source.h"

namespace tarvel::siblings {

graphs::ChartSource PlotChartSource(const PlotFile& plot) {
  graphs::ChartSource source;
  source.periods = plot.periods;
  source.balances = plot.balances;
  source.account_names = plot.account_names;
  source.account_groups = plot.account_groups;
  source.account_groups.resize(plot.account_names.size(), 0);
  for (std::size_t position = 0; position < plot.account_names.size(); ++position) {
    source.account_slots.push_back(static_cast<std::uint16_t>(position));
  }
  source.group_names = plot.group_names;
  const std::size_t space = plot.kind_line.find(' ');
  source.group_folder_name = space == std::string::npos ? "" : plot.kind_line.substr(space + 1);
  source.purchasing_power_shown = !plot.purchasing_power.empty();
  source.purchasing_power = plot.purchasing_power;
  source.start_age = plot.StartAge();
  source.end_age = plot.EndAge();
  return source;
}

graphs::Palette PlotPalette(const PlotFile& plot) { return graphs::Palette{plot.colours}; }

}  // namespace tarvel::siblings
