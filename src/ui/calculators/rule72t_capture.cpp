// The balance-capture run of the Rule 72T dialog.
#include "ui/calculators/rule72t_capture.h"

#include <memory>

#include "engine/data_folders.h"
#include "engine/run_scenario.h"

namespace tarvel::ui {

float CaptureRule72TBalance(const model::Scenario& scenario, const model::Program& program,
                            const platform::Clock& clock, std::uint16_t account_id, int whole_age) {
  if (account_id == model::kNoAccount || whole_age < 0) return 0;
  auto copy = std::make_unique<model::Scenario>(scenario);
  auto run = std::make_unique<engine::Run>();
  run->clock = &clock;
  run->options.analysis = true;
  run->options.workdir = program.working_directory;
  run->options.currency = program.currency;
  run->options.data_folders = engine::ProgramDataFolders(program.working_directory);
  run->options.rule72t_capture_account = account_id;
  run->options.rule72t_capture_age = whole_age;
  engine::RunScenario(*copy, *run);
  return run->rule72t_captured_balance;
}

}  // namespace tarvel::ui
