// `tarvel print FILE.ret --schedule|--scenario --out OUT.pdf`: runs the scenario into the
// print file and draws the printed results report or scenario pages into a PDF file.
#pragma once

#include <CLI/CLI.hpp>
#include <string>

namespace tarvel::cli {

struct PrintCommandOptions {
  std::string input;
  bool schedule = false;  // the results report: the listing and the whole schedule
  bool scenario = false;  // the scenario listing only
  std::string out;
  bool title_page = false;
  bool banding = false;
  bool boxing = false;
  bool detailed = false;
  std::string paper;    // "letter" or "a4"; the locale's usual paper when empty
  std::string workdir;  // the print and page files; a private temporary folder when empty
  std::string today;    // YYYY-MM-DD for the header; the system date when empty
};

// Exit status: 0 written, 1 bad input or an unwritable file, 2 a malformed option.
int RunPrintCommand(const PrintCommandOptions& options);

void AddPrintCommand(CLI::App& app, int& status);

}  // namespace tarvel::cli
