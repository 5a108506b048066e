// Runs the scenario in print-file mode as the Print Results Report and Print Scenario
// commands do, cuts the print file into page files and draws them into a PDF file.
#include "cli/print_command.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <memory>

#include "cli/image_writer.h"
#include "cli/opened_scenario.h"
#include "cli/private_folder.h"
#include "engine/data_folders.h"
#include "engine/run.h"
#include "painting/paper.h"
#include "painting/report_pdf.h"
#include "results/print_look.h"
#include "results/print_schedule_pages.h"
#include "results/schedule_run.h"

namespace tarvel::cli {
namespace {

bool EndsWithPdf(std::string path) {
  std::transform(path.begin(), path.end(), path.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return path.size() > 4 && path.ends_with(".pdf");
}

}  // namespace

int RunPrintCommand(const PrintCommandOptions& options) {
  if (options.schedule == options.scenario) return Usage("Give one of --schedule and --scenario.");
  if (!EndsWithPdf(options.out)) {
    return Usage("--out must name a .pdf file, not \"" + options.out + "\".");
  }
  std::optional<QPageSize::PageSizeId> paper = painting::DefaultPaper();
  if (!options.paper.empty()) paper = painting::PaperNamed(options.paper);
  if (!paper) return Usage("--paper must be letter or a4, not \"" + options.paper + "\".");
  const auto clock = ClockForToday(options.today);
  if (!clock) return 2;
  auto scenario = OpenScenarioFile(options.input);
  if (!scenario) return 1;
  const results::ScheduleKind kind =
      options.schedule ? results::ScheduleKind::ResultsReport : results::ScheduleKind::Scenario;
  FileRunSetup setup{options.input, options.workdir, clock.get()};
  setup.ready_run = [&](engine::Run& run) {
    run.options.detailed = options.detailed;
    run.options = results::SchedulePrintRunOptions(run.options, kind);
    return true;
  };
  PrivateFolder scratch;
  auto run = std::make_unique<results::ScheduleRun>();
  if (!RunOpenedFile(*scenario, setup, scratch, run.get())) return 1;
  const std::filesystem::path& workdir = run->options.workdir;
  const std::string file_name = std::filesystem::path(options.input).filename().string();
  results::PrintLook look =
      results::PrintLookOf(*scenario, file_name, *clock, engine::ProgramDataFolders(workdir));
  look.options.banding = look.options.banding || options.banding;
  look.options.boxing = look.options.boxing || options.boxing;
  GuiScope gui;
  // The pages are cut to the lines the paper holds in the printer font.
  const int page_half_lines = painting::ScheduleLayoutOnPaper(look, *paper).page_half_lines;
  std::string failed_name;
  const std::optional<int> pages =
      results::MakeSchedulePageFiles(workdir, kind, failed_name, page_half_lines);
  if (!pages) return Fail("FILE OPEN ERROR: " + failed_name);
  if (*pages == 0) return Fail("Cannot print file!");

  const results::PageFileJob job{workdir, "page", *pages, results::ScheduleTitle(kind),
                                 results::PageBody::Schedule};
  std::string error;
  if (!painting::WritePageFilesPdf(job, options.title_page, look, options.out, error, *paper)) {
    return Fail(error);
  }
  return 0;
}

void AddPrintCommand(CLI::App& app, int& status) {
  auto options = std::make_shared<PrintCommandOptions>();
  CLI::App* command = app.add_subcommand(
      "print", "Print a scenario's results report or scenario pages into a PDF file");
  command->add_option("file", options->input, "Scenario file (.ret)")->required();
  command->add_flag("--schedule", options->schedule, "The results report: listing and schedule");
  command->add_flag("--scenario", options->scenario, "The scenario listing only");
  command->add_option("--out", options->out, "PDF file")->required();
  command->add_flag("--title-page", options->title_page, "Start with the title page");
  command->add_flag("--banding", options->banding, "Band alternate rows");
  command->add_flag("--boxing", options->boxing, "Draw a box around each row");
  command->add_flag("--detailed", options->detailed, "Detailed results");
  command->add_option("--paper", options->paper,
                      "Paper: letter or a4 (the locale's usual paper when not given)");
  command->add_option("--workdir", options->workdir, "Folder for the print and page files");
  command->add_option("--today", options->today, "Today's date for the header, YYYY-MM-DD");
  command->callback([options, &status] { status = RunPrintCommand(*options); });
}

}  // namespace tarvel::cli
