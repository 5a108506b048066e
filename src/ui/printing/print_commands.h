// The print commands: Print Results Report (401), its preview (890), Print Scenario (905),
// Report Options (405), Page Setup (406), the printer font (112), Ctrl+P (790), which
// prints whatever is showing, and Print Thumbnails (918).
#pragma once

#include <functional>
#include <vector>

#include "engine/run.h"
#include "platform/clock.h"
#include "results/print_schedule_pages.h"
#include "results/report_print_request.h"
#include "ui/commands/graph_commands.h"
#include "ui/printing/page_printer.h"
#include "ui/shell/dialog_template.h"
#include "ui/shell/dispatcher.h"

namespace tarvel::ui {

inline constexpr int kPrintScenarioCommand = 905;
inline constexpr int kPrintPreviewCommand = 890;
inline constexpr int kReportOptionsCommand = 405;
inline constexpr int kPageSetupCommand = 406;
inline constexpr int kPrinterFontCommand = 112;
inline constexpr int kPrintWindowCommand = 790;
inline constexpr int kPrintThumbnailsCommand = 918;

// Runs the scenario with these options, as the results folder does, and returns the run.
using OptionsRun = std::function<const engine::Run&(const engine::RunOptions&)>;

struct PrintCommandServices {
  PagePrinter& printer;
  DialogRunner& dialogs;
  GraphPrinter& graphs;
  const platform::Clock& clock;
  OptionsRun run;
};

class PrintCommands : public CommandHandler {
 public:
  PrintCommands(CommandContext& context, PrintCommandServices services)
      : context_(context), services_(std::move(services)) {}

  bool Handles(int id) const override;
  CommandOutcome Execute(int id) override;
  // A report window's pages: through the print dialog, or straight into the PDF file asked for.
  void PrintReport(const results::ReportPrintRequest& request);
  // The accounts folder's list in the order it shows the accounts ("apage%d", kind 112).
  void PrintAccountsList(const std::vector<int>& shown_order);

 private:
  // Runs to the print file, cuts it into pages, rebuilds the results list, then prints or
  // previews the pages.
  void PrintSchedule(results::ScheduleKind kind, bool preview);
  // Through the print dialog, a file dialog when printed to a file, under the plan's name.
  void PrintPages(const results::PageFileJob& job, const results::PrintLook& look);
  void EditReportOptions();
  void SetUpPage();
  void ChoosePrinterFont();
  void PrintWhatIsShowing();
  // Runs the scenario, writes the reports' print pages and prints them as small charts.
  void PrintThumbnails();
  results::PrintLook Look() const;
  void Tell(const std::string& text, const std::string& caption);

  CommandContext& context_;
  PrintCommandServices services_;
};

}  // namespace tarvel::ui
