// The manual page and the README against --help: every command's every option is in the
// manual page under that command, and the README's tables of run, graph and montecarlo list
// every option with its default.
#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "support/man_page_terms.h"
#include "support/process_runner.h"

namespace tarvel {
namespace {

using test_support::FirstWord;
using test_support::ManPageTerms;
using test_support::RunTarvel;

// The first words of the entries under a heading of --help ("Options:", "Subcommands:"),
// each name of "-h,--help" on its own. Wrapped descriptions (indented further) are skipped.
std::vector<std::string> HelpEntries(const std::string& help, const std::string& heading) {
  std::vector<std::string> entries;
  bool inside = false;
  for (const std::string& line : test_support::TextLines(help)) {
    if (line == heading) {
      inside = true;
    } else if (inside && (line.empty() || line[0] != ' ')) {
      inside = false;
    } else if (inside && line.rfind("  ", 0) == 0 && line.size() > 2 && line[2] != ' ') {
      std::stringstream names(FirstWord(line));
      for (std::string name; std::getline(names, name, ',');) entries.push_back(name);
    }
  }
  return entries;
}

// The options of a command's --help, --help itself left out.
std::vector<std::string> HelpOptions(const std::string& help) {
  std::vector<std::string> options;
  for (const std::string& entry : HelpEntries(help, "Options:")) {
    if (entry.front() == '-' && entry != "-h" && entry != "--help") options.push_back(entry);
  }
  return options;
}

// The subsection of "tarvel calc" is the one whose title goes on with its arguments, not with
// one of its calculators.
const std::set<std::string>* CommandTerms(const std::map<std::string, std::set<std::string>>& terms,
                                          const std::string& command,
                                          const std::vector<std::string>& inner_commands) {
  for (const auto& [title, names] : terms) {
    if (title.rfind(command + " ", 0) != 0) continue;
    const std::string next = FirstWord(title.substr(command.size()));
    bool inner = false;
    for (const std::string& name : inner_commands) inner = inner || name == next;
    if (!inner) return &names;
  }
  return nullptr;
}

// Every option of the command's --help (and of its inner commands') is a term of its
// subsection.
void ExpectCommandDocumented(const std::map<std::string, std::set<std::string>>& terms,
                             const std::string& command) {
  const std::string help = RunTarvel(command.substr(7) + " --help").out;
  const std::vector<std::string> inner = HelpEntries(help, "Subcommands:");
  const std::set<std::string>* documented = CommandTerms(terms, command, inner);
  ASSERT_NE(documented, nullptr) << "no subsection for " << command;
  for (const std::string& option : HelpOptions(help)) {
    EXPECT_TRUE(documented->count(option)) << command << " " << option << " is not in tarvel(1)";
  }
  for (const std::string& name : inner) ExpectCommandDocumented(terms, command + " " + name);
}

TEST(ManPage, DescribesEveryOptionOfEveryCommandUnderThatCommand) {
  const auto page = RunTarvel("--man");
  ASSERT_EQ(page.status, 0) << page.errors;
  const auto terms = ManPageTerms(page.out);
  const std::string help = RunTarvel("--help").out;
  for (const std::string& option : HelpEntries(help, "Options:")) {
    EXPECT_TRUE(terms.at("OPTIONS").count(option)) << option << " is not in tarvel(1)";
  }
  const std::vector<std::string> commands = HelpEntries(help, "Subcommands:");
  EXPECT_GE(commands.size(), 10u) << help;
  for (const std::string& command : commands) ExpectCommandDocumented(terms, "tarvel " + command);
}

TEST(ManPage, HasTheSectionsOfACommandsPageAndStaysOutOfHelp) {
  const std::string page = RunTarvel("--man").out;
  for (const char* section : {"NAME", "SYNOPSIS", "DESCRIPTION", "OPTIONS", "COMMANDS",
                              "EXIT STATUS", "ENVIRONMENT", "FILES", "EXAMPLES", "SEE ALSO"}) {
    EXPECT_NE(page.find(".SH \"" + std::string(section) + "\"\n"), std::string::npos) << section;
  }
  EXPECT_NE(page.find(".SH \"NAME\"\ntarvel \\- "), std::string::npos) << "whatis cannot read it";
  EXPECT_EQ(RunTarvel("--help").out.find("--man"), std::string::npos);
}

// The README's section of a command: from its heading to the next heading.
std::string ReadmeSection(const std::string& heading_start) {
  std::ifstream in(std::string(TARVEL_SOURCE_DATA_DIR) + "/../README.md");
  std::string section;
  bool inside = false;
  for (std::string line; std::getline(in, line);) {
    if (line.rfind(heading_start, 0) == 0) {
      inside = true;
    } else if (inside && line.rfind("#", 0) == 0) {
      break;
    }
    if (inside) section += line + "\n";
  }
  return section;
}

TEST(Readme, TablesEveryOptionOfRunGraphAndMontecarloWithItsDefault) {
  const std::pair<const char*, const char*> commands[] = {
      {"run", "### `tarvel run "},
      {"graph", "### `tarvel graph "},
      {"montecarlo", "## Monte Carlo"},
  };
  for (const auto& [command, heading] : commands) {
    const std::string section = ReadmeSection(heading);
    ASSERT_NE(section.find("| Option | Default | Meaning |"), std::string::npos)
        << "no table of options with defaults under " << heading;
    for (const std::string& option : HelpOptions(RunTarvel(std::string(command) + " --help").out)) {
      bool tabled = false;
      for (const std::string& line : test_support::TextLines(section)) {
        tabled = tabled ||
                 (line.rfind("| ", 0) == 0 && (line.find("`" + option + " ") != std::string::npos ||
                                               line.find("`" + option + "`") != std::string::npos));
      }
      EXPECT_TRUE(tabled) << "tarvel " << command << " " << option << " is not in the README";
    }
  }
}

}  // namespace
}  // namespace tarvel
