#include "results/print_pages.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <fstream>
#include <memory>
#include <regex>

#include "results/print_order.h"
#include "support/recording_canvas.h"
#include "support/temp_folder.h"

namespace tarvel::results {
namespace {

using test_support::RecordingCanvas;

// Each page on its own recording canvas.
class PrintingPageSink : public platform::PageSink {
 public:
  platform::Canvas* BeginPage() override {
    pages_.push_back(std::make_unique<RecordingCanvas>(platform::Size{850, 1100}));
    return pages_.back().get();
  }
  void EndPage() override {}

  // The page number each page's header shows ("Page 3" -> 3; the title page: 0).
  std::vector<int> PageNumbers() const {
    std::vector<int> numbers;
    for (const auto& page : pages_) {
      int number = 0;
      for (const std::string& text : page->Texts()) {
        std::smatch match;
        if (std::regex_match(text, match, std::regex("Page (\\d+)"))) number = std::stoi(match[1]);
      }
      numbers.push_back(number);
    }
    return numbers;
  }
  const RecordingCanvas& page(int index) const { return *pages_[index]; }

 private:
  std::vector<std::unique_ptr<RecordingCanvas>> pages_;
};

class CancelAfter : public platform::PrintProgress {
 public:
  explicit CancelAfter(int pages) : pages_(pages) {}
  bool Update(const std::string& text) override {
    texts.push_back(text);
    return static_cast<int>(texts.size()) <= pages_;
  }
  std::vector<std::string> texts;

 private:
  int pages_;
};

void WritePages(const std::string& folder, const std::string& prefix, int count) {
  for (int page = 1; page <= count; ++page) {
    std::ofstream file(folder + "/" + prefix + std::to_string(page));
    file << "Age\tNet Worth\n45.0\t$1,000.00\nDooooone\n";
  }
}

platform::PrintChoice Choice(int copies, bool collate, int first = 0, int last = 0) {
  platform::PrintChoice choice;
  choice.copies = copies;
  choice.collate = collate;
  choice.page_range = first > 0;
  choice.first_page = first;
  choice.last_page = last;
  return choice;
}

TEST(PagesInPrintOrder, CopiesCollatedAsSetsOrRepeatedPageByPage) {
  struct Case {
    platform::PrintChoice choice;
    int page_count;
    std::vector<int> order;
  };
  const Case cases[] = {
      {Choice(2, false, 2, 3), 5, {2, 2, 3, 3}},
      {Choice(2, true, 2, 3), 5, {2, 3, 2, 3}},
      {Choice(1, true), 3, {0, 1, 2, 3}},  // "All" starts with the title page
      {Choice(2, true), 2, {0, 1, 2, 0, 1, 2}},
      {Choice(2, false), 2, {0, 0, 1, 1, 2, 2}},
      {Choice(1, true, 1, 9), 3, {1, 2, 3}},  // a range never holds the title page
      {Choice(0, true, 4, 2), 5, {}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(PagesInPrintOrder(c.choice, c.page_count, true), c.order)
        << c.choice.copies << (c.choice.collate ? " collated" : " uncollated");
  }
  EXPECT_EQ(PagesInPrintOrder(Choice(1, true), 2, false), (std::vector<int>{1, 2}));
}

TEST(PrintReportPages, PrintsThePageFilesInTheChosenOrderOntoTheSink) {
  test_support::TempFolder folder;
  WritePages(folder.path(), "rpage", 5);
  WritePages(folder.path(), "spage", 1);
  struct Case {
    platform::PrintChoice choice;
    int kind;
    int page_count;
    std::vector<int> printed;
  };
  const Case cases[] = {
      {Choice(2, false, 2, 3), 1, 5, {2, 2, 3, 3}},
      {Choice(2, true, 2, 3), 1, 5, {2, 3, 2, 3}},
      {Choice(1, true), kAllocationTableReport, 1, {0, 1}},
  };
  for (const Case& c : cases) {
    PrintingPageSink sink;
    const PrintResult result = PrintReportPages(sink, c.choice, folder.path(), c.page_count, c.kind,
                                                "Net Worth", {}, nullptr);
    EXPECT_EQ(result.outcome, PrintOutcome::Printed) << result.message;
    EXPECT_EQ(sink.PageNumbers(), c.printed);
  }
}

TEST(PrintReportPages, CancelStopsBetweenPagesAndAMissingPageFileIsNamed) {
  test_support::TempFolder folder;
  WritePages(folder.path(), "rpage", 2);

  PrintingPageSink cancelled_sink;
  CancelAfter cancel(2);
  const PrintResult cancelled = PrintReportPages(cancelled_sink, Choice(1, true), folder.path(), 2,
                                                 1, "Net Worth", {}, &cancel);
  EXPECT_EQ(cancelled.outcome, PrintOutcome::Cancelled);
  EXPECT_EQ(cancelled_sink.PageNumbers(), (std::vector<int>{0, 1}));
  EXPECT_THAT(cancel.texts, testing::ElementsAre("   Now printing Page 1 of 3.....",
                                                 "   Now printing Page 2 of 3.....",
                                                 "   Now printing Page 3 of 3....."));

  PrintingPageSink missing_sink;
  const PrintResult missing = PrintReportPages(missing_sink, Choice(1, true), folder.path(), 3, 1,
                                               "Net Worth", {}, nullptr);
  EXPECT_EQ(missing.outcome, PrintOutcome::Failed);
  EXPECT_EQ(missing.caption, "FILE OPEN ERROR");
  EXPECT_EQ(missing.message, "rpage3");
}

TEST(PrintReportPages, SavedFilesCountPagesInTheFooter) {
  test_support::TempFolder folder;
  WritePages(folder.path(), "rpage", 2);
  PrintLook look;
  look.page_of_total = true;
  PrintingPageSink sink;
  PrintReportPages(sink, Choice(1, true, 1, 2), folder.path(), 2, 1, "Net Worth", look, nullptr);
  EXPECT_THAT(sink.page(1).Texts(), testing::Contains("Page 2 of 2"));
}

}  // namespace
}  // namespace tarvel::results
