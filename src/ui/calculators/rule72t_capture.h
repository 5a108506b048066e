// The Rule 72T dialog's balance capture: a run of the scenario that notes one account's balance
// at one whole age.
#pragma once

#include <cstdint>

#include "model/program.h"
#include "model/records.h"
#include "platform/clock.h"

namespace tarvel::ui {

// Runs a copy of the scenario without writing any file, so the stored scenario and the results
// shown stay as they are, and returns the account's balance at the start of the age's year
// (0 when the run never reaches that age or there is no such account).
float CaptureRule72TBalance(const model::Scenario& scenario, const model::Program& program,
                            const platform::Clock& clock, std::uint16_t account_id, int whole_age);

}  // namespace tarvel::ui
