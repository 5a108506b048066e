// The planner's options and keywords, told once and written as --help and as a manual page.
#include "app/planner_usage.h"

#include <string_view>

#include "manpage/roff_page.h"

namespace tarvel::app {
namespace {

struct Entry {
  std::string_view name;   // an option, an argument or keywords
  std::string_view value;  // what the option takes; empty for none
  std::string_view text;
};

constexpr Entry kArguments[] = {
    {"SCENARIO.ret", "", "open this scenario instead of the last one"},
    {"--workdir", "DIR",
     "keep the planner's files in DIR (default: $TARVEL_HOME, else $XDG_DATA_HOME/tarvel-planner, "
     "usually ~/.local/share/tarvel-planner)"},
    {"--help", "", "show this text"},
    {"--version", "", "show the version and the folder of the shipped files"},
};

constexpr Entry kKeywords[] = {
    {"NORET", "", "open without running the scenario"},
    {"Pound, Euro, Yen", "", "the currency: pounds, euros or yen instead of dollars"},
    {"VOSK", "", "tab-file imports offer text files from the working directory"},
    {"LIGHTER", "", "always lighten the banding colour of lists and reports"},
    {"SUMMARY", "", "runs leave out the yearly summary lines"},
    {"DARKYELLOW", "", "the banding colour of lists and reports unlightened"},
    {"RPREVIEW", "", "the alternate report preview"},
};

constexpr std::size_t kTextColumn = 20;
constexpr std::size_t kLineWidth = 79;

std::string Term(const Entry& entry) {
  return entry.value.empty() ? std::string(entry.name)
                             : std::string(entry.name) + " " + std::string(entry.value);
}

// "  TERM  text" with the text wrapped at kLineWidth and indented to kTextColumn.
std::string UsageEntry(const Entry& entry) {
  std::string line = "  " + Term(entry);
  std::string lines;
  std::string_view text = entry.text;
  while (!text.empty()) {
    line.append(line.size() < kTextColumn ? kTextColumn - line.size() : 1, ' ');
    std::size_t take = text.size();
    if (line.size() + take > kLineWidth) {
      take = text.rfind(' ', kLineWidth - line.size());
      if (take == std::string_view::npos || take == 0) take = text.find(' ');
      if (take == std::string_view::npos) take = text.size();
    }
    line += text.substr(0, take);
    text.remove_prefix(take);
    while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
    lines += line + "\n";
    line.clear();
  }
  return lines;
}

std::string ManTerm(const Entry& entry) {
  std::string term = manpage::Bold(entry.name);
  if (!entry.value.empty()) term += " " + manpage::Italic(entry.value);
  return term;
}

// A --help line as a sentence of the manual page.
std::string Sentence(std::string_view text) {
  std::string sentence(text);
  if (!sentence.empty() && sentence.front() >= 'a' && sentence.front() <= 'z') {
    sentence.front() = static_cast<char>(sentence.front() - 'a' + 'A');
  }
  return sentence + ".";
}

}  // namespace

std::string PlannerUsage() {
  std::string usage =
      "Usage: tarvel-planner [--workdir DIR] [SCENARIO.ret] [KEYWORD...]\n\n"
      "The desktop retirement planner.\n\n";
  for (const Entry& entry : kArguments) usage += UsageEntry(entry);
  usage += "\nKeywords, anywhere on the command line:\n";
  for (const Entry& entry : kKeywords) usage += UsageEntry(entry);
  return usage;
}

std::string PlannerManPage() {
  manpage::RoffPage page("tarvel-planner", 1, "tarvel-planner " TARVEL_VERSION,
                         "Tarvel Financial Planner");
  page.NameSection("tarvel-planner", "desktop retirement and financial planner");
  page.Section("SYNOPSIS");
  page.MarkedParagraph(manpage::Bold("tarvel-planner") + " [" + manpage::Bold("--workdir") + " " +
                       manpage::Italic("DIR") + "] [" + manpage::Italic("SCENARIO.ret") + "] [" +
                       manpage::Italic("KEYWORD") + "...]");
  page.Section("DESCRIPTION");
  page.Paragraph(
      "The Tarvel Financial Planner simulates a financial scenario year by year to its end age: "
      "savings, retirement and tax-free accounts, property, deposits and withdrawals, loans, "
      "mortgages, budgets, taxes, inflation and required minimum distributions. It shows the "
      "schedule of every transaction, yearly results, graphs and red flags, prints reports, and "
      "offers financial calculators. It opens the scenario it had open when it was last closed, "
      "or the one named on the command line.");
  page.Paragraph("F1 opens the help, which describes every window and dialog.");
  page.Section("OPTIONS");
  for (const Entry& entry : kArguments) page.Term(ManTerm(entry), Sentence(entry.text));
  page.Section("KEYWORDS");
  page.Paragraph(
      "Keywords count anywhere on the command line, case-sensitively, also as part of a longer "
      "word.");
  for (const Entry& entry : kKeywords) page.Term(ManTerm(entry), Sentence(entry.text));
  page.Section("EXIT STATUS");
  page.Term(manpage::Bold("0"), "The planner was closed normally.");
  page.Term(manpage::Bold("1"),
            "The working directory cannot be made or entered, or another planner works in it.");
  page.Term(manpage::Bold("2"), "Usage error.");
  page.Section("ENVIRONMENT");
  page.Term(manpage::Bold("TARVEL_HOME"), "The working directory when --workdir is not given.");
  page.Term(manpage::Bold("XDG_DATA_HOME"),
            "Without either, the working directory is $XDG_DATA_HOME/tarvel-planner "
            "(~/.local/share/tarvel-planner).");
  page.Section("FILES");
  page.Paragraph(
      "The working directory holds the planner's start-up file, preferences, colours, "
      "planner.ini, the lock planner.lock, the recovery copy recovery.ret and the working files "
      "of a run. Shipped files (life-expectancy tables, historical returns, help pages, "
      "pictures, sample scenarios) are looked up in the working directory first, then in "
      "/usr/share/tarvel-planner (share/tarvel-planner beside the program's bin folder).");
  page.Section("EXAMPLES");
  page.Example({"tarvel-planner --workdir ~/plans", "tarvel-planner ~/plans/retirement.ret Euro"});
  page.Section("SEE ALSO");
  page.MarkedParagraph(manpage::Bold("tarvel") + "(1)");
  return page.text();
}

}  // namespace tarvel::app
