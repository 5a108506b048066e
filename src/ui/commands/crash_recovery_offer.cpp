// Offers back the scenario copy kept for crash recovery.
#include "ui/commands/crash_recovery_offer.h"

#include <ctime>

namespace tarvel::ui {

std::string RecoveryQuestion(const model::RecoveryOffer& offer) {
  std::tm local{};
  ::localtime_r(&offer.written, &local);
  char time[32];
  std::strftime(time, sizeof time, "%Y-%m-%d %H:%M", &local);
  return "Recover unsaved changes to " + offer.open_name + " from " + time + "?";
}

bool OfferRecovery(model::Program& program, model::Scenario& scenario,
                   platform::Prompter& prompter) {
  const std::optional<model::RecoveryOffer> offer = model::FindRecovery(program.working_directory);
  if (!offer) return false;
  platform::Message question;
  question.text = RecoveryQuestion(*offer);
  question.caption = "Tarvel Retirement Planner";
  question.buttons = platform::Buttons::YesNo;
  question.icon = platform::Icon::Question;
  if (prompter.Ask(question) == platform::Answer::Yes) {
    if (model::TakeRecovery(*offer, program, scenario)) return true;
    prompter.Ask(
        {"The unsaved changes could not be read; they are kept aside in the working "
         "directory.",
         "FILE WARNING", platform::Buttons::Ok, platform::Icon::Warning});
  }
  model::SetRecoveryAside(program.working_directory, *offer);
  return false;
}

}  // namespace tarvel::ui
