// The import and export commands.
#include "ui/exchange/exchange_commands.h"

#include "ui/commands/file_commands.h"
#include "ui/exchange/account_import_flow.h"
#include "ui/exchange/balance_export_flow.h"
#include "ui/exchange/exchange_choosers.h"
#include "ui/shell/command_ids.h"
#include "ui/shell/folders.h"

namespace tarvel::ui {
namespace {

constexpr int kExportCommand = 12;
constexpr int kImportCommand = 13;

}  // namespace

ExchangeCommands::ExchangeCommands(CommandContext& context, const HandlerServices& services)
    : context_(context),
      dialogs_(services.dialogs),
      help_(services.help),
      launcher_(services.launcher),
      clock_(services.clock) {}

bool ExchangeCommands::Handles(int id) const {
  return id == kExportCommand || id == kImportCommand || id == kNewAccountsFromTabFile ||
         id == kNewAccountsFromCommaFile || (id >= kUpdateFromTabFile && id <= kExportToCommaFile);
}

EditorServices ExchangeCommands::Services() {
  return {
      context_.scenario, context_.program, context_.prompter, dialogs_, help_, launcher_, clock_};
}

CommandOutcome ExchangeCommands::Execute(int id) {
  switch (id) {
    case kExportCommand:
    case kImportCommand:
      return Choose(id);
    case kNewAccountsFromTabFile:
    case kNewAccountsFromCommaFile:
      return NewFromFile(id == kNewAccountsFromCommaFile);
    case kUpdateFromTabFile:
    case kUpdateFromCommaFile:
      return Update(id == kUpdateFromCommaFile);
    default: {
      EditorServices services = Services();
      ExportBalances(services, context_.state.keywords, id == kExportToCommaFile);
      return {};
    }
  }
}

CommandOutcome ExchangeCommands::Choose(int id) {
  const bool exporting = id == kExportCommand;
  ExchangeChooser chooser(help_, exporting ? kExportChooserHelp : kUpdateChooserHelp,
                          exporting ? kExportToTabFile : kUpdateFromTabFile,
                          exporting ? kExportToCommaFile : kUpdateFromCommaFile);
  const int choice = dialogs_.RunModal(
      exporting ? ExportChooserTemplate() : UpdateAccountsChooserTemplate(), chooser);
  CommandOutcome outcome;
  if (choice != kIdCancel) outcome.posted = choice;
  return outcome;
}

CommandOutcome ExchangeCommands::NewFromFile(bool comma) {
  EditorServices services = Services();
  CommandOutcome outcome;
  const auto start = [this, &outcome] {
    outcome = StartNewScenario(context_, clock_);
    return outcome.replaced_scenario;
  };
  if (!LoadNewAccounts(services, context_.state.keywords, comma, start)) return outcome;
  context_.view.RefreshFolders();
  context_.view.SelectFolder(kAccountsFolder);
  return outcome;
}

CommandOutcome ExchangeCommands::Update(bool comma) {
  EditorServices services = Services();
  if (!UpdateAccounts(services, context_.state.keywords, comma)) return {};
  ShellState& state = context_.state;
  state.results_stale = true;
  context_.view.RefreshFolders();
  if (state.current_folder == kResultsFolder || state.current_folder == kSummaryFolder) {
    context_.view.RunScenario();
    context_.view.SelectFolder(kResultsFolder);
  } else {
    context_.view.SelectFolder(state.current_folder);
  }
  return {};
}

}  // namespace tarvel::ui
