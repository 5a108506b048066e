// Bevelled boxes that frame legends and lists, and the callout boxes of pointer read-outs.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "graphs/chart_scheme.h"
#include "graphs/palette.h"
#include "platform/canvas.h"

namespace tarvel::graphs {

// A box framed in the scheme's ink with a highlight above and left (white on paper), inner
// shading in entry 13 and, with shadow, a 4-pixel shadow along the right and bottom edges.
void DrawBevelBox(platform::Canvas& canvas, const Palette& palette, int x, int y, int width,
                  int height, bool shadow, const ChartScheme& scheme = {});

enum class CalloutAlign {
  LeftEdge,       // the box starts at the anchor
  RightToAnchor,  // the box ends at the anchor
};

// A boxed read-out: one line, or several lines padded to equal length (right-aligned).
struct Callout {
  platform::Point anchor;  // the top of the text, left or right edge by align
  int height = 16;         // the callout font is this height less 4
  std::vector<std::string> lines;
  CalloutAlign align = CalloutAlign::LeftEdge;
  // When set, a box that would stand out of these bounds moves inside them: to the right of
  // the anchor when there is no room left of it, and up when there is none below.
  std::optional<platform::Rect> bounds;
};

// The bold "Tms Rmn" font of callouts for a requested callout height.
platform::Font CalloutFont(int height);

// Draws the text, preceded by a space, in the scheme's ink on its background, then the box.
// Returns the rectangle covered, shadow included, so a page can restore it later.
platform::Rect DrawCallout(platform::Canvas& canvas, const Palette& palette,
                           const ChartScheme& scheme, const Callout& callout);

}  // namespace tarvel::graphs
