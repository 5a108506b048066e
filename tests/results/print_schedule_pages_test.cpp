#include "results/print_schedule_pages.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>

#include "results/print_page_bodies.h"
#include "support/temp_folder.h"

namespace tarvel::results {
namespace {

const std::string kRule(60, '-');

// A listing of 3 lines, the first rule, then years of a schedule: a "??" heading marker,
// a summary row between rules and event lines.
std::vector<std::string> PrintFile(int years) {
  std::vector<std::string> lines = {" 45.0 Salary - Deposit", " 50.0 Car loan",
                                    "Initial Rates:", kRule};
  for (int year = 0; year < years; ++year) {
    lines.push_back("??");
    lines.push_back(kRule);
    lines.push_back(std::to_string(45 + year) + ".0\t$1.00\t$2.00");
    lines.push_back(kRule);
    for (int event = 0; event < 5; ++event) lines.push_back("  Deposit " + std::to_string(event));
  }
  return lines;
}

// The drawn height of a page, in half lines.
int HalfLines(const PageLines& page) {
  int half_lines = 0;
  for (const std::string& line : page) half_lines += HalfLinesOf(line);
  return half_lines;
}

bool StartsWithHeading(const PageLines& page) {
  const PageLines heading = ScheduleHeading();
  return page.size() >= heading.size() && std::equal(heading.begin(), heading.end(), page.begin());
}

TEST(CutSchedulePages, PageOneEndsAtTheFirstRuleAndLaterPagesHoldWhatTheirRoomHolds) {
  for (ScheduleKind kind : {ScheduleKind::ResultsReport, ScheduleKind::Scenario}) {
    const std::vector<PageLines> pages = CutSchedulePages(PrintFile(20), kind);
    if (kind == ScheduleKind::Scenario) {
      // The listing only: the first "??" ends the copy.
      ASSERT_EQ(pages.size(), 1u);
    } else {
      ASSERT_GT(pages.size(), 4u);
    }
    const std::vector<std::string> expected_first =
        kind == ScheduleKind::ResultsReport
            ? std::vector<std::string>{"          Financial Scenario:",
                                       "           45.0 Salary - Deposit",
                                       "           50.0 Car loan", "          Initial Rates:"}
            : std::vector<std::string>{"           45.0 Salary - Deposit",
                                       "           50.0 Car loan", "          Initial Rates:"};
    EXPECT_EQ(pages[0], expected_first);
    for (std::size_t index = 1; index < pages.size(); ++index) {
      EXPECT_TRUE(StartsWithHeading(pages[index])) << index;
      EXPECT_LE(HalfLines(pages[index]), kDefaultPageHalfLines) << index;
      // A page ends when the next line would not fit, so full pages are nearly full.
      if (index + 1 < pages.size()) EXPECT_GE(HalfLines(pages[index]), kDefaultPageHalfLines - 8);
    }
  }
}

TEST(CutSchedulePages, ResultsReportDropsRulesAndMarkersKeepingEveryScheduleLine) {
  const std::vector<PageLines> pages = CutSchedulePages(PrintFile(20), ScheduleKind::ResultsReport);
  std::vector<std::string> rows;
  for (const PageLines& page : pages) {
    for (const std::string& line : page) {
      if (line.find('\t') != std::string::npos && line.find("Age") == std::string::npos &&
          line.find("Investment") == std::string::npos) {
        rows.push_back(line);
      }
      EXPECT_NE(line, "          " + kRule);  // only the heading's own rules
      EXPECT_NE(line, "          ??");
    }
  }
  ASSERT_EQ(rows.size(), 20u);
  EXPECT_EQ(rows.front(), "          45.0\t$1.00\t$2.00");
  EXPECT_EQ(rows.back(), "          64.0\t$1.00\t$2.00");
}

TEST(MakeSchedulePageFiles, WritesPageFilesEndingWithTheMarkerOrNamesTheMissingPrintFile) {
  test_support::TempFolder folder;
  std::string failed;
  EXPECT_FALSE(MakeSchedulePageFiles(folder.path(), ScheduleKind::Scenario, failed));
  EXPECT_EQ(failed, "ptmpsch.dat");

  {
    std::ofstream print(folder.File("ptmpsch.dat"));
    for (const std::string& line : PrintFile(20)) print << line << '\n';
  }
  const std::optional<int> pages =
      MakeSchedulePageFiles(folder.path(), ScheduleKind::ResultsReport, failed);
  ASSERT_TRUE(pages);
  const std::optional<std::vector<std::string>> last =
      ReadPageFile(folder.File("page" + std::to_string(*pages)));
  ASSERT_TRUE(last);
  EXPECT_TRUE(StartsWithHeading(*last));
  const std::vector<std::uint8_t> bytes = test_support::ReadAll(folder.File("page1"));
  EXPECT_TRUE(std::string(bytes.begin(), bytes.end()).ends_with("\nDooooone\n"));
}

TEST(InactiveListingLine, ShowsTheTrueStartAgeOfAnInactiveEventOnly) {
  struct Case {
    std::string line;
    std::optional<std::string> shown;
  };
  const Case cases[] = {
      {"           1065.0 Car loan - $38,000.00", "           65.0  Car loan - $38,000.00"},
      {"1000.0 x", "           0.0   x"},
      {"           65.0 Car loan", std::nullopt},
      {"          999.0 Almost", std::nullopt},
      {"          Initial Rates:", std::nullopt},
      {"", std::nullopt},
  };
  for (const Case& c : cases) EXPECT_EQ(InactiveListingLine(c.line), c.shown) << c.line;
}

}  // namespace
}  // namespace tarvel::results
