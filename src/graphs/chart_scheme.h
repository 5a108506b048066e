// The colours a chart is drawn in besides its series: black on white on paper and in image
// files, the desktop palette's colours on screen.
#pragma once

#include "graphs/palette.h"
#include "platform/canvas.h"

namespace tarvel::graphs {

struct ChartScheme {
  platform::Colour background = platform::kWhite;  // the page, blanked legend rows, callouts
  platform::Colour ink = platform::kBlack;         // texts, axes, ticks and box frames
  platform::Colour highlight = platform::kWhite;   // the lit edges of bevelled boxes

  // Light ink on a darker background.
  bool Dark() const;
  // Text in the ink colour, anchored as given.
  platform::TextStyle Text(platform::HorizontalAlign horizontal = platform::HorizontalAlign::Left,
                           platform::VerticalAlign vertical = platform::VerticalAlign::Top) const;
  bool operator==(const ChartScheme&) const = default;
};

// The scheme of a desktop palette, from the background of its views and their text colour. A
// light palette draws as on paper, black on white; a dark one draws its text colour on its
// background, with box edges lit a little above the background.
ChartScheme ScreenScheme(platform::Colour background, platform::Colour text);

// The program colours as a chart in the scheme shows them. On a light background they are
// kept. On a dark one each keeps its hue and is lightened only as far as it must be: series
// colours until they stand out from the background, the red-flag colour until it reads, the
// grid and shading colour until the grid shows.
Palette InScheme(const Palette& palette, const ChartScheme& scheme);

}  // namespace tarvel::graphs
