// Page files onto printed pages: header block, body and (for saved files) the page footer.
#include "results/print_pages.h"

#include <algorithm>
#include <cstdio>

#include "results/print_order.h"
#include "results/print_page_bodies.h"
#include "results/print_schedule_pages.h"
#include "results/print_thumbnails.h"
#include "results/print_title_page.h"
#include "results/report_graphs.h"

namespace tarvel::results {
namespace {

void DrawFooter(platform::Canvas& canvas, const platform::Rect& area, int page, int count,
                const PrintLook& look) {
  const platform::Font font = BodyFont(canvas, look.font);
  const int line = canvas.Measure(font).LineHeight();
  char text[48];
  std::snprintf(text, sizeof text, "Page %d of %d", page, count);
  platform::TextStyle style;
  style.horizontal = platform::HorizontalAlign::Centre;
  const int below = canvas.DeviceSize().height - area.bottom;
  const int y = below >= 2 * line ? area.bottom + line / 2 : area.bottom - line;
  canvas.DrawText({(area.left + area.right) / 2, y}, text, font, style);
}

}  // namespace

std::string PageFilePrefix(int report_kind) {
  if (report_kind == kAllocationTableReport) return "spage";
  if (report_kind == kAccountsListReport) return "apage";
  return "rpage";
}

PrintResult DrawPageFile(platform::Canvas& canvas, const PageFileJob& job, int page,
                         const PrintLook& look) {
  const platform::Rect area = PrintableArea(canvas, look.setup);
  std::vector<std::string> lines;
  if (page > 0) {
    const std::string name = job.prefix + std::to_string(page);
    std::optional<std::vector<std::string>> read = ReadPageFile(job.folder / name);
    if (!read) return {PrintOutcome::Failed, name, "FILE OPEN ERROR"};
    lines = std::move(*read);
  }
  if (page == 0) {
    DrawTitlePage(canvas, area, look, job.title, job.body, job.page_count);
    return {};
  }
  int top = DrawPageHeader(canvas, area, look, {job.title, page, job.body});
  if (page == 1 && look.options.report_graphs && HasReportGraphs(job.report_kind)) {
    top = DrawReportGraphs(canvas, area, top, lines, job.title, look);
  }
  if (job.body == PageBody::Report) {
    DrawReportPageBody(canvas, area, top, lines, look);
  } else if (job.body == PageBody::Thumbnails) {
    DrawThumbnailPageBody(canvas, area, top, lines, look);
  } else {
    DrawSchedulePageBody(canvas, area, top, lines, look);
  }
  if (look.page_of_total) DrawFooter(canvas, area, page, job.page_count, look);
  return {};
}

int WidestPageLine(const PageFileJob& job) {
  int widest = 0;
  for (int page = 1; page <= job.page_count; ++page) {
    const auto lines = ReadPageFile(job.folder / (job.prefix + std::to_string(page)));
    if (!lines) continue;
    for (const std::string& line : *lines) {
      widest = std::max(widest, static_cast<int>(std::count(line.begin(), line.end(), '\t')) + 1);
    }
  }
  return widest;
}

PrintLook OrientedForPages(const PageFileJob& job, PrintLook look) {
  if (WidestPageLine(job) >= kLandscapeColumns) {
    look.setup.orientation = platform::Orientation::Landscape;
  }
  return look;
}

PrintResult PrintPageFiles(platform::PageSink& sink, const PageFileJob& job,
                           const std::vector<int>& order, const PrintLook& look,
                           platform::PrintProgress* progress) {
  PrintResult result;
  const int count = static_cast<int>(order.size());
  for (int index = 0; index < count; ++index) {
    if (progress != nullptr && !progress->Update(NowPrintingText(index + 1, count))) {
      result.outcome = PrintOutcome::Cancelled;
      return result;
    }
    platform::Canvas* canvas = sink.BeginPage();
    if (canvas == nullptr)
      return {PrintOutcome::Failed, "Cannot print page!", "Print Error", result.pages};
    const PrintResult page = DrawPageFile(*canvas, job, order[index], look);
    sink.EndPage();
    ++result.pages;
    if (page.outcome != PrintOutcome::Printed) {
      PrintResult failed = page;
      failed.pages = result.pages;
      return failed;
    }
  }
  return result;
}

PrintResult PrintReportPages(platform::PageSink& sink, const platform::PrintChoice& choice,
                             const std::filesystem::path& folder, int page_count, int report_kind,
                             const std::string& title, const PrintLook& look,
                             platform::PrintProgress* progress) {
  const PageFileJob job{
      folder, PageFilePrefix(report_kind), page_count, title, PageBody::Report, report_kind};
  return PrintPageFiles(sink, job, PagesInPrintOrder(choice, page_count, true), look, progress);
}

}  // namespace tarvel::results
