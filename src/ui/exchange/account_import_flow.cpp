// The interactive account import.
#include "ui/exchange/account_import_flow.h"

#include <cstdint>
#include <optional>
#include <set>
#include <string>

#include "exchange/account_import.h"
#include "exchange/report_parser.h"
#include "exchange/report_text.h"
#include "model/record_counts.h"
#include "model/scenario_ops.h"
#include "ui/accounts/account_info_dialog.h"
#include "ui/exchange/import_preview_dialog.h"

namespace tarvel::ui {
namespace {

using exchange::ImportMode;
using exchange::PreviewLine;
using exchange::PreviewMark;
using platform::Answer;
using platform::Buttons;
using platform::Icon;

constexpr char kLimitText[] = "Number of accounts exceed limit.";
constexpr char kLimitCaption[] = "Account Error";

Answer Tell(platform::Prompter& prompter, std::string text, std::string caption,
            Buttons buttons = Buttons::Ok, Icon icon = Icon::Warning) {
  platform::Message message;
  message.text = std::move(text);
  message.caption = std::move(caption);
  message.buttons = buttons;
  message.icon = buttons == Buttons::YesNo ? Icon::Question : icon;
  return prompter.Ask(message);
}

struct ChosenReport {
  std::string path;
  std::vector<PreviewLine> preview;
};

// The chosen file read and previewed against the scenario; nothing when the user cancelled
// or the file could not be read (after saying so).
std::optional<ChosenReport> ChooseReport(EditorServices& services, const Keywords& keywords,
                                         ExchangeFile file, ImportMode mode) {
  const auto path =
      services.prompter.ChooseFileToOpen(ExchangeFileDialog(file, services.program, keywords));
  if (!path) return std::nullopt;
  const auto text = exchange::ReadReportFile(*path);
  if (!text) {
    Tell(services.prompter, "Cannot open " + *path + ".", "File Open Error", Buttons::Ok,
         Icon::Error);
    return std::nullopt;
  }
  const bool comma = file == ExchangeFile::NewFromComma || file == ExchangeFile::UpdateFromComma;
  const auto report =
      exchange::ParseReport(*text, comma ? exchange::ReportKind::Comma : exchange::ReportKind::Tab,
                            services.program.currency.symbol);
  if (report.AccountsNotKept() > 0) {
    Tell(services.prompter, exchange::TooManyAccountLinesText(*path), "File Open Error",
         Buttons::Ok, Icon::Error);
    return std::nullopt;
  }
  return ChosenReport{*path, exchange::BuildImportPreview(report, services.scenario, mode)};
}

// Appends the imported account and opens the account dialog on it; the account stays only
// when the dialog is confirmed. Its id, or nothing.
std::optional<std::uint16_t> AddThroughAccountDialog(EditorServices& services,
                                                     const PreviewLine& line) {
  model::Scenario& scenario = services.scenario;
  if (model::AccountCount(scenario) >= model::kMaxAccounts) {
    Tell(services.prompter, kLimitText, kLimitCaption, Buttons::Ok, Icon::Error);
    return std::nullopt;
  }
  const std::uint32_t next_id = scenario.accounts.next_id;
  const bool was_modified = scenario.modified;
  const int position = exchange::AppendImportedAccount(scenario, line.name, line.amount);
  if (position < 0) return std::nullopt;
  AccountInfoDialog dialog(services, position);
  services.dialogs.RunModal(AccountInfoTemplate(), dialog);
  if (!dialog.committed()) {
    model::RemoveAccount(scenario, position);
    scenario.accounts.next_id = next_id;
    scenario.modified = was_modified;
    model::RecomputeInitialTotals(scenario);
    return std::nullopt;
  }
  return scenario.accounts.records[position].id;
}

// The first pass of an update: how many lines name an existing account; false (after saying
// why) when the update should not go on.
bool AgreesToUpdate(EditorServices& services, const ChosenReport& chosen) {
  const int accounts = model::AccountCount(services.scenario);
  const int matched = exchange::CountMarked(chosen.preview, PreviewMark::Matched);
  if (matched == 0) {
    Tell(services.prompter,
         "Found 0 accounts in the file " + chosen.path +
             ".\nPlease make sure this is the correct delimited file type.",
         "Possible incorrect file type.");
    return false;
  }
  if (!ConfirmImport(services.dialogs, chosen.path, chosen.preview, services.program.currency)) {
    return false;
  }
  const std::string question = "Updating " + std::to_string(std::min(matched, accounts)) +
                               " out of " + std::to_string(accounts) +
                               " accounts.\nDo you wish to continue?";
  return Tell(services.prompter, question, "Updating Accounts", Buttons::YesNo) == Answer::Yes;
}

}  // namespace

bool UpdateAccounts(EditorServices& services, const Keywords& keywords, bool comma) {
  const auto chosen = ChooseReport(
      services, keywords, comma ? ExchangeFile::UpdateFromComma : ExchangeFile::UpdateFromTab,
      ImportMode::Update);
  if (!chosen || !AgreesToUpdate(services, *chosen)) return false;
  model::Scenario& scenario = services.scenario;
  std::set<std::uint16_t> added;
  for (const PreviewLine& line : chosen->preview) {
    if (line.mark == PreviewMark::Skipped) continue;
    if (exchange::UpdateAccountsNamed(scenario, line.name, line.amount) > 0) continue;
    const std::string question =
        "Account " + line.name + " is not an existing account.\nDo you wish to add it?";
    if (Tell(services.prompter, question, "New Account Found", Buttons::YesNo) != Answer::Yes) {
      continue;
    }
    if (const auto id = AddThroughAccountDialog(services, line)) added.insert(*id);
  }
  exchange::SortAndRemoveAddedDuplicates(scenario, added);
  scenario.modified = true;
  return true;
}

bool LoadNewAccounts(EditorServices& services, const Keywords& keywords, bool comma,
                     const std::function<bool()>& start_new_scenario) {
  const auto chosen = ChooseReport(services, keywords,
                                   comma ? ExchangeFile::NewFromComma : ExchangeFile::NewFromTab,
                                   ImportMode::NewAccounts);
  if (!chosen ||
      !ConfirmImport(services.dialogs, chosen->path, chosen->preview, services.program.currency) ||
      !start_new_scenario()) {
    return false;
  }
  for (const PreviewLine& line : chosen->preview) {
    if (line.mark != PreviewMark::New) continue;
    if (model::AccountCount(services.scenario) >= model::kMaxAccounts) {
      Tell(services.prompter, kLimitText, kLimitCaption, Buttons::Ok, Icon::Error);
      break;
    }
    AddThroughAccountDialog(services, line);
  }
  return true;
}

}  // namespace tarvel::ui
