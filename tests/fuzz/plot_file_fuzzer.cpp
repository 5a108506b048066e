// The plot file and the saved graph files ("*.tvp"): any text is read or refused with a
// message, never a fault; a file read holds a balance block for each shown year, and every
// account's group is one of the groups.
#include <string>
#include <string_view>

#include "fuzz/fuzz_check.h"
#include "siblings/plot_file.h"
#include "siblings/text_lines.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace tarvel;
  const auto lines = siblings::SplitLines({reinterpret_cast<const char*>(data), size});
  const siblings::PlotFileLoad load = siblings::ParsePlotText(lines, "plan.tvp");
  fuzz::Check(load.ok() == load.message.empty(), "a refused file says why");
  if (!load.ok()) return 0;
  const siblings::PlotFile& plot = *load.data;
  fuzz::Check(!plot.periods.empty(), "a file read has a year");
  fuzz::Check(plot.balances.size() == plot.periods.size(), "each year has its balances");
  (void)plot.ScenarioName();
  return 0;
}
