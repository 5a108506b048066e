// `tarvel import`: reads a report, previews it against the scenario and applies it.
#include "cli/import_command.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <filesystem>
#include <memory>

#include "cli/opened_scenario.h"
#include "engine/data_folders.h"
#include "engine/rmd_tables.h"
#include "exchange/account_import.h"
#include "exchange/report_parser.h"
#include "exchange/report_text.h"
#include "model/atomic_file.h"
#include "model/record_counts.h"
#include "model/scenario_codec.h"
#include "model/windows_1252.h"

namespace tarvel::cli {
namespace {

// By extension: .csv and .prn are comma files, .tvi and .tve tab files; any other file is a
// tab file when a line holds a tab.
exchange::ReportKind KindOf(const std::string& path, const std::string& text) {
  std::string extension = std::filesystem::path(path).extension().string();
  std::transform(extension.begin(), extension.end(), extension.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  if (extension == ".csv" || extension == ".prn") return exchange::ReportKind::Comma;
  if (extension == ".tvi" || extension == ".tve") return exchange::ReportKind::Tab;
  return text.find('\t') != std::string::npos ? exchange::ReportKind::Tab
                                              : exchange::ReportKind::Comma;
}

bool PrintPreview(const std::vector<exchange::PreviewLine>& preview) {
  std::string text;
  for (const std::string& row : exchange::PreviewRows(preview, model::Currency{})) {
    text += model::Utf8From1252(row) + "\n";
  }
  return std::fwrite(text.data(), 1, text.size(), stdout) == text.size() &&
         std::fflush(stdout) == 0;
}

void ReportLeftOut(const std::vector<std::string>& names, const model::Scenario& scenario) {
  const bool full = model::AccountCount(scenario) >= model::kMaxAccounts;
  for (const std::string& name : names) {
    const std::string shown = model::Utf8From1252(name);
    if (full) {
      std::fprintf(stderr, "Number of accounts exceed limit: %s was not added.\n", shown.c_str());
    } else {
      std::fprintf(stderr, "Account %s is not an existing account; it was not added.\n",
                   shown.c_str());
    }
  }
}

}  // namespace

int RunImportCommand(const ImportCommandOptions& options) {
  if (options.update == options.fresh) return Usage("Give one of --update and --new.");
  if (!options.dry_run && options.output.empty()) return Usage("--out is needed.");
  auto scenario = OpenScenarioFile(options.input);
  if (!scenario) return 1;
  const auto text = exchange::ReadReportFile(options.report);
  if (!text) return Fail("Cannot open " + options.report + ".");
  const auto report = exchange::ParseReport(*text, KindOf(options.report, *text));
  const auto mode =
      options.fresh ? exchange::ImportMode::NewAccounts : exchange::ImportMode::Update;
  if (options.fresh) {
    // As File > New: the birth year of the plan read tells when distributions start.
    const int rmd_start_age =
        engine::NewPlanRmdStartAge(scenario->initial, ClockForToday("")->Today());
    exchange::StartNewScenario(*scenario);
    engine::StartNewPlanRmdTables(scenario->settings,
                                  engine::ReadMortalityFile(engine::ProgramDataFolders(".")).tables,
                                  rmd_start_age);
  }
  const auto preview = exchange::BuildImportPreview(report, *scenario, mode);
  if (options.dry_run) return PrintPreview(preview) ? 0 : Fail("Cannot write the preview.");
  if (options.update && exchange::CountMarked(preview, exchange::PreviewMark::Matched) == 0) {
    return Fail("Found 0 accounts in the file " + options.report +
                ". Please make sure this is the correct delimited file type.");
  }
  ReportLeftOut(exchange::ApplyImport(*scenario, preview, mode, options.add_new), *scenario);
  if (!model::WriteFileAtomically(options.output, model::EncodeScenario(*scenario))) {
    return Fail("Cannot write " + options.output + ".");
  }
  return 0;
}

void AddImportCommand(CLI::App& app, int& status) {
  auto options = std::make_shared<ImportCommandOptions>();
  CLI::App* command = app.add_subcommand("import", "Read account balances from a report file");
  command->add_option("file", options->input, "Scenario file (.ret)")->required();
  command->add_option("from", options->report, "Report file (.csv, .txt, .tvi, .prn)")->required();
  CLI::Option* update =
      command->add_flag("--update", options->update, "Update the accounts the report names");
  CLI::Option* fresh =
      command->add_flag("--new", options->fresh, "Make the accounts of a new scenario");
  update->excludes(fresh);
  command->add_flag("--add-new", options->add_new, "Add the accounts an update does not know");
  command->add_flag("--dry-run", options->dry_run, "Print the preview and change nothing");
  command->add_option("--out", options->output, "Scenario file to write");
  command->callback([options, &status] { status = RunImportCommand(*options); });
}

}  // namespace tarvel::cli
