// Painting a graph page: background, chart or pie, the marked age, and the summary page's
// quadrants.
#include "graphs/paint_graph_page.h"

#include <algorithm>
#include <cstdlib>

#include "graphs/draw_chart.h"
#include "graphs/summary_panel.h"

namespace tarvel::graphs {
namespace {

constexpr int kQuadrantMargin = 4;  // pixels around each summary quadrant
constexpr int kCalloutHeight = 18;  // with the usual chart font

ChartContext ContextFor(const PageRequest& request, const GraphPageState& state,
                        platform::Rect area, int thumbnail) {
  ChartContext context;
  context.area = area;
  context.view = state.view();
  context.view.printing = request.printing;
  context.view.thumbnail = thumbnail;
  context.font = request.font;
  context.palette = InScheme(request.palette, request.scheme);
  context.currency = request.currency;
  context.scheme = request.scheme;
  return context;
}

// A dashed line through the plot at the age marked in the results folder.
void DrawMarkedAge(platform::Canvas& canvas, const ChartContext& context,
                   const ChartGeometry& geometry, const ChartSource& source,
                   const GraphPageState& state) {
  if (!state.marked_age() || geometry.grid_x <= 0) return;
  const int whole_age = static_cast<int>(*state.marked_age());
  for (int period = geometry.first_period; period < geometry.first_period + geometry.periods;
       ++period) {
    if (static_cast<int>(source.Age(period)) != whole_age) continue;
    const int x = geometry.PeriodX(period);
    const platform::Pen pen{platform::PenStyle::Dash, context.view.printing ? 4 : 1,
                            context.palette.RedFlag()};
    canvas.DrawLine({x, geometry.y0}, {x, geometry.y0 - geometry.height}, pen);
    return;
  }
}

ChartGeometry DrawKindChart(platform::Canvas& canvas, const ChartContext& context,
                            const ChartSource& source, const GraphPageState& state,
                            const PageRequest& request, GraphKind kind) {
  const KindSeries kind_series =
      SeriesOfKind(kind, source, request.accounts, request.allocation_title);
  ChartRequest chart;
  chart.title = context.view.IsThumbnail() ? std::string(ThumbnailTitle(context.view.thumbnail))
                                           : kind_series.title;
  chart.names = kind_series.names;
  chart.series = kind_series.series;
  chart.flows = kind_series.flows;
  if (kind_series.purchasing_power) chart.purchasing_power = PurchasingPowerRow{source.start_age};
  chart.footer_align = request.footer_align;
  chart.footer_lines = request.footer_lines;
  chart.legend_hidden = state.legend_hidden();
  chart.legend_in_front = state.legend_in_front();
  const ChartGeometry geometry = DrawChart(canvas, context, source.Data(), chart);
  DrawMarkedAge(canvas, context, geometry, source, state);
  return geometry;
}

PieLayout DrawPie(platform::Canvas& canvas, const ChartContext& context,
                  const PieBreakdown& breakdown, const std::string& title,
                  const PageRequest& request) {
  FrameText frame;
  frame.title = title;
  frame.footer_align = request.footer_align;
  frame.footer_lines = request.footer_lines;
  DrawChartFrame(canvas, context, frame);
  return DrawBreakdownPie(canvas, context, breakdown);
}

void PaintFull(platform::Canvas& canvas, const ChartSource& source, const GraphPageState& state,
               const PageRequest& request, PagePaint& paint) {
  const ChartContext context = ContextFor(request, state, paint.chart_area, 0);
  if (state.InBreakdown()) {
    const GraphKind kind = state.previous_kind();
    paint.breakdown = MakeBreakdown(kind, source, request.accounts, state.selected_period());
    const std::string title =
        SeriesOfKind(kind, source, request.accounts, request.allocation_title).title;
    paint.pie = DrawPie(canvas, context, *paint.breakdown, title, request);
    return;
  }
  paint.chart = DrawKindChart(canvas, context, source, state, request, state.kind());
}

void PaintSummary(platform::Canvas& canvas, const ChartSource& source, const GraphPageState& state,
                  const PageRequest& request, PagePaint& paint) {
  const platform::Rect& area = paint.chart_area;
  const int mid_x = area.left + area.Width() / 2;
  const int mid_y = area.top + area.Height() / 2;
  const int m = kQuadrantMargin;
  paint.quadrants = {platform::Rect{area.left + m, area.top + m, mid_x - m, mid_y - m},
                     platform::Rect{mid_x + m, area.top + m, area.right - m, mid_y - m},
                     platform::Rect{area.left + m, mid_y + m, mid_x - m, area.bottom - m},
                     platform::Rect{mid_x + m, mid_y + m, area.right - m, area.bottom - m}};
  for (int thumbnail = 1; thumbnail <= kThumbnailCount; ++thumbnail) {
    const ChartContext context = ContextFor(
        request, state, paint.quadrants[static_cast<std::size_t>(thumbnail - 1)], thumbnail);
    const GraphKind kind = ThumbnailKind(thumbnail);
    if (state.InBreakdown() && state.previous_kind() == kind) {
      paint.breakdown = MakeBreakdown(kind, source, request.accounts, state.selected_period());
      paint.pie = DrawPie(canvas, context, *paint.breakdown, std::string(ThumbnailTitle(thumbnail)),
                          request);
      paint.pie_quadrant = thumbnail - 1;
      continue;
    }
    paint.thumbnails[static_cast<std::size_t>(thumbnail - 1)] =
        DrawKindChart(canvas, context, source, state, request, kind);
  }
  const ChartContext panel = ContextFor(request, state, paint.quadrants[3], 0);
  DrawSummaryPanel(
      canvas, panel,
      SummaryRows(source, state.selected_period(), state.InBreakdown(), request.currency));
}

}  // namespace

platform::Font ScreenChartFont(int desktop_font_pixels) {
  platform::Font font = ScreenChartFont();
  font.height = -std::max(kChartFontPixels, desktop_font_pixels);
  return font;
}

int ScreenCalloutHeight(const platform::Font& chart_font) {
  const int pixels = std::max(kChartFontPixels, std::abs(chart_font.height));
  return (kCalloutHeight * pixels + kChartFontPixels / 2) / kChartFontPixels;
}

GraphKind ThumbnailKind(int thumbnail) {
  switch (thumbnail) {
    case 2:
      return GraphKind::Incoming;
    case 3:
      return GraphKind::Outgoing;
    default:
      return GraphKind::NetWorth;
  }
}

platform::Rect PageArea(const platform::Canvas& canvas, const PageRequest& request) {
  platform::Rect area = request.window;
  if (!request.printing || !request.margins) return area;
  const platform::Resolution dpi = canvas.PixelsPerInch();
  const PrintMargins& margins = *request.margins;
  area.left += margins.left * dpi.x / 1000;
  area.right -= margins.right * dpi.x / 1000;
  area.top += margins.top * dpi.y / 1000;
  area.bottom -= margins.bottom * dpi.y / 1000;
  if (area.Empty()) return request.window;
  return area;
}

PagePaint PaintGraphPage(platform::Canvas& canvas, const ChartSource& source,
                         const GraphPageState& state, const PageRequest& request) {
  PagePaint paint;
  paint.chart_area = PageArea(canvas, request);
  canvas.DrawRectangle(request.window, platform::Pen::None(),
                       platform::Brush::Solid(request.scheme.background));
  if (request.layout == PageLayout::Summary) {
    PaintSummary(canvas, source, state, request, paint);
  } else {
    PaintFull(canvas, source, state, request, paint);
  }
  return paint;
}

}  // namespace tarvel::graphs
