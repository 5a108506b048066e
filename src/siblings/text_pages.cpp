// The title heads every page, so loose sheets can be told apart.
#include "siblings/text_pages.h"

#include <algorithm>

#include "model/money_format.h"
#include "siblings/aligned_text.h"

namespace tarvel::siblings {
namespace {

constexpr int kTabWidth = 8;

std::string ExpandTabs(const std::string& line) {
  std::string expanded;
  for (char c : line) {
    if (c == '\t') {
      expanded.append(kTabWidth - expanded.size() % kTabWidth, ' ');
    } else {
      expanded += c;
    }
  }
  return expanded;
}

}  // namespace

int PrintTextPages(platform::PageSink& sink, const std::vector<std::string>& lines,
                   const std::string& title) {
  std::size_t next = 0;
  int pages = 0;
  do {
    platform::Canvas* canvas = sink.BeginPage();
    if (!canvas) return 0;
    const auto ppi = canvas->PixelsPerInch();
    const auto size = canvas->DeviceSize();
    const platform::Font font("Courier", -std::max(8, ppi.y / 9));
    const int line_height = std::max(1, canvas->Measure(font).LineHeight());
    const int left = ppi.x / 2;
    const int bottom = size.height - ppi.y / 2;
    int y = ppi.y / 2;
    canvas->DrawText({left, y}, title, font, {});
    y += line_height * 2;
    const std::size_t first = next;
    for (; next < lines.size() && y + line_height * 2 <= bottom; ++next, y += line_height) {
      canvas->DrawText({left, y}, ExpandTabs(lines[next]), font, {});
    }
    ++pages;
    canvas->DrawText({size.width / 2, bottom - line_height}, model::Format("Page %d", pages), font,
                     Aligned(platform::HorizontalAlign::Centre));
    sink.EndPage();
    if (next == first) break;  // no room for a single line
  } while (next < lines.size());
  return pages;
}

}  // namespace tarvel::siblings
