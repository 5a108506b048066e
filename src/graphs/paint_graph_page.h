// One graph page painted onto a canvas: a full chart (or its breakdown pie), the summary
// page with three thumbnails and the summary panel, or a printed page within its margins.
#pragma once

#include <array>
#include <optional>
#include <string>

#include "graphs/breakdown_pie.h"
#include "graphs/chart_context.h"
#include "graphs/chart_frame.h"
#include "graphs/chart_geometry.h"
#include "graphs/chart_source.h"
#include "graphs/graph_kinds.h"
#include "graphs/graph_page_state.h"
#include "platform/canvas.h"

namespace tarvel::graphs {

enum class PageLayout { Full, Summary };

// Page-setup margins in thousandths of an inch.
struct PrintMargins {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
};

inline constexpr int kThumbnailCount = 3;

struct PageRequest {
  PageLayout layout = PageLayout::Full;
  platform::Rect window;  // the client rectangle or the printer page
  AccountRange accounts;  // an accounts folder's range
  std::string allocation_title;
  platform::Font font{"Courier", 16};
  Palette palette;
  model::Currency currency;
  ChartScheme scheme;  // black on white but on screen; the palette is drawn in its tones
  std::array<std::string, 3> footer_lines{};
  FooterAlign footer_align = FooterAlign::Centred;
  bool printing = false;
  std::optional<PrintMargins> margins;  // on a printer, when page setup gave margins
};

// Where things were drawn, for pointer hit-testing.
struct PagePaint {
  platform::Rect chart_area;
  ChartGeometry chart;           // the full chart (not while a pie is up)
  std::optional<PieLayout> pie;  // the pie's layout while one is up
  std::optional<PieBreakdown> breakdown;
  std::array<platform::Rect, 4> quadrants{};  // summary page: three charts and the panel
  std::array<ChartGeometry, kThumbnailCount> thumbnails{};
  int pie_quadrant = -1;  // summary page: the thumbnail that shows the pie
};

// The chart font of image files, and of graph pages on screen with the usual desktop font.
inline constexpr int kChartFontPixels = 13;
inline platform::Font ScreenChartFont() { return platform::Font("Sans Serif", -kChartFontPixels); }
// The chart font on screen grows with the desktop's font (its character height in pixels), so
// a 1.5 times larger desktop font gives 1.5 times larger labels; it is never smaller than in
// image files.
platform::Font ScreenChartFont(int desktop_font_pixels);
// The height asked of pointer read-outs on screen, grown with the chart font as it grew.
int ScreenCalloutHeight(const platform::Font& chart_font);

// The kind drawn in a summary-page thumbnail (1 net worth, 2 incoming, 3 outgoing).
GraphKind ThumbnailKind(int thumbnail);

// The chart rectangle of a page: the window, or on a printer the page less its margins.
platform::Rect PageArea(const platform::Canvas& canvas, const PageRequest& request);

PagePaint PaintGraphPage(platform::Canvas& canvas, const ChartSource& source,
                         const GraphPageState& state, const PageRequest& request);

}  // namespace tarvel::graphs
