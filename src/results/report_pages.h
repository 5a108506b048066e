// WriteReportPages: cuts a report table into the page files of the working directory, the
// one long screen page "spage1" or the print pages "rpage1", "rpage2" ... of 50 lines (40
// when two small graphs are printed above the table), in column blocks of 7 on paper.
#pragma once

#include <filesystem>
#include <string>

#include "results/report_table.h"

namespace tarvel::results {

enum class PageTarget { Screen, Print, AccountsFolder };

struct PageOptions {
  PageTarget target = PageTarget::Screen;
  bool report_graphs = false;  // the print option that puts two graphs above the table
  int first_page = 1;          // a report printed after another goes on with its numbers
};

inline constexpr int kScreenPageLines = 3000;
inline constexpr int kPrintPageLines = 50;
inline constexpr int kPrintPageLinesWithGraphs = 40;
inline constexpr int kPrintColumnsPerBlock = 7;

// "spage", "rpage" or "apage": the page files' names are this followed by the page number.
const char* PageFilePrefix(PageTarget target);
int PageLength(const PageOptions& options);

// What a report problem looks like to the user.
struct ReportProblem {
  std::string text;
  std::string caption = "FILE OPEN ERROR";
};

struct PagesWritten {
  int pages = 0;        // the number of the last page; 0 when the report failed
  std::string problem;  // the message when a page file could not be created
  bool ok() const { return pages > 0; }
};

PagesWritten WriteReportPages(const ReportTable& table, const std::filesystem::path& folder,
                              const PageOptions& options);

}  // namespace tarvel::results
