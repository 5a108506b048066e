#include "results/print_drawn_pages.h"

#include <gtest/gtest.h>

#include <memory>

#include "results/print_order.h"
#include "support/recording_canvas.h"

namespace tarvel::results {
namespace {

using test_support::RecordingCanvas;

// A three-page document: page n carries the text "page n".
bool DrawThreePages(platform::PageSink& sink) {
  for (int page = 1; page <= 3; ++page) {
    platform::Canvas* canvas = sink.BeginPage();
    if (canvas == nullptr) return false;
    canvas->DrawText({0, 0}, "page " + std::to_string(page), platform::Font(), {});
    sink.EndPage();
  }
  return true;
}

// The printer: the text of each page it received; refuses pages after `limit`.
class PrinterPages : public platform::PageSink {
 public:
  explicit PrinterPages(int limit = 100) : limit_(limit) {}
  platform::Canvas* BeginPage() override {
    if (static_cast<int>(pages_.size()) >= limit_) return nullptr;
    pages_.push_back(std::make_unique<RecordingCanvas>());
    return pages_.back().get();
  }
  void EndPage() override {}
  std::vector<std::string> Printed() const {
    std::vector<std::string> texts;
    for (const auto& page : pages_) texts.push_back(page->Texts().at(0));
    return texts;
  }

 private:
  int limit_;
  std::vector<std::unique_ptr<RecordingCanvas>> pages_;
};

class CancelBeforePage : public platform::PrintProgress {
 public:
  explicit CancelBeforePage(int page) : page_(page) {}
  bool Update(const std::string& text) override {
    texts.push_back(text);
    return static_cast<int>(texts.size()) < page_;
  }
  std::vector<std::string> texts;

 private:
  int page_;
};

TEST(PrintDrawnPages, PrintsTheChosenRangeCopiesAndCollationOfADrawnDocument) {
  RecordingCanvas scratch;
  ASSERT_EQ(CountDrawnPages(scratch, DrawThreePages), 3);
  const struct {
    int copies;
    bool collate;
    int first;
    int last;  // 0: every page
    std::vector<std::string> printed;
  } cases[] = {
      {1, true, 0, 0, {"page 1", "page 2", "page 3"}},
      {2, true, 0, 0, {"page 1", "page 2", "page 3", "page 1", "page 2", "page 3"}},
      {2, false, 0, 0, {"page 1", "page 1", "page 2", "page 2", "page 3", "page 3"}},
      {2, true, 2, 3, {"page 2", "page 3", "page 2", "page 3"}},
      {2, false, 2, 3, {"page 2", "page 2", "page 3", "page 3"}},
  };
  for (const auto& c : cases) {
    platform::PrintChoice choice;
    choice.copies = c.copies;
    choice.collate = c.collate;
    choice.page_range = c.last > 0;
    choice.first_page = c.first;
    choice.last_page = c.last;
    PrinterPages printer;
    const PrintResult result = PrintDrawnPages(
        printer, scratch, PagesInPrintOrder(choice, 3, false), DrawThreePages, nullptr);
    EXPECT_EQ(result.outcome, PrintOutcome::Printed);
    EXPECT_EQ(printer.Printed(), c.printed) << c.copies << " copies, collate " << c.collate;
    EXPECT_EQ(result.pages, static_cast<int>(c.printed.size()));
  }
}

TEST(PrintDrawnPages, CancelStopsBetweenPagesAndARefusedPageFails) {
  RecordingCanvas scratch;
  const std::vector<int> order = {1, 2, 3, 1, 2, 3};
  CancelBeforePage cancel(3);
  PrinterPages printer;
  const PrintResult cancelled = PrintDrawnPages(printer, scratch, order, DrawThreePages, &cancel);
  EXPECT_EQ(cancelled.outcome, PrintOutcome::Cancelled);
  EXPECT_EQ(printer.Printed(), (std::vector<std::string>{"page 1", "page 2"}));
  EXPECT_EQ(cancel.texts.back(), NowPrintingText(3, 6));

  PrinterPages refusing(4);
  const PrintResult failed = PrintDrawnPages(refusing, scratch, order, DrawThreePages, nullptr);
  EXPECT_EQ(failed.outcome, PrintOutcome::Failed);
  EXPECT_EQ(failed.message, "Cannot print page!");
  EXPECT_EQ(failed.pages, 4);
}

}  // namespace
}  // namespace tarvel::results
