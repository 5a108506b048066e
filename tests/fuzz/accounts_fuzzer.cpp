// The accounts file reader: any bytes, and a file read writes back to the same bytes.
#include <memory>

#include "fuzz/fuzz_check.h"
#include "model/accounts_file.h"
#include "model/scenario_ops.h"

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  tarvel::fuzz::KeepLargeBuffersInTheHeap();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace tarvel::model;
  auto scenario = std::make_unique<Scenario>();
  ClearScenario(*scenario);
  if (!DecodeAccountsFile({data, size}, *scenario)) return 0;
  const auto written = EncodeAccountsFile(*scenario);
  auto again = std::make_unique<Scenario>();
  ClearScenario(*again);
  tarvel::fuzz::Check(DecodeAccountsFile(written, *again), "written accounts file reads");
  tarvel::fuzz::Check(EncodeAccountsFile(*again) == written, "accounts file reads back the same");
  return 0;
}
