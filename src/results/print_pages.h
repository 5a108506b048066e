// The page loop of every printed document made of page files: report pages ("rpage%d",
// "spage%d", "apage%d") and schedule pages ("page%d"), in the order the print dialog's range,
// copies and collation ask for, with the cancel box between pages.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "platform/page_sink.h"
#include "platform/printer.h"
#include "results/print_header.h"
#include "results/print_look.h"

namespace tarvel::results {

// Report kinds whose pages are not "rpage%d": the account asset allocation table (15) prints
// its screen pages, the accounts folder's list (112) its own.
inline constexpr int kAllocationTableReport = 15;
inline constexpr int kAccountsListReport = 112;

// "rpage", "spage" or "apage" for a report kind.
std::string PageFilePrefix(int report_kind);

struct PageFileJob {
  std::filesystem::path folder;  // where the page files are
  std::string prefix;            // page n is prefix + n
  int page_count = 0;
  std::string title;
  PageBody body = PageBody::Report;
  int report_kind = 0;  // the printed report kind (1 net worth ...); 0 for the schedule
};

// Pages with this many columns or more print across the paper.
inline constexpr int kLandscapeColumns = 10;

// The most tab-separated cells on one line of the job's page files.
int WidestPageLine(const PageFileJob& job);

// The look with the paper turned to landscape when a page has 10 or more columns.
PrintLook OrientedForPages(const PageFileJob& job, PrintLook look);

enum class PrintOutcome { Printed, Cancelled, Failed };

struct PrintResult {
  PrintOutcome outcome = PrintOutcome::Printed;
  std::string message;  // for Failed: what to tell the user
  std::string caption;
  int pages = 0;  // pages that reached the sink
};

// Draws one page (0: the title page) onto a fresh canvas.
PrintResult DrawPageFile(platform::Canvas& canvas, const PageFileJob& job, int page,
                         const PrintLook& look);

// Prints the pages in order; progress (may be null) shows "Now printing Page i of n" and
// cancels the job between pages.
PrintResult PrintPageFiles(platform::PageSink& sink, const PageFileJob& job,
                           const std::vector<int>& order, const PrintLook& look,
                           platform::PrintProgress* progress);

// The report pages of one report kind, as the report window and the Reports menu print them.
PrintResult PrintReportPages(platform::PageSink& sink, const platform::PrintChoice& choice,
                             const std::filesystem::path& folder, int page_count, int report_kind,
                             const std::string& title, const PrintLook& look,
                             platform::PrintProgress* progress);

}  // namespace tarvel::results
