// Drawn documents printed in the print dialog's order through one forwarding sink.
#include "results/print_drawn_pages.h"

#include "results/print_order.h"

namespace tarvel::results {
namespace {

// Sends pages first..last of one drawing of the document to the printer and the others to
// the scratch canvas; refuses every page after last so the drawing stops there.
class ForwardingSink : public platform::PageSink {
 public:
  ForwardingSink(platform::PageSink& printer, platform::Canvas& scratch, int first, int last)
      : printer_(printer), scratch_(scratch), first_(first), last_(last) {}

  // Asked before each page sent to the printer; false stops the job.
  std::function<bool()> before_printed_page;

  platform::Canvas* BeginPage() override {
    ++page_;
    forwarding_ = false;
    if (page_ < first_) return &scratch_;
    if (page_ > last_ || stopped_) return nullptr;
    if (before_printed_page && !before_printed_page()) {
      stopped_ = true;
      return nullptr;
    }
    platform::Canvas* canvas = printer_.BeginPage();
    if (canvas == nullptr) {
      stopped_ = failed_ = true;
      return nullptr;
    }
    forwarding_ = true;
    return canvas;
  }

  void EndPage() override {
    if (!forwarding_) return;
    printer_.EndPage();
    forwarding_ = false;
    ++printed_;
  }

  int printed() const { return printed_; }
  bool failed() const { return failed_; }
  bool stopped() const { return stopped_; }

 private:
  platform::PageSink& printer_;
  platform::Canvas& scratch_;
  int first_;
  int last_;
  int page_ = 0;
  int printed_ = 0;
  bool forwarding_ = false;
  bool stopped_ = false;
  bool failed_ = false;
};

class CountingSink : public platform::PageSink {
 public:
  explicit CountingSink(platform::Canvas& scratch) : scratch_(scratch) {}
  platform::Canvas* BeginPage() override {
    ++pages_;
    return &scratch_;
  }
  void EndPage() override {}
  int pages() const { return pages_; }

 private:
  platform::Canvas& scratch_;
  int pages_ = 0;
};

struct PageRun {
  int first;
  int last;
};

// The order as runs of ascending neighbouring pages: 1,2,3,1,2,3 is two runs, 1,1,2,2 four.
std::vector<PageRun> RunsOf(const std::vector<int>& order) {
  std::vector<PageRun> runs;
  for (int page : order) {
    if (!runs.empty() && runs.back().last + 1 == page) {
      runs.back().last = page;
    } else {
      runs.push_back({page, page});
    }
  }
  return runs;
}

}  // namespace

int CountDrawnPages(platform::Canvas& scratch, const DrawPages& draw) {
  CountingSink sink(scratch);
  draw(sink);
  return sink.pages();
}

PrintResult PrintDrawnPages(platform::PageSink& sink, platform::Canvas& scratch,
                            const std::vector<int>& order, const DrawPages& draw,
                            platform::PrintProgress* progress) {
  PrintResult result;
  const int count = static_cast<int>(order.size());
  for (const PageRun& run : RunsOf(order)) {
    ForwardingSink forwarding(sink, scratch, run.first, run.last);
    forwarding.before_printed_page = [&] {
      const int index = result.pages + forwarding.printed() + 1;
      return progress == nullptr || progress->Update(NowPrintingText(index, count));
    };
    draw(forwarding);
    result.pages += forwarding.printed();
    if (forwarding.failed()) {
      return {PrintOutcome::Failed, "Cannot print page!", "Print Error", result.pages};
    }
    if (forwarding.stopped()) {
      result.outcome = PrintOutcome::Cancelled;
      return result;
    }
  }
  return result;
}

}  // namespace tarvel::results
