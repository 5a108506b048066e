// Runs the scenario as `tarvel run` does, then builds the report from the run and the run
// files of the working folder.
#include "cli/report_command.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <optional>
#include <utility>

#include "cli/image_writer.h"
#include "cli/opened_scenario.h"
#include "cli/private_folder.h"
#include "engine/data_folders.h"
#include "engine/run.h"
#include "model/atomic_file.h"
#include "painting/report_pdf.h"
#include "results/print_look.h"
#include "results/report_builder.h"
#include "results/report_csv.h"

namespace tarvel::cli {
namespace {

using results::ReportKind;

constexpr std::pair<const char*, ReportKind> kKinds[] = {
    {"networth", ReportKind::NetWorth},
    {"incoming", ReportKind::Incoming},
    {"outgoing", ReportKind::Outgoing},
    {"accounts", ReportKind::Accounts},
    {"account-allocations", ReportKind::AccountAllocations},
    {"groups", ReportKind::Groups},
    {"group-allocations", ReportKind::GroupAllocations},
    {"events", ReportKind::IncomingEvents},
    {"incoming-events", ReportKind::IncomingEvents},
    {"outgoing-events", ReportKind::OutgoingEvents},
    {"inputs", ReportKind::AccountsInOut},
    {"allocation", ReportKind::AssetByAllocation},
    {"allocation-table", ReportKind::AccountAssetAllocation},
};

constexpr char kKindList[] =
    "networth, incoming, outgoing, accounts, account-allocations, groups, group-allocations, "
    "events (incoming-events), outgoing-events, inputs, allocation or allocation-table";

std::optional<ReportKind> KindOf(const std::string& text) {
  for (const auto& [name, kind] : kKinds) {
    if (text == name) return kind;
  }
  return std::nullopt;
}

enum class OutputFormat { Text, Csv, Pdf };

std::optional<OutputFormat> FormatOf(const std::string& path) {
  std::string extension = std::filesystem::path(path).extension().string();
  for (char& c : extension) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  if (extension == ".txt") return OutputFormat::Text;
  if (extension == ".csv") return OutputFormat::Csv;
  if (extension == ".pdf") return OutputFormat::Pdf;
  return std::nullopt;
}

// The printed pages one after the other, as the printer would get them.
int WriteJoinedPages(ReportKind kind, const results::ReportSource& source, const std::string& out) {
  // The account asset allocation table prints its screen page.
  const results::PageTarget target = kind == ReportKind::AccountAssetAllocation
                                         ? results::PageTarget::Screen
                                         : results::PageTarget::Print;
  const results::ReportPages pages = results::WriteReportPages(kind, source, {target});
  if (pages.pages == 0) return Fail(pages.problem.text);
  std::string text;
  for (int page = 1; page <= pages.pages; ++page) {
    const std::filesystem::path name =
        source.workdir / (results::PageFilePrefix(target) + std::to_string(page));
    std::ifstream in(name, std::ios::binary);
    text.append(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    if (in.bad()) return Fail("Cannot read " + name.string());
  }
  std::error_code error;
  if (!model::WriteFileAtomically(out, text, error)) {
    return Fail(model::CannotWriteMessage(out, error));
  }
  return 0;
}

// The printed pages drawn into a PDF file, as the report window saves them.
int WritePdf(ReportKind kind, const results::ReportSource& source,
             const ReportCommandOptions& options, const platform::Clock& clock) {
  const results::PageTarget target = kind == ReportKind::AccountAssetAllocation
                                         ? results::PageTarget::Screen
                                         : results::PageTarget::Print;
  const std::string file_name = std::filesystem::path(options.input).filename().string();
  results::PrintLook look = results::PrintLookOf(source.scenario, file_name, clock,
                                                 engine::ProgramDataFolders(source.workdir));
  look.options.report_graphs = look.options.report_graphs || options.report_graphs;
  const results::ReportPages pages =
      results::WriteReportPages(kind, source, {target, look.options.report_graphs});
  if (pages.pages == 0) return Fail(pages.problem.text);
  std::string error;
  GuiScope gui;
  if (!painting::WriteReportPdf(source.workdir, pages.pages, results::PrintedReportKind(kind),
                                results::PrintedReportTitle(kind, source.scenario), options.out,
                                look, error)) {
    return Fail(error);
  }
  return 0;
}

int WriteCsv(ReportKind kind, const results::ReportSource& source, const std::string& out) {
  results::ReportProblem problem;
  const std::optional<results::ReportTable> table =
      results::BuildReportTable(kind, source, problem);
  if (!table) return Fail(problem.text);
  std::error_code error;
  if (!model::WriteFileAtomically(out, results::ReportCsv(*table), error)) {
    return Fail(model::CannotWriteMessage(out, error));
  }
  return 0;
}

}  // namespace

int RunReportCommand(const ReportCommandOptions& options) {
  const std::optional<ReportKind> kind = KindOf(options.kind);
  if (!kind)
    return Usage("--kind must be " + std::string(kKindList) + ", not \"" + options.kind + "\".");
  const std::optional<OutputFormat> format = FormatOf(options.out);
  if (!format) {
    return Usage("--out must name a .txt, .csv or .pdf file, not \"" + options.out + "\".");
  }
  const auto clock = ClockForToday(options.today);
  if (!clock) return 2;
  auto scenario = OpenScenarioFile(options.input);
  if (!scenario) return 1;
  PrivateFolder scratch;  // removed, with the run and page files in it, on every way out
  auto run = std::make_unique<engine::Run>();
  if (!RunOpenedFile(*scenario, {options.input, options.workdir, clock.get()}, scratch,
                     run.get())) {
    return 1;
  }
  const results::ReportSource source{*scenario, *run, run->options.workdir};
  switch (*format) {
    case OutputFormat::Csv:
      return WriteCsv(*kind, source, options.out);
    case OutputFormat::Pdf:
      return WritePdf(*kind, source, options, *clock);
    default:
      return WriteJoinedPages(*kind, source, options.out);
  }
}

void AddReportCommand(CLI::App& app, int& status) {
  auto options = std::make_shared<ReportCommandOptions>();
  CLI::App* command = app.add_subcommand("report", "Write a report of a scenario's run");
  command->add_option("file", options->input, "Scenario file (.ret)")->required();
  command->add_option("--kind", options->kind, kKindList);
  command->add_option("--out", options->out, "Report file: .txt (printed pages), .csv or .pdf")
      ->required();
  command->add_option("--workdir", options->workdir, "Folder for the run and page files");
  command->add_option("--today", options->today, "Today's date, YYYY-MM-DD");
  command->add_flag("--report-graphs", options->report_graphs,
                    "Two small graphs above the table on page 1 (PDF)");
  command->callback([options, &status] { status = RunReportCommand(*options); });
}

}  // namespace tarvel::cli
