// Warns before opening a scenario file another planner has open.
#include "ui/commands/scenario_claim_check.h"

#include "model/scenario_file.h"
#include "model/scenario_file_claim.h"

namespace tarvel::ui {

bool MayOpenScenario(const model::Program& program, const std::string& name,
                     platform::Prompter& prompter) {
  const std::string path = model::ScenarioPath(program, name);
  if (!model::ClaimedElsewhere(path, program.scenario_claim.get())) return true;
  platform::Message question;
  question.text = model::ClaimedElsewhereQuestion(name);
  question.caption = "FILE WARNING";
  question.buttons = platform::Buttons::YesNo;
  question.icon = platform::Icon::Warning;
  return prompter.Ask(question) == platform::Answer::Yes;
}

}  // namespace tarvel::ui
