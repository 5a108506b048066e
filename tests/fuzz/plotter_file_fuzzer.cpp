// "plotter.dat", the schedule plotter's input: any text is read or refused with a message,
// never a fault.
#include <string>
#include <string_view>

#include "fuzz/fuzz_check.h"
#include "siblings/plotter_file.h"
#include "siblings/text_lines.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace tarvel;
  const auto lines = siblings::SplitLines({reinterpret_cast<const char*>(data), size});
  const siblings::PlotterLoad load = siblings::ParsePlotterText(lines, "plotter.dat");
  fuzz::Check(load.ok() == load.message.empty(), "a refused file says why");
  return 0;
}
