// The planner's --help and its manual page tarvel-planner(1) tell the same options and
// keywords, and --man asks for the page.
#include "app/planner_usage.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "app/planner_arguments.h"
#include "support/man_page_terms.h"

namespace tarvel::app {
namespace {

using test_support::FirstWord;
using test_support::TextLines;

TEST(PlannerManPage, DescribesEveryOptionAndKeywordOfHelp) {
  const auto terms = test_support::ManPageTerms(PlannerManPage());
  int entries = 0;
  for (const std::string& line : TextLines(PlannerUsage())) {
    // An entry: two spaces, the option or keywords, two spaces and what it does.
    if (line.rfind("  ", 0) != 0 || line.size() < 3 || line[2] == ' ') continue;
    std::stringstream names(line.substr(2, line.find("  ", 2) - 2));
    for (std::string name; std::getline(names, name, ',');) {
      ++entries;
      EXPECT_TRUE(terms.at("OPTIONS").count(FirstWord(name)) ||
                  terms.at("KEYWORDS").count(FirstWord(name)))
          << name << " is not in tarvel-planner(1)";
    }
  }
  EXPECT_GE(entries, 12);  // the scenario file, four options and the keywords
}

TEST(PlannerManPage, IsAskedForWithMan) {
  EXPECT_TRUE(ParsePlannerArguments({"--man"}, "/desk").man);
  EXPECT_FALSE(ParsePlannerArguments({"--help"}, "/desk").man);
  EXPECT_EQ(PlannerUsage().find("--man"), std::string::npos);
}

}  // namespace
}  // namespace tarvel::app
