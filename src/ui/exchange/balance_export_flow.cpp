// The export of the yearly account balances.
#include "ui/exchange/balance_export_flow.h"

#include <filesystem>

#include "exchange/balance_export.h"
#include "ui/exchange/exchange_file_dialogs.h"

namespace tarvel::ui {
namespace {

using platform::Answer;
using platform::Buttons;
using platform::Icon;

bool AgreesToOverwrite(platform::Prompter& prompter, const std::string& path) {
  std::error_code error;
  if (!std::filesystem::exists(path, error)) return true;
  platform::Message question;
  question.text = path + " exits - Overwrite anyway?";
  question.caption = "FILE WARNING";
  question.buttons = Buttons::YesNo;
  question.icon = Icon::Question;
  return prompter.Ask(question) == Answer::Yes;
}

}  // namespace

bool ExportBalances(EditorServices& services, const Keywords& keywords, bool comma) {
  const auto path = services.prompter.ChooseFileToSave(ExchangeFileDialog(
      comma ? ExchangeFile::ExportComma : ExchangeFile::ExportTab, services.program, keywords));
  if (!path || !AgreesToOverwrite(services.prompter, *path)) return false;
  const exchange::BalanceTable table =
      exchange::RunForExport(services.scenario, services.program, services.clock);
  const std::string text = exchange::ExportText(table, comma ? ',' : '\t');
  if (exchange::WriteExportFile(*path, text, model::Overwrite::Agreed).ok()) return true;
  platform::Message message;
  message.text = "Cannot open export file";
  message.caption = "FILE ERROR";
  message.icon = Icon::Error;
  services.prompter.Ask(message);
  return false;
}

}  // namespace tarvel::ui
