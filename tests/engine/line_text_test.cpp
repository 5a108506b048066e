// Schedule lines filled from "%s" patterns, and the results list that keeps them end to end.
#include "engine/line_text.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "results/schedule_lines.h"

namespace tarvel::engine {
namespace {

TEST(LineText, FillsEachPlaceholderInOrderAsPrintfWould) {
  const std::string long_name(300, 'x');
  struct Case {
    std::string text;
    std::string expected;
  };
  const Case cases[] = {
      {LineText("  %s - Withdraw %s", "Car", "$1,000.00").str(), "  Car - Withdraw $1,000.00"},
      {LineText("%s%s", "", "").str(), ""},
      // A piece is copied as it is, even when it holds a placeholder of its own.
      {LineText("  %s:", "50%s off").str(), "  50%s off:"},
      // A placeholder without a piece stays as it is written.
      {LineText("  %s and %s", "one").str(), "  one and %s"},
      // A line longer than the room kept on the stack moves to the heap whole.
      {LineText("[%s] %s", long_name, "end").str(), "[" + long_name + "] end"},
  };
  for (const Case& c : cases) EXPECT_EQ(c.text, c.expected);
}

TEST(ScheduleLines, KeepsEachLineWholeAcrossClearsAndEmptyLines) {
  results::ScheduleLines lines;
  lines.push_back("first run");
  lines.clear();
  for (const char* line : {"Initial Rates:", "", "  Savings Rate = 6.125%"}) lines.push_back(line);
  EXPECT_EQ(lines, (std::vector<std::string>{"Initial Rates:", "", "  Savings Rate = 6.125%"}));
  EXPECT_EQ(lines.back(), "  Savings Rate = 6.125%");
  EXPECT_EQ(std::count(lines.begin(), lines.end(), ""), 1);
  EXPECT_EQ(lines.end() - lines.begin(), 3);
}

}  // namespace
}  // namespace tarvel::engine
