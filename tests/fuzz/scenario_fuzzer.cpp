// The scenario file reader: any bytes decode without fault, and a valid file's scenario
// writes out as a file that reads back to the same scenario.
#include <memory>

#include "fuzz/fuzz_check.h"
#include "model/scenario_codec.h"

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  tarvel::fuzz::KeepLargeBuffersInTheHeap();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace tarvel::model;
  auto scenario = std::make_unique<Scenario>();
  if (!DecodeScenario({data, size}, *scenario).valid) return 0;
  const auto written = EncodeScenario(*scenario);
  auto again = std::make_unique<Scenario>();
  again->colours = scenario->colours;
  tarvel::fuzz::Check(DecodeScenario(written, *again).valid, "written file is valid");
  tarvel::fuzz::Check(EncodeScenario(*again) == written, "scenario file reads back the same");
  return 0;
}
