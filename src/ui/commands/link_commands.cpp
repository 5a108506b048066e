// Sibling programs, the calculator, e-mail and the manual.
#include "ui/commands/link_commands.h"

#include "model/working_file_names.h"
#include "ui/commands/sibling_programs.h"
#include "ui/shell/command_ids.h"

namespace tarvel::ui {
bool LinkCommands::Handles(int id) const {
  switch (id) {
    case kCompareScenariosCommand:
    case kDownloadManualCommand:
    case kCalculatorCommand:
    case kEmailCommand:
    case kViewerCommand:
    case kRule72TCalculatorCommand:
      return true;
    default:
      return false;
  }
}

CommandOutcome LinkCommands::Execute(int id) {
  const std::string& word = context_.state.keywords.currency.word;
  switch (id) {
    case kCompareScenariosCommand:
      StartSibling(launcher_, ScenarioComparerStart(model::kPlotFileName, word));
      break;
    case kRule72TCalculatorCommand:
      StartSibling(launcher_, Rule72TCalculatorStart(word));
      break;
    case kViewerCommand:
      StartSibling(launcher_, ViewerStart());
      break;
    case kCalculatorCommand:
      StartCalculator();
      break;
    case kEmailCommand:
      ContactByEmail();
      break;
    case kDownloadManualCommand:
      DownloadManual();
      break;
    default:
      break;
  }
  return {};
}

void LinkCommands::ShowError(const char* text, const char* caption) {
  platform::Message message;
  message.text = text;
  message.caption = caption;
  message.icon = platform::Icon::Error;
  context_.prompter.Ask(message);
}

void LinkCommands::StartCalculator() {
  if (!launcher_.StartCalculator()) {
    ShowError("The Window's Calculator could not be found in the path.", "Execution Error");
  }
}

void LinkCommands::ContactByEmail() {
  if (!launcher_.OpenAddress(addresses_.email)) {
    ShowError("There is a problem opening up you Email program.", "Email Error");
  }
}

void LinkCommands::DownloadManual() {
  platform::Message question;
  question.text = "Do you wish to download the PDF version of the manual now?";
  question.caption = "Download Manual";
  question.buttons = platform::Buttons::YesNo;
  question.icon = platform::Icon::Question;
  if (context_.prompter.Ask(question) != platform::Answer::Yes) return;
  if (!launcher_.OpenAddress(addresses_.manual)) {
    ShowError("There is a problem opening up the default browser.", "Browser Error");
  }
}

}  // namespace tarvel::ui
