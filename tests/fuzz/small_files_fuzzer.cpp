// The preferences file "prefinf.dat" and the planner options file "planner.ini" as read at
// start-up from the working directory: any bytes, and the preferences written back from
// what was read read again to the same block.
#include <memory>

#include "fuzz/fuzz_check.h"
#include "model/planner_options_file.h"
#include "model/preferences_file.h"
#include "model/scenario_ops.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace tarvel;
  const std::string& folder = fuzz::PrivateFolder();
  fuzz::InputAsFile(data, size, model::kPreferencesFileName);
  fuzz::InputAsFile(data, size, model::kPlannerOptionsFileName);
  model::Program program;
  auto scenario = std::make_unique<model::Scenario>();
  model::ClearScenario(*scenario);
  model::ReadPreferences(folder, program, *scenario);
  model::ReadPlannerOptions(folder, program);
  fuzz::Check(model::WritePreferences(folder, program, *scenario), "prefinf.dat written");
  // What is written is the block of the program's values (sizes without their sign).
  const model::WindowSetup written = model::PreferencesBlock(program, *scenario);
  model::Program again;
  model::ReadPreferences(folder, again, *scenario);
  fuzz::Check(again.window.left == written.left && again.window.top == written.top &&
                  again.window.width == written.width && again.window.height == written.height &&
                  again.preference_8 == written.preference_8 &&
                  again.preference_16 == written.preference_16 &&
                  again.preference_24 == written.preference_24,
              "prefinf.dat reads back the same");
  return 0;
}
