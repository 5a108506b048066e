// The start-up file "finance.dat": any text parses, and what it gives formats to a file that
// parses to the same values.
#include <string_view>

#include "fuzz/fuzz_check.h"
#include "model/startup_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace tarvel::model;
  const StartupFile file =
      ParseStartupFile(std::string_view(reinterpret_cast<const char*>(data), size));
  const std::string written = FormatStartupFile(file);
  tarvel::fuzz::Check(FormatStartupFile(ParseStartupFile(written)) == written,
                      "finance.dat reads back the same");
  return 0;
}
