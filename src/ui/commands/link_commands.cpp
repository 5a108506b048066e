// Sibling programs, the calculator, e-mail and the manual.
#include "ui/commands/link_commands.h"

#include "ui/commands/sibling_programs.h"

namespace tarvel::ui {
namespace {

constexpr int kCompareScenarios = 178;
constexpr int kDownloadManual = 671;
constexpr int kCalculator = 884;
constexpr int kEmail = 887;
constexpr int kViewer = 903;
constexpr int kRule72T = 904;
constexpr char kPlotFile[] = "plotinf01.tmp";

}  // namespace

bool LinkCommands::Handles(int id) const {
  switch (id) {
    case kCompareScenarios: case kDownloadManual: case kCalculator:
    case kEmail: case kViewer: case kRule72T:
      return true;
    default:
      return false;
  }
}

CommandOutcome LinkCommands::Execute(int id) {
  const std::string& word = context_.state.keywords.currency.word;
  switch (id) {
    case kCompareScenarios:
      StartSibling(launcher_, ScenarioComparerStart(kPlotFile, word));
      break;
    case kRule72T:
      StartSibling(launcher_, Rule72TCalculatorStart(word));
      break;
    case kViewer:
      StartSibling(launcher_, ViewerStart());
      break;
    case kCalculator:
      StartCalculator();
      break;
    case kEmail:
      ContactByEmail();
      break;
    case kDownloadManual:
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
