// The JSON form of a scenario: any text is read or refused without fault, and a scenario
// read from it goes to JSON and back to the same scenario file bytes.
#include <memory>

#include "exchange/scenario_json.h"
#include "exchange/scenario_json_limits.h"
#include "fuzz/fuzz_check.h"
#include "model/scenario_codec.h"

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  tarvel::fuzz::KeepLargeBuffersInTheHeap();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace tarvel;
  auto scenario = std::make_unique<model::Scenario>();
  if (!exchange::ScenarioFromJsonBytes({data, size}, *scenario).ok) return 0;
  const std::string text = exchange::ScenarioToJson(*scenario).dump(2);
  auto again = std::make_unique<model::Scenario>();
  const auto* bytes = reinterpret_cast<const std::uint8_t*>(text.data());
  const exchange::JsonLoad load = exchange::ScenarioFromJsonBytes({bytes, text.size()}, *again);
  if (!load.ok) std::fprintf(stderr, "%s\n", load.error.c_str());
  fuzz::Check(load.ok, "written JSON reads");
  fuzz::Check(model::EncodeScenario(*again) == model::EncodeScenario(*scenario),
              "JSON reads back to the same scenario");
  return 0;
}
