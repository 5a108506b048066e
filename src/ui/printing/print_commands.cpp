// Print commands over the page loop: schedule pages cut from the print file to the paper's
// room, documents named after the plan, printed files placed with a file dialog, the report
// options, page setup and printer font stored with the scenario.
#include "ui/printing/print_commands.h"

#include <filesystem>

#include "engine/data_folders.h"
#include "model/report_options.h"
#include "results/print_thumbnails.h"
#include "results/print_title_page.h"
#include "results/report_pages.h"
#include "ui/printing/accounts_list_print.h"
#include "ui/printing/print_file_chooser.h"
#include "ui/printing/report_options_dialog.h"
#include "ui/shell/command_ids.h"
#include "ui/shell/folders.h"
#include "ui/shell/printing_flag.h"

namespace tarvel::ui {
namespace {

const char* CaptionOf(results::ScheduleKind kind) {
  return kind == results::ScheduleKind::ResultsReport ? "Print Results" : "Print Scenario";
}

}  // namespace

bool PrintCommands::Handles(int id) const {
  return id == kPrintResultsCommand || id == kPrintScenarioCommand || id == kPrintPreviewCommand ||
         id == kReportOptionsCommand || id == kPageSetupCommand || id == kPrinterFontCommand ||
         id == kPrintWindowCommand || id == kPrintThumbnailsCommand;
}

CommandOutcome PrintCommands::Execute(int id) {
  if (!context_.state.scenario_loaded && id != kPageSetupCommand) return {};
  switch (id) {
    case kPrintResultsCommand:
      context_.view.SelectFolder(kResultsFolder);
      PrintSchedule(results::ScheduleKind::ResultsReport, false);
      break;
    case kPrintPreviewCommand:
      PrintSchedule(results::ScheduleKind::ResultsReport, true);
      break;
    case kPrintScenarioCommand:
      PrintSchedule(results::ScheduleKind::Scenario, false);
      break;
    case kReportOptionsCommand:
      EditReportOptions();
      break;
    case kPageSetupCommand:
      SetUpPage();
      break;
    case kPrinterFontCommand:
      ChoosePrinterFont();
      break;
    case kPrintWindowCommand:
      PrintWhatIsShowing();
      break;
    case kPrintThumbnailsCommand:
      PrintThumbnails();
      break;
  }
  return {};
}

results::PrintLook PrintCommands::Look() const {
  const std::string file_name = std::filesystem::path(context_.program.open_name).filename();
  results::PrintLook look =
      results::PrintLookOf(context_.scenario, file_name, services_.clock,
                           engine::ProgramDataFolders(context_.program.working_directory));
  look.currency = context_.program.currency;
  const model::PageMargins& margins = context_.program.margins;
  look.setup.margin_left = margins.left;
  look.setup.margin_top = margins.top;
  look.setup.margin_right = margins.right;
  look.setup.margin_bottom = margins.bottom;
  return look;
}

void PrintCommands::Tell(const std::string& text, const std::string& caption) {
  platform::Message message;
  message.text = text;
  message.caption = caption;
  message.icon = platform::Icon::Warning;
  context_.prompter.Ask(message);
}

void PrintCommands::PrintSchedule(results::ScheduleKind kind, bool preview) {
  const std::filesystem::path folder = context_.program.working_directory;
  engine::RunOptions options;
  options.workdir = folder;
  services_.run(results::SchedulePrintRunOptions(options, kind));
  const results::PrintLook look = Look();
  std::string failed_name;
  const std::optional<int> pages = results::MakeSchedulePageFiles(
      folder, kind, failed_name, services_.printer.SchedulePageHalfLines(look));
  // The results list shows the scenario again after the print-file run.
  context_.view.RunScenario();
  if (!pages) {
    Tell(failed_name, "FILE OPEN ERROR");
    return;
  }
  if (*pages == 0) {
    Tell("Cannot print file!", CaptionOf(kind));
    return;
  }
  const results::PageFileJob job{folder, "page", *pages, results::ScheduleTitle(kind),
                                 results::PageBody::Schedule};
  if (preview) {
    services_.printer.Preview(job, look);
    return;
  }
  PrintPages(job, look);
}

void PrintCommands::PrintPages(const results::PageFileJob& job, const results::PrintLook& look) {
  PrintFileChooser chooser(context_.prompter, context_.program);
  const PrintToFile to_file{chooser.SuggestedPath(job.title),
                            [&chooser](const std::string& path) { return chooser.Ask(path); }};
  PrintingFlag printing(context_.state);
  const results::PrintResult result = services_.printer.Print(
      results::PrintedDocumentName(look.file_name, job.title), job, look, to_file);
  if (result.outcome == results::PrintOutcome::Failed) Tell(result.message, result.caption);
}

void PrintCommands::PrintReport(const results::ReportPrintRequest& request) {
  const results::PageFileJob job{context_.program.working_directory,
                                 results::PageFilePrefix(request.report_kind),
                                 request.page_count,
                                 request.title,
                                 results::PageBody::Report,
                                 request.report_kind};
  if (!request.pdf_path.empty()) {
    std::string error;
    if (!services_.printer.SavePdf(job, Look(), request.pdf_path, error)) Tell(error, "Save As");
    return;
  }
  PrintPages(job, Look());
}

void PrintCommands::PrintAccountsList(const std::vector<int>& shown_order) {
  if (shown_order.empty()) return;
  const results::PagesWritten written = results::WriteReportPages(
      AccountsListTable(context_.scenario, shown_order), context_.program.working_directory,
      {results::PageTarget::AccountsFolder});
  if (!written.ok()) {
    Tell(written.problem, "FILE OPEN ERROR");
    return;
  }
  PrintReport({results::kAccountsListReport, written.pages, kAccountsListTitle, ""});
}

void PrintCommands::PrintThumbnails() {
  const std::filesystem::path folder = context_.program.working_directory;
  engine::RunOptions options;
  options.workdir = folder;
  const results::ReportSource source{context_.scenario, services_.run(options), folder};
  std::string problem;
  const int pages =
      results::WriteThumbnailPages(results::CollectThumbnails(source), folder, problem);
  if (pages == 0) {
    if (problem.empty()) {
      Tell("Cannot print file!", "Print Thumbnails");
    } else {
      Tell(problem, "FILE OPEN ERROR");
    }
    return;
  }
  const results::PageFileJob job{folder, results::kThumbnailPagePrefix, pages,
                                 results::kThumbnailsTitle, results::PageBody::Thumbnails};
  PrintPages(job, Look());
}

void PrintCommands::EditReportOptions() {
  ReportOptionsDialog dialog(context_.scenario, [this](const model::PrinterFontChoice& current) {
    return services_.printer.ChooseFont(current);
  });
  services_.dialogs.RunModal(ReportOptionsTemplate(), dialog);
  if (dialog.changed()) context_.view.Repaint();
}

void PrintCommands::SetUpPage() {
  model::PageMargins& margins = context_.program.margins;
  platform::PageSetup current;
  current.margin_left = margins.left;
  current.margin_top = margins.top;
  current.margin_right = margins.right;
  current.margin_bottom = margins.bottom;
  const std::optional<platform::PageSetup> chosen = services_.printer.SetUpPage(current);
  if (!chosen) return;
  margins = {chosen->margin_left, chosen->margin_top, chosen->margin_right, chosen->margin_bottom};
  context_.program.print_option = chosen->orientation == platform::Orientation::Landscape ? 2 : 1;
}

void PrintCommands::ChoosePrinterFont() {
  const auto font = services_.printer.ChooseFont(model::ReadPrinterFont(context_.scenario));
  if (!font) return;
  model::StorePrinterFont(*font, context_.scenario);
  context_.scenario.modified = true;
}

// Graph folders print their graph, the results folder the results report, every other
// folder the scenario pages.
void PrintCommands::PrintWhatIsShowing() {
  const int folder = context_.state.current_folder;
  if (IsGraphFolder(folder)) {
    PrintingFlag printing(context_.state);
    services_.graphs.PrintCurrentGraph(folder);
  } else if (folder == kResultsFolder) {
    PrintSchedule(results::ScheduleKind::ResultsReport, false);
  } else {
    PrintSchedule(results::ScheduleKind::Scenario, false);
  }
}

}  // namespace tarvel::ui
