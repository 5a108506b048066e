// The printed schedule fills its pages: pages cut to the measured room end near the bottom of
// the printable area on A4 and Letter, and the table's column headings stay readable.
#include "results/print_schedule_layout.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include "model/working_file_names.h"
#include "results/print_pages.h"
#include "results/print_schedule_pages.h"
#include "support/recording_canvas.h"
#include "support/temp_folder.h"

namespace tarvel::results {
namespace {

using test_support::RecordingCanvas;

constexpr platform::Size kLetter{816, 1056};  // 8.5 x 11 inches at 96 dots per inch
constexpr platform::Size kA4{794, 1123};      // 210 x 297 mm

// A listing, then years as a run writes them: a heading marker, the summary row between
// rules and the year's event and summary lines.
void WritePrintFile(const test_support::TempFolder& folder, int years) {
  std::ofstream print(folder.File(model::kPrintFileName));
  print << " 45.0 Salary - Deposit\n" << std::string(100, '-') << "\n";
  for (int year = 0; year < years; ++year) {
    print << "\n\n??\n" << std::string(100, '-') << "\n";
    print << 45 + year << ".0 \t    $125,000.00\t     $65,000.00\t    $310,000.00\t"
          << "          $0.00\t          $0.00\t      $6,500.00\t    $493,500.00\n";
    print << std::string(100, '-') << "\nFinancial Events:\n";
    for (int line = 0; line < 20; ++line) print << "  Deposit $1,000.00 to Checking\n";
    print << "Summary:\n    Total Incoming=$154,725.28\n";
  }
}

// The lowest bottom of the texts drawn on the page.
int LowestText(const RecordingCanvas& canvas) {
  int lowest = 0;
  for (const std::string& line : canvas.LinesStartingWith("text ")) {
    const int y = std::stoi(line.substr(line.find(',') + 1));
    lowest = std::max(lowest, y + RecordingCanvas::kLineHeight);
  }
  return lowest;
}

TEST(ScheduleLayout, FullPagesFillNineTenthsOfThePrintableHeightOnA4AndLetter) {
  for (const platform::Size paper : {kA4, kLetter}) {
    test_support::TempFolder folder;
    WritePrintFile(folder, 30);
    PrintLook look;
    RecordingCanvas measure(paper);
    const ScheduleLayout layout = ScheduleLayoutFor(measure, look);
    std::string failed;
    const std::optional<int> pages = MakeSchedulePageFiles(
        folder.path(), ScheduleKind::ResultsReport, failed, layout.page_half_lines);
    ASSERT_TRUE(pages) << failed;
    ASSERT_GT(*pages, 3);
    const platform::Rect area = PrintableArea(measure, look.setup);
    const PageFileJob job{folder.path(), "page", *pages, "Financial Schedule", PageBody::Schedule};
    // Every page but the listing and the last is a full one.
    for (int page = 2; page < *pages; ++page) {
      RecordingCanvas canvas(paper);
      ASSERT_EQ(DrawPageFile(canvas, job, page, look).outcome, PrintOutcome::Printed);
      const int bottom = LowestText(canvas);
      EXPECT_LE(bottom, area.bottom) << paper.height << " page " << page;
      EXPECT_GE(bottom - area.top, area.Height() * 9 / 10)
          << paper.height << " page " << page << "\n"
          << canvas.Dump();
    }
  }
}

TEST(ScheduleLayout, ColumnHeadingsAreAtLeastEightPoints) {
  test_support::TempFolder folder;
  WritePrintFile(folder, 3);
  PrintLook look;
  RecordingCanvas canvas(kLetter);
  std::string failed;
  const std::optional<int> pages =
      MakeSchedulePageFiles(folder.path(), ScheduleKind::ResultsReport, failed,
                            ScheduleLayoutFor(canvas, look).page_half_lines);
  ASSERT_TRUE(pages);
  DrawPageFile(canvas, {folder.path(), "page", *pages, "Financial Schedule", PageBody::Schedule}, 2,
               look);
  const int readable = 8 * 96 / 72;  // 8 points at the canvas's 96 dots per inch
  std::string font;
  int headings = 0;
  for (const std::string& line : canvas.lines()) {
    if (line.starts_with("font ")) font = line;
    if (line.find("\"Investment\"") == std::string::npos &&
        line.find("\"Net Worth\"") == std::string::npos) {
      continue;
    }
    ++headings;
    // "font Courier/-10/700": the height is the second field.
    const std::string height = font.substr(font.find('/') + 1);
    EXPECT_GE(std::abs(std::stoi(height)), readable) << font;
  }
  EXPECT_GE(headings, 2) << canvas.Dump();
}

}  // namespace
}  // namespace tarvel::results
