// At start-up, the scenario copy a crash left behind is offered back to the user.
#pragma once

#include <string>

#include "model/crash_recovery.h"
#include "model/program.h"
#include "model/records.h"
#include "platform/prompter.h"

namespace tarvel::ui {

// "Recover unsaved changes to NAME from TIME?", TIME as "YYYY-MM-DD HH:MM" local time.
std::string RecoveryQuestion(const model::RecoveryOffer& offer);

// Asks when a copy is waiting. Yes opens it as the modified scenario under its own names;
// No sets the copy aside (renamed with its time). True when the copy was taken back.
bool OfferRecovery(model::Program& program, model::Scenario& scenario,
                   platform::Prompter& prompter);

}  // namespace tarvel::ui
