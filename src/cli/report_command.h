// `tarvel report FILE.ret --kind KIND --out OUT.txt|.csv`: runs the scenario and writes one
// report of the Reports menu, as its printed pages joined (.txt) or as a table (.csv).
#pragma once

#include <CLI/CLI.hpp>
#include <string>

namespace tarvel::cli {

struct ReportCommandOptions {
  std::string input;
  std::string kind = "networth";
  std::string out;
  std::string workdir;         // the run and page files; a private temporary folder when empty
  std::string today;           // YYYY-MM-DD; the system date when empty
  bool report_graphs = false;  // two small graphs above the table on page 1 of a PDF
};

// Exit status: 0 written, 1 bad input or an unwritable file, 2 a malformed option.
int RunReportCommand(const ReportCommandOptions& options);

void AddReportCommand(CLI::App& app, int& status);

}  // namespace tarvel::cli
