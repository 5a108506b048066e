// The trade-off inputs file "tradeinf.dat": any bytes read without fault, and the inputs read
// write a file that reads back to the same text.
#include "calculators/tradeoff_file.h"
#include "fuzz/fuzz_check.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace tarvel;
  const std::string path = fuzz::InputAsFile(data, size, calculators::kTradeOffInputsFileName);
  const model::TradeOffInputs inputs = calculators::ReadTradeOffFile(path);
  const std::string written = calculators::TradeOffFileText(inputs);
  fuzz::Check(calculators::WriteTradeOffFile(path, inputs), "tradeinf.dat written");
  fuzz::Check(calculators::TradeOffFileText(calculators::ReadTradeOffFile(path)) == written,
              "tradeinf.dat reads back the same");
  return 0;
}
