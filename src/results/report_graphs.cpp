// Small line and bar charts of a report page's rows.
#include "results/report_graphs.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "results/print_table.h"

namespace tarvel::results {
namespace {

// Lines of the table that the two graphs take the place of on page 1 (50 lines become 40).
constexpr int kGraphLines = 10;

constexpr platform::Colour kSeriesColours[] = {
    platform::Rgb(31, 119, 180), platform::Rgb(255, 127, 14),  platform::Rgb(44, 160, 44),
    platform::Rgb(214, 39, 40),  platform::Rgb(148, 103, 189), platform::Rgb(140, 86, 75),
    platform::Rgb(227, 119, 194)};
constexpr platform::Colour kGridColour = platform::Rgb(200, 200, 200);

bool StartsWithNumber(const std::string& cell) {
  const std::size_t first = cell.find_first_not_of(' ');
  return first != std::string::npos && std::isdigit(static_cast<unsigned char>(cell[first])) != 0;
}

bool IsRule(const std::string& line) { return line.find("---------") != std::string::npos; }

// "1.2M", "350K", "75": short enough for the narrow scale of a small chart.
std::string ShortAmount(double value) {
  char text[32];
  const double size = std::fabs(value);
  if (size >= 1e6) {
    std::snprintf(text, sizeof text, "%.1fM", value / 1e6);
  } else if (size >= 1e3) {
    std::snprintf(text, sizeof text, "%.0fK", value / 1e3);
  } else {
    std::snprintf(text, sizeof text, "%.0f", value);
  }
  return text;
}

struct Scale {
  double low = 0;
  double high = 1;
  int Y(const platform::Rect& plot, double value) const {
    return plot.bottom -
           static_cast<int>(std::lround((value - low) / (high - low) * plot.Height()));
  }
};

Scale ScaleOf(const std::vector<std::vector<double>>& columns) {
  Scale scale;
  for (const std::vector<double>& column : columns) {
    for (double value : column) {
      scale.low = std::min(scale.low, value);
      scale.high = std::max(scale.high, value);
    }
  }
  if (scale.high - scale.low < 1) scale.high = scale.low + 1;
  return scale;
}

int X(const platform::Rect& plot, std::size_t index, std::size_t count) {
  if (count < 2) return (plot.left + plot.right) / 2;
  return plot.left +
         static_cast<int>(static_cast<long long>(plot.Width()) * static_cast<long long>(index) /
                          static_cast<long long>(count - 1));
}

std::string AgeText(double age) {
  char text[16];
  std::snprintf(text, sizeof text, "%.0f", age);
  return text;
}

// The frame, label, zero line and scale texts of one chart; returns the plot rectangle.
platform::Rect DrawFrame(platform::Canvas& canvas, const platform::Rect& box,
                         const std::string& label, const ChartRows& rows, const Scale& scale,
                         const platform::Font& font) {
  const platform::TextMetrics metrics = canvas.Measure(font);
  const int line = metrics.LineHeight();
  platform::Font bold = font;
  bold.weight = platform::kBoldWeight;
  platform::TextStyle centred;
  centred.horizontal = platform::HorizontalAlign::Centre;
  canvas.DrawText({(box.left + box.right) / 2, box.top}, label, bold, centred);
  const int scale_width = std::max(canvas.TextWidth(font, ShortAmount(scale.high)),
                                   canvas.TextWidth(font, ShortAmount(scale.low))) +
                          metrics.average_char_width;
  const platform::Rect plot{box.left + scale_width, box.top + line + line / 2, box.right - 2,
                            box.bottom - line - line / 4};
  if (plot.Empty()) return plot;
  canvas.DrawRectangle(plot, platform::Pen::Solid(platform::kBlack), platform::Brush::Hollow());
  if (scale.low < 0) {
    const int zero = scale.Y(plot, 0);
    canvas.DrawLine({plot.left, zero}, {plot.right, zero}, platform::Pen::Solid(kGridColour));
  }
  platform::TextStyle right;
  right.horizontal = platform::HorizontalAlign::Right;
  const int gap = metrics.average_char_width / 2;
  canvas.DrawText({plot.left - gap, plot.top - line / 2}, ShortAmount(scale.high), font, right);
  canvas.DrawText({plot.left - gap, plot.bottom - line / 2}, ShortAmount(scale.low), font, right);
  canvas.DrawText({plot.left, plot.bottom + line / 8}, AgeText(rows.ages.front()), font, {});
  canvas.DrawText({plot.right, plot.bottom + line / 8}, AgeText(rows.ages.back()), font, right);
  return plot;
}

// Colour swatches and names in rows under the plot; returns the height they take.
int LegendHeight(const platform::Canvas& canvas, const std::vector<std::string>& names, int width,
                 const platform::Font& font) {
  const platform::TextMetrics metrics = canvas.Measure(font);
  int rows = names.empty() ? 0 : 1;
  int x = 0;
  for (const std::string& name : names) {
    const int item = 3 * metrics.average_char_width + canvas.TextWidth(font, name);
    if (x > 0 && x + item > width) {
      ++rows;
      x = 0;
    }
    x += item;
  }
  return rows * metrics.LineHeight();
}

void DrawLegend(platform::Canvas& canvas, const platform::Rect& box,
                const std::vector<std::string>& names, const platform::Font& font) {
  const platform::TextMetrics metrics = canvas.Measure(font);
  const int line = metrics.LineHeight();
  const int swatch = metrics.average_char_width * 3 / 2;
  int x = box.left;
  int y = box.bottom - LegendHeight(canvas, names, box.Width(), font);
  for (std::size_t c = 0; c < names.size(); ++c) {
    const int item = 3 * metrics.average_char_width + canvas.TextWidth(font, names[c]);
    if (x > box.left && x + item > box.right) {
      x = box.left;
      y += line;
    }
    const platform::Colour colour = kSeriesColours[c % std::size(kSeriesColours)];
    const platform::Rect mark{x, y + (line - swatch) / 2, x + swatch, y + (line + swatch) / 2};
    canvas.DrawRectangle(mark, platform::Pen::None(), platform::Brush::Solid(colour));
    canvas.DrawText({x + 2 * metrics.average_char_width, y}, names[c], font, {});
    x += item;
  }
}

void DrawLineChart(platform::Canvas& canvas, const platform::Rect& box, const std::string& label,
                   const ChartRows& rows, const std::vector<std::vector<double>>& columns,
                   const std::vector<std::string>& names, const platform::Font& font) {
  const Scale scale = ScaleOf(columns);
  const int legend = LegendHeight(canvas, names, box.Width(), font);
  const platform::Rect chart{box.left, box.top, box.right, box.bottom - legend};
  const platform::Rect plot = DrawFrame(canvas, chart, label, rows, scale, font);
  if (plot.Empty()) return;
  DrawLegend(canvas, box, names, font);
  const int pen_width = std::max(1, canvas.PixelsPerInch().x / 100);
  for (std::size_t c = 0; c < columns.size(); ++c) {
    std::vector<platform::Point> points;
    const std::vector<double>& column = columns[c];
    for (std::size_t i = 0; i < column.size(); ++i) {
      points.push_back({X(plot, i, column.size()), scale.Y(plot, column[i])});
    }
    const platform::Colour colour = kSeriesColours[c % std::size(kSeriesColours)];
    canvas.DrawPolyline(points, platform::Pen::Solid(colour, pen_width));
  }
}

void DrawBarChart(platform::Canvas& canvas, const platform::Rect& box, const std::string& label,
                  const ChartRows& rows, const std::vector<double>& totals,
                  const platform::Font& font) {
  const std::vector<std::vector<double>> total{totals};
  const Scale scale = ScaleOf(total);
  const platform::Rect plot = DrawFrame(canvas, box, label, rows, scale, font);
  if (plot.Empty()) return;
  const std::vector<double>& values = total.front();
  const platform::Colour colour = platform::Rgb(70, 110, 160);
  const int count = static_cast<int>(values.size());
  const int zero = scale.Y(plot, 0);
  for (int i = 0; i < count; ++i) {
    const int left = plot.left + plot.Width() * i / count;
    const int right = plot.left + plot.Width() * (i + 1) / count;
    const int y = scale.Y(plot, values[static_cast<std::size_t>(i)]);
    const platform::Rect bar{left + (right - left) / 6, std::min(y, zero),
                             right - (right - left) / 6, std::max(y, zero)};
    if (bar.Empty()) continue;
    canvas.DrawRectangle(bar, platform::Pen::None(), platform::Brush::Solid(colour));
  }
}

// The bars show the report's own total column (net worth, total incoming or outgoing, the
// first column) or, for reports without one, the sum of the row; the lines show the rest.
struct ChartTotal {
  std::vector<double> values;
  std::vector<std::vector<double>> parts;
  std::vector<std::string> part_names;
};

bool IsTotalHeading(const std::string& name) {
  return name.starts_with("Total") || name == "Net Worth";
}

ChartTotal TotalOf(const ChartRows& rows) {
  ChartTotal total;
  if (!rows.names.empty() && IsTotalHeading(rows.names.front()) && rows.columns.size() > 1) {
    total.values = rows.columns.front();
    total.parts.assign(rows.columns.begin() + 1, rows.columns.end());
    total.part_names.assign(rows.names.begin() + 1, rows.names.end());
    return total;
  }
  total.values.assign(rows.ages.size(), 0.0);
  for (const std::vector<double>& column : rows.columns) {
    for (std::size_t i = 0; i < column.size(); ++i) total.values[i] += column[i];
  }
  total.parts = rows.columns;
  total.part_names = rows.names;
  return total;
}

platform::Font ChartFont(const platform::Canvas& canvas, const PrintLook& look) {
  platform::Font font = BodyFont(canvas, look.font);
  font.height = font.height * 3 / 4;
  if (font.height == 0) font.height = 1;
  return font;
}

}  // namespace

double CellAmount(const std::string& cell) {
  std::string number;
  for (char c : cell) {
    if (std::isdigit(static_cast<unsigned char>(c)) != 0 || c == '.' || c == '-') number += c;
  }
  return number.empty() ? 0.0 : std::strtod(number.c_str(), nullptr);
}

ChartRows ChartRowsOfPage(const std::vector<std::string>& lines) {
  ChartRows rows;
  std::vector<std::string> headings;
  for (const std::string& line : lines) {
    if (line.starts_with("Doooo")) break;
    if (IsRule(line) || line.find('\t') == std::string::npos) continue;
    const std::vector<std::string> cells = SplitCells(line);
    if (cells.size() < 2) continue;
    if (!StartsWithNumber(cells.front())) {
      if (rows.ages.empty()) headings = cells;
      continue;
    }
    if (rows.columns.size() < cells.size() - 1) rows.columns.resize(cells.size() - 1);
    for (std::size_t c = 1; c < cells.size(); ++c) {
      rows.columns[c - 1].resize(rows.ages.size(), 0.0);
      rows.columns[c - 1].push_back(CellAmount(cells[c]));
    }
    rows.ages.push_back(CellAmount(cells.front()));
  }
  for (std::vector<double>& column : rows.columns) column.resize(rows.ages.size(), 0.0);
  if (headings.size() == rows.columns.size() + 1) {
    rows.names.assign(headings.begin() + 1, headings.end());
  }
  return rows;
}

bool HasReportGraphs(int printed_report_kind) {
  return printed_report_kind >= 1 && printed_report_kind <= 5;
}

void DrawChartPair(platform::Canvas& canvas, const platform::Rect& area, const std::string& label,
                   const ChartRows& rows, const PrintLook& look) {
  if (rows.Empty()) return;
  const platform::Font font = ChartFont(canvas, look);
  const int gap = 3 * canvas.Measure(font).average_char_width;
  const int middle = (area.left + area.right) / 2;
  const platform::Rect left{area.left, area.top, middle - gap / 2, area.bottom};
  const platform::Rect right{middle + gap / 2, area.top, area.right, area.bottom};
  const ChartTotal total = TotalOf(rows);
  DrawBarChart(canvas, left, label, rows, total.values, font);
  DrawLineChart(canvas, right, label, rows, total.parts, total.part_names, font);
}

int DrawReportGraphs(platform::Canvas& canvas, const platform::Rect& area, int top,
                     const std::vector<std::string>& lines, const std::string& title,
                     const PrintLook& look) {
  const int line = canvas.Measure(BodyFont(canvas, look.font)).LineHeight() * 5 / 4;
  const platform::Rect box{area.left, top, area.right, top + (kGraphLines - 1) * line};
  DrawChartPair(canvas, box, title, ChartRowsOfPage(lines), look);
  return top + kGraphLines * line;
}

}  // namespace tarvel::results
