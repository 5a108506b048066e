// Bevelled boxes and callouts.
#include "graphs/boxes.h"

#include <algorithm>
#include <array>
#include <vector>

namespace tarvel::graphs {
namespace {

using platform::Point;

constexpr int kShadow = 4;

void DrawCorner(platform::Canvas& canvas, Point first, Point corner, Point last,
                const platform::Pen& pen) {
  const std::array points{first, corner, last};
  canvas.DrawPolyline(points, pen);
}

}  // namespace

void DrawBevelBox(platform::Canvas& canvas, const Palette& palette, int x, int y, int width,
                  int height, bool shadow) {
  const platform::Pen white = platform::Pen::Solid(platform::kWhite, 1);
  const platform::Pen shade = platform::Pen::Solid(palette.Grid(), 1);
  const int right = x + width;
  const int bottom = y + height;
  if (shadow) {
    const platform::Brush fill = platform::Brush::Solid(palette.Grid());
    canvas.DrawRectangle({right, y + kShadow, right + kShadow, bottom + kShadow},
                         platform::Pen::None(), fill);
    canvas.DrawRectangle({x + kShadow, bottom, right + kShadow, bottom + kShadow},
                         platform::Pen::None(), fill);
  }
  DrawCorner(canvas, {x - 1, bottom}, {x - 1, y - 1}, {right, y - 1}, white);
  DrawCorner(canvas, {x + 1, bottom - 1}, {x + 1, y + 1}, {right - 1, y + 1}, shade);
  canvas.DrawRectangle({x, y, right, bottom}, platform::Pen::Solid(platform::kBlack, 1),
                       platform::Brush::Hollow());
  DrawCorner(canvas, {right - 2, y + 1}, {right - 2, bottom - 2}, {x + 1, bottom - 2}, white);
  DrawCorner(canvas, {x + 2, bottom - 3}, {x + 2, y + 2}, {right - 3, y + 2}, shade);
}

platform::Font CalloutFont(int height) {
  return platform::Font("Tms Rmn", std::max(1, height - 4), platform::kBoldWeight);
}

platform::Rect DrawCallout(platform::Canvas& canvas, const Palette& palette,
                           platform::Colour background, const Callout& callout) {
  const platform::Font font = CalloutFont(callout.height);
  std::vector<std::string> lines{" " + callout.first_line};
  CalloutAlign align = callout.align;
  if (!callout.second_line.empty()) {
    lines.push_back(" " + callout.second_line);
    const std::size_t length = std::max(lines[0].size(), lines[1].size());
    for (std::string& line : lines) line.resize(length, ' ');
    align = CalloutAlign::RightToAnchor;
  }

  int width = 0;
  for (const std::string& line : lines) width = std::max(width, canvas.TextWidth(font, line));
  const int line_height = canvas.Measure(font).LineHeight();
  const int x = align == CalloutAlign::LeftEdge ? callout.anchor.x : callout.anchor.x - width;
  int y = callout.anchor.y;
  const platform::TextStyle style{platform::HorizontalAlign::Left, platform::VerticalAlign::Top,
                                  platform::kBlack, background};
  for (const std::string& line : lines) {
    canvas.DrawText({x, y}, line, font, style);
    y += line_height;
  }
  const int box_height = y - callout.anchor.y + 2;
  DrawBevelBox(canvas, palette, x - 1, callout.anchor.y - 1, width + 2, box_height, true);
  return {x - 2, callout.anchor.y - 2, x + width + 1 + kShadow,
          callout.anchor.y - 1 + box_height + kShadow};
}

}  // namespace tarvel::graphs
