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

// The top-left corner of a callout box moved inside the bounds: right of the anchor when it
// would stand out on the left, then left and up as far as the bounds ask.
Point KeptInside(Point at, int anchor_x, int width, int height, const platform::Rect& bounds) {
  if (at.x - 2 < bounds.left) at.x = anchor_x;
  at.x = std::max(bounds.left + 2, std::min(at.x, bounds.right - width - 1 - kShadow));
  at.y = std::max(bounds.top + 2, std::min(at.y, bounds.bottom - height - 1 - kShadow));
  return at;
}

}  // namespace

void DrawBevelBox(platform::Canvas& canvas, const Palette& palette, int x, int y, int width,
                  int height, bool shadow, const ChartScheme& scheme) {
  const platform::Pen lit = platform::Pen::Solid(scheme.highlight, 1);
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
  DrawCorner(canvas, {x - 1, bottom}, {x - 1, y - 1}, {right, y - 1}, lit);
  DrawCorner(canvas, {x + 1, bottom - 1}, {x + 1, y + 1}, {right - 1, y + 1}, shade);
  canvas.DrawRectangle({x, y, right, bottom}, platform::Pen::Solid(scheme.ink, 1),
                       platform::Brush::Hollow());
  DrawCorner(canvas, {right - 2, y + 1}, {right - 2, bottom - 2}, {x + 1, bottom - 2}, lit);
  DrawCorner(canvas, {x + 2, bottom - 3}, {x + 2, y + 2}, {right - 3, y + 2}, shade);
}

platform::Font CalloutFont(int height) {
  return platform::Font("Tms Rmn", std::max(1, height - 4), platform::kBoldWeight);
}

platform::Rect DrawCallout(platform::Canvas& canvas, const Palette& palette,
                           const ChartScheme& scheme, const Callout& callout) {
  const platform::Font font = CalloutFont(callout.height);
  std::vector<std::string> lines;
  for (const std::string& line : callout.lines) lines.push_back(" " + line);
  if (lines.empty()) lines.emplace_back(" ");
  CalloutAlign align = callout.align;
  if (lines.size() > 1) {
    std::size_t length = 0;
    for (const std::string& line : lines) length = std::max(length, line.size());
    for (std::string& line : lines) line.resize(length, ' ');
    align = CalloutAlign::RightToAnchor;
  }

  int width = 0;
  for (const std::string& line : lines) width = std::max(width, canvas.TextWidth(font, line));
  const int line_height = canvas.Measure(font).LineHeight();
  const int box_height = static_cast<int>(lines.size()) * line_height + 2;
  Point at{align == CalloutAlign::LeftEdge ? callout.anchor.x : callout.anchor.x - width,
           callout.anchor.y};
  if (callout.bounds) at = KeptInside(at, callout.anchor.x, width, box_height, *callout.bounds);

  platform::TextStyle style = scheme.Text();
  style.background = scheme.background;
  int y = at.y;
  for (const std::string& line : lines) {
    canvas.DrawText({at.x, y}, line, font, style);
    y += line_height;
  }
  DrawBevelBox(canvas, palette, at.x - 1, at.y - 1, width + 2, box_height, true, scheme);
  return {at.x - 2, at.y - 2, at.x + width + 1 + kShadow, at.y - 1 + box_height + kShadow};
}

}  // namespace tarvel::graphs
