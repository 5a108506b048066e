// What the graph pages hand the engine for one chart: the rectangle, the view window, the
// chart font, the palette, the currency and the colour scheme.
#pragma once

#include "graphs/chart_scheme.h"
#include "graphs/palette.h"
#include "model/money_format.h"
#include "platform/canvas.h"

namespace tarvel::graphs {

enum class ChartStyle { Line = 0, Bar = 1, Bar3D = 2 };

// The periods shown and how they are shown; shared with the graph pages.
struct ChartView {
  int first_period = 0;    // index of the first period shown (0 unless zoomed)
  float period_count = 0;  // n, periods shown
  bool zoomed = false;     // a range of ages instead of the whole run
  ChartStyle style = ChartStyle::Line;
  bool printing = false;  // printer or print preview
  int thumbnail = 0;      // 0 full chart; 1, 2, 3 net worth, incoming, outgoing quadrants

  bool IsThumbnail() const { return thumbnail != 0; }
  // Whole periods shown, never negative.
  int Periods() const { return period_count > 0 ? static_cast<int>(period_count) : 0; }
  // Tick length: 4 on screen, 16 on a printer.
  int Tick() const { return printing ? 16 : 4; }
};

struct ChartContext {
  platform::Rect area;  // the rectangle given to the chart
  ChartView view;
  platform::Font font;  // the screen or printer font chosen by the page
  Palette palette;
  model::Currency currency;
  ChartScheme scheme;  // background and ink; the palette is already in its tones
};

}  // namespace tarvel::graphs
