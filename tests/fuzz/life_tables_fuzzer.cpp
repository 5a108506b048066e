// The life-expectancy files "mort.dat" and "jointtab.dat": any bytes read without fault, and
// every value read is a finite number.
#include <cmath>

#include "engine/life_tables.h"
#include "fuzz/fuzz_check.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace tarvel;
  fuzz::InputAsFile(data, size, engine::kMortalityFileName);
  fuzz::InputAsFile(data, size, engine::kJointTableFileName);
  const engine::LifeTablesRead read = engine::ReadLifeTables({fuzz::PrivateFolder()});
  fuzz::Check(read.mortality_found && read.joint_found, "both files found");
  for (int age = -1; age <= engine::kLastJointAge + 1; ++age) {
    fuzz::Check(std::isfinite(read.tables.Mortality(age)) &&
                    std::isfinite(read.tables.SingleLife(age)) &&
                    std::isfinite(read.tables.UniformLifetime(age)) &&
                    std::isfinite(read.tables.JointLife(age, age / 2)),
                "life-table values are numbers");
  }
  return 0;
}
