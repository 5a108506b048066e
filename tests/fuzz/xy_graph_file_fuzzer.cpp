// The trade-off and refinance graph files ("trade.tmp", "ref.tmp"): any text is read or
// refused with a message, never a fault; a file read holds a row of the axis value and one
// value per named line for each point, and both plots are drawn from it.
#include <string>
#include <string_view>

#include "fuzz/fuzz_check.h"
#include "siblings/text_lines.h"
#include "siblings/xy_graph_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace tarvel;
  const auto lines = siblings::SplitLines({reinterpret_cast<const char*>(data), size});
  const siblings::XyGraphLoad load = siblings::ParseXyGraphText(lines, "trade.tmp");
  fuzz::Check(load.ok() == load.message.empty(), "a refused file says why");
  if (!load.ok()) return 0;
  const siblings::XyGraphFile& file = *load.data;
  fuzz::Check(!file.names.empty() && !file.rows.empty(), "a file read has lines and points");
  for (const auto& row : file.rows) {
    fuzz::Check(row.size() == file.names.size() + 1, "a point has a value per line");
  }
  (void)siblings::TradeOffChart(file);
  (void)siblings::BreakEvenMonth(file);
  (void)siblings::RefinanceChart(file);
  return 0;
}
