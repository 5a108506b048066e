// Half-inch margins; the first page carries the titles, the loan's details and the graph,
// the table runs on over as many pages as it needs, each with the column header again.
#include "siblings/schedule_pages.h"

#include <algorithm>

#include "graphs/palette.h"
#include "model/money_format.h"
#include "siblings/aligned_text.h"
#include "siblings/line_chart.h"

namespace tarvel::siblings {
namespace {

using platform::Canvas;
using platform::Font;
using platform::Rect;
using platform::TextStyle;

constexpr char kDateTitle[] = "DATE";
constexpr char kWatermark[] = "TARVEL";
constexpr platform::Colour kBandColour = platform::Rgb(236, 236, 236);

struct PageFrame {
  Rect area;
  Font font;
  Font bold;
  int line = 0;  // line height
  graphs::Palette palette;
};

PageFrame FrameOf(const Canvas& canvas, const PlotterFile& file) {
  PageFrame frame;
  const auto size = canvas.DeviceSize();
  const auto ppi = canvas.PixelsPerInch();
  const int margin_x = ppi.x / 2;
  const int margin_y = ppi.y / 2;
  frame.area = Rect{margin_x, margin_y, size.width - margin_x, size.height - margin_y};
  frame.font = Font("Courier", -std::max(8, ppi.y / 7));
  frame.bold = Font("Courier", frame.font.height, platform::kBoldWeight);
  frame.line = std::max(1, canvas.Measure(frame.font).LineHeight());
  frame.palette = graphs::Palette{file.colours};
  return frame;
}

void DrawWatermark(Canvas& canvas, const PageFrame& frame) {
  const Font big("Sans Serif", -frame.area.Height() / 8, platform::kBoldWeight);
  const TextStyle style = Aligned(platform::HorizontalAlign::Centre, platform::Colour{0x00E8E8E8});
  canvas.DrawText(
      {(frame.area.left + frame.area.right) / 2, frame.area.top + frame.area.Height() / 2},
      kWatermark, big, style);
}

int DrawTitles(Canvas& canvas, const PageFrame& frame, const PlotterFile& file,
               const std::string& date_text) {
  int y = frame.area.top;
  const int centre = (frame.area.left + frame.area.right) / 2;
  if (file.banner) {
    const Rect band{frame.area.left, y, frame.area.right, y + frame.line * 2};
    canvas.DrawRectangle(band, platform::Pen::None(), platform::Brush::Solid(frame.palette.Grid()));
  }
  if (file.logo) {
    const Rect logo{frame.area.left + frame.line / 2, y + frame.line / 4,
                    frame.area.left + frame.line * 2, y + frame.line * 7 / 4};
    canvas.DrawEllipse(logo, platform::Pen::Solid(frame.palette.Series(0), 2),
                       platform::Brush::Solid(frame.palette.Series(1)));
  }
  const TextStyle centred = Aligned(platform::HorizontalAlign::Centre);
  canvas.DrawText({centre, y + frame.line / 2}, file.titles[0], frame.bold, centred);
  y += frame.line * 2 + frame.line / 2;
  canvas.DrawText({centre, y}, file.titles[1], frame.bold, centred);
  y += frame.line;
  const std::string date = file.titles[2] == kDateTitle ? date_text : file.titles[2];
  canvas.DrawText({centre, y}, date, frame.font, centred);
  y += frame.line * 2;
  for (const std::string& detail : file.details) {
    canvas.DrawText({frame.area.left, y}, detail, frame.font, TextStyle{});
    y += frame.line;
  }
  return y + frame.line;
}

int DrawGraph(Canvas& canvas, const PageFrame& frame, const PlotterFile& file, int top) {
  LineChart chart;
  chart.title = file.titles[1];
  chart.names = {"Balance owed", "Interest paid"};
  for (const ScheduleYear& year : file.years) {
    graphs::PeriodRecord point{};
    point[0] = static_cast<float>(year.year);
    point[1] = static_cast<float>(year.balance);
    point[2] = static_cast<float>(year.total_interest);
    chart.points.push_back(point);
  }
  graphs::ChartContext context;
  context.area = Rect{frame.area.left, top, frame.area.right, top + frame.area.Height() / 3};
  context.view = WholeChartView(chart, graphs::ChartStyle::Line);
  context.view.printing = true;
  context.font = frame.font;
  context.palette = frame.palette;
  DrawLineChart(canvas, context, chart);
  return context.area.bottom + frame.line;
}

std::vector<std::string> YearCells(const ScheduleYear& year) {
  return {std::to_string(year.year), model::Format("%.2f", year.principal),
          model::Format("%.2f", year.interest), model::Format("%.2f", year.total_interest),
          model::Format("%.2f", year.balance)};
}

// The year column takes one share of the width, each amount column two.
void DrawRow(Canvas& canvas, const PageFrame& frame, int y, const std::vector<std::string>& cells,
             const Font& font) {
  const int shares = 2 * static_cast<int>(cells.size()) - 1;
  const int share = frame.area.Width() / std::max(1, shares);
  int right = frame.area.left;
  for (std::size_t column = 0; column < cells.size(); ++column) {
    right += share * (column == 0 ? 1 : 2);
    canvas.DrawText({right - frame.line / 2, y}, cells[column], font,
                    Aligned(platform::HorizontalAlign::Right));
  }
}

// Draws rows from first on and returns the index after the last one that fitted.
std::size_t DrawTable(Canvas& canvas, const PageFrame& frame, const PlotterFile& file, int top,
                      std::size_t first) {
  DrawRow(canvas, frame, top, file.columns, frame.bold);
  int y = top + frame.line * 3 / 2;
  std::size_t row = first;
  for (; row < file.years.size() && y + frame.line <= frame.area.bottom - frame.line; ++row) {
    if (row % 2 == 1) {
      canvas.DrawRectangle(Rect{frame.area.left, y, frame.area.right, y + frame.line},
                           platform::Pen::None(), platform::Brush::Solid(kBandColour));
    }
    DrawRow(canvas, frame, y, YearCells(file.years[row]), frame.font);
    y += frame.line;
  }
  return row;
}

}  // namespace

int PrintSchedule(platform::PageSink& sink, const PlotterFile& file, const std::string& date_text) {
  std::size_t next_row = 0;
  int pages = 0;
  do {
    Canvas* canvas = sink.BeginPage();
    if (!canvas) return 0;
    const PageFrame frame = FrameOf(*canvas, file);
    if (file.watermark) DrawWatermark(*canvas, frame);
    int top = frame.area.top;
    if (pages == 0) {
      top = DrawTitles(*canvas, frame, file, date_text);
      if (file.plot && file.years.size() > 1) top = DrawGraph(*canvas, frame, file, top);
    }
    const std::size_t after = DrawTable(*canvas, frame, file, top, next_row);
    ++pages;
    canvas->DrawText({(frame.area.left + frame.area.right) / 2, frame.area.bottom - frame.line},
                     model::Format("Page %d", pages), frame.font,
                     Aligned(platform::HorizontalAlign::Centre));
    sink.EndPage();
    // A page too small for a single row stops rather than printing blank pages forever.
    if (after == next_row && pages > 1) break;
    next_row = after;
  } while (next_row < file.years.size());
  return pages;
}

}  // namespace tarvel::siblings
