// Writing tarvel(1) from the registered commands: each command's usage, description, arguments
// and options as --help shows them, around the page's fixed sections.
#include "cli/man_page.h"

#include <cstdio>
#include <stdexcept>
#include <string_view>
#include <vector>

#include "manpage/roff_page.h"

namespace tarvel::cli {
namespace {

using manpage::Bold;
using manpage::Italic;
using manpage::RoffPage;
using manpage::RoffText;

bool IsHelpOption(const CLI::Option& option) {
  for (const std::string& name : option.get_lnames()) {
    if (name == "help") return true;
  }
  return false;
}

// A --help description ended with a full stop (it may start with a value such as "line").
std::string Sentence(std::string text) {
  if (!text.empty() && text.back() != '.') text += '.';
  return text;
}

// "-h, --help" in bold, then the value's kind in italics unless the option is a flag.
std::string OptionTerm(const CLI::Option& option) {
  if (option.get_positional()) return Italic(option.get_name(true));
  std::string term;
  for (const std::string& name : option.get_snames()) {
    term += (term.empty() ? "" : ", ") + Bold("-" + name);
  }
  for (const std::string& name : option.get_lnames()) {
    term += (term.empty() ? "" : ", ") + Bold("--" + name);
  }
  if (option.get_type_size() != 0) term += " " + Italic(option.get_type_name());
  return term;
}

// The description with what --help adds beside it: required, default, options it excludes.
std::string OptionText(const CLI::Option& option) {
  std::string text = Sentence(option.get_description());
  if (option.get_required()) text += " Required.";
  if (!option.get_default_str().empty()) text += " Default: " + option.get_default_str() + ".";
  for (const CLI::Option* other : option.get_excludes()) {
    text += " Not with " + other->get_name() + ".";
  }
  return text;
}

// "tarvel calc mortgage": the names of the command and the commands above it (the program's
// own name is whatever path it was started by).
std::string CommandPath(const CLI::App& command) {
  if (command.get_parent() == nullptr) return "tarvel";
  return CommandPath(*command.get_parent()) + " " + command.get_name();
}

std::string Usage(const CLI::App& command) {
  std::string usage = CommandPath(command);
  if (!command.get_subcommands([](const CLI::App*) { return true; }).empty()) {
    usage += " CALCULATOR";
  }
  for (const CLI::Option* option : command.get_options()) {
    if (option->get_positional()) usage += " " + option->get_name(true);
  }
  return usage + " [options]";
}

void WriteCommand(RoffPage& page, const CLI::App& command) {
  page.Subsection(Usage(command));
  page.Paragraph(Sentence(command.get_description()));
  for (const CLI::Option* option : command.get_options()) {
    if (IsHelpOption(*option) || option->get_group().empty()) continue;
    page.Term(OptionTerm(*option), OptionText(*option));
  }
  for (const CLI::App* inner : command.get_subcommands([](const CLI::App*) { return true; })) {
    WriteCommand(page, *inner);
  }
}

void WriteHead(RoffPage& page, const CLI::App& app) {
  page.NameSection("tarvel", "Tarvel Financial Planner command line");
  page.Section("SYNOPSIS");
  page.MarkedParagraph(Bold("tarvel") + " " + Italic("command") + " [" + Italic("options") +
                       "]\n.br\n" + Bold("tarvel --help") + "\n.br\n" + Bold("tarvel") + " " +
                       Italic("command") + " " + Bold("--help"));
  page.Section("DESCRIPTION");
  page.Paragraph(
      "tarvel runs, converts, draws, prints and analyses the scenarios (.ret files) of the "
      "Tarvel Financial Planner without the desktop program, for scripts and headless use. "
      "Each command reads a scenario, runs it year by year as the planner does, and writes what "
      "was asked for.");
  page.Paragraph(
      "The run files of a run (plotinf01.tmp, bigfile.tmp, infile.tmp, outfile.tmp) go to the "
      "folder given with --workdir, else to a private temporary folder that is removed when the "
      "command ends.");
  page.Section("OPTIONS");
  for (const CLI::Option* option : app.get_options()) {
    if (option->get_group().empty()) continue;
    page.Term(OptionTerm(*option), OptionText(*option));
  }
  page.Paragraph("Every command also takes -h, --help, which lists its options.");
}

void WriteTail(RoffPage& page) {
  page.Section("EXIT STATUS");
  page.Term(Bold("0"), "Success.");
  page.Term(Bold("1"),
            "The input could not be used or an output could not be written; a one-line message "
            "on standard error says what and where.");
  page.Term(Bold("2"), "Usage error: an unknown command or option, or a value of the wrong kind.");
  page.Section("ENVIRONMENT");
  page.Term(Bold("TMPDIR"), "Where the private temporary folder of a command is made (else /tmp).");
  page.Section("FILES");
  page.Paragraph(
      "Shipped files are looked up in the working directory (--workdir, else the current "
      "directory), then in share/tarvel-planner beside the program's bin folder "
      "(/usr/share/tarvel-planner for the package), so a file of your own of the same name "
      "takes precedence.");
  page.Term(Italic("mort.dat") + ", " + Italic("jointtab.dat"),
            "Life-expectancy tables of required minimum distributions and Rule 72T payments.");
  page.Term(Italic("us-annual-returns.csv"),
            "Yearly US returns and inflation, of the historical and bootstrap analyses.");
  page.Term(Italic("pictures/banner.png") + ", " + Italic("pictures/logo.png") + ", " +
                Italic("pictures/wmark.png"),
            "Banner, logo and watermark of printed pages, when the scenario's report options "
            "ask for them.");
  page.Term(Italic("examples/*.ret"), "Sample scenarios.");
  page.Section("EXAMPLES");
  page.Example({"tarvel convert plan.json plan.ret",
                "tarvel run plan.ret --schedule plan.sch --periods plan.csv",
                "tarvel graph plan.ret --kind networth --style bar --out networth.png",
                "tarvel print plan.ret --schedule --out plan.pdf",
                "tarvel report plan.ret --kind incoming --out incoming.csv",
                "tarvel montecarlo plan.ret --source historical --csv percentiles.csv",
                "tarvel calc mortgage --amount 160000 --rate 6 --years 30"});
  page.Section("SEE ALSO");
  page.MarkedParagraph(Bold("tarvel-planner") + "(1)");
}

}  // namespace

std::string CommandLineManPage(const CLI::App& app) {
  RoffPage page("tarvel", 1, "tarvel " TARVEL_VERSION, "Tarvel Financial Planner");
  WriteHead(page, app);
  page.Section("COMMANDS");
  for (const CLI::App* command : app.get_subcommands([](const CLI::App*) { return true; })) {
    WriteCommand(page, *command);
  }
  WriteTail(page);
  return page.text();
}

void AddManPageFlag(CLI::App& app) {
  app.add_flag_callback(
         "--man",
         [&app] {
           const std::string page = CommandLineManPage(app);
           if (std::fwrite(page.data(), 1, page.size(), stdout) != page.size() ||
               std::fflush(stdout) != 0) {
             throw std::runtime_error("Cannot write the manual page to standard output.");
           }
           throw CLI::Success();
         },
         "Print the manual page (roff)")
      ->group("");
}

}  // namespace tarvel::cli
