// Report-page charts: one column per table row, a value scale over all series values, grid
// and labels in black, bars or lines in the palette entry of each series column.
#include "graphs/report_charts.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <numeric>

#include "graphs/axis_labels.h"
#include "graphs/value_scale.h"

namespace tarvel::graphs {
namespace {

using platform::Point;

const platform::Pen kBlackPen = platform::Pen::Solid(platform::kBlack, 1);

// Where the rows, grid and scale of one report chart lie.
struct ReportLayout {
  int left = 0;
  int base = 0;         // y of the base line
  int column_step = 0;  // W div rows
  int value_step = 0;   // H div 10
  int rows = 0;
  int series = 0;  // series columns, 1 to series
  ValueScale scale;

  int Top() const { return base - kGridLines * value_step; }
  int ColumnX(int row) const { return left + row * column_step; }
  int ValueY(float value) const {
    const double offset = (value - scale.minimum) / scale.range * (kGridLines * value_step);
    return static_cast<int>(base - std::clamp(offset, -1e6, 1e6));
  }
};

float Cell(const ReportTable& table, int row, int column) {
  const std::vector<float>& cells = table.rows[static_cast<std::size_t>(row)];
  if (static_cast<std::size_t>(column) >= cells.size()) return 0;
  const float value = cells[static_cast<std::size_t>(column)];
  return std::isfinite(value) ? value : 0.0f;
}

ReportLayout LayOut(const ReportChart& chart, const ReportTable& table) {
  ReportLayout layout;
  layout.left = chart.corner.x;
  layout.base = chart.corner.y;
  layout.rows = std::min<int>(static_cast<int>(table.rows.size()), kReportChartRows);
  for (int row = 0; row < layout.rows; ++row) {
    const int columns = static_cast<int>(table.rows[static_cast<std::size_t>(row)].size());
    layout.series = std::max(layout.series, columns - 1);
  }
  layout.column_step = layout.rows > 0 ? std::max(0, chart.width) / layout.rows : 0;
  layout.value_step = std::max(0, chart.height) / kGridLines;
  float minimum = 0;
  float maximum = 0;
  for (int row = 0; row < layout.rows; ++row) {
    for (int column = 1; column <= layout.series; ++column) {
      minimum = std::min(minimum, Cell(table, row, column));
      maximum = std::max(maximum, Cell(table, row, column));
    }
  }
  layout.scale = ChooseValueScale(minimum, maximum);
  return layout;
}

void DrawGrid(platform::Canvas& canvas, const ReportChart& chart, const ReportLayout& layout) {
  const int tick = chart.margins ? 5 : 10;
  const int right = layout.ColumnX(layout.rows);
  canvas.DrawLine({layout.left, layout.base}, {layout.left, layout.Top()}, kBlackPen);
  canvas.DrawLine({layout.left, layout.base}, {right, layout.base}, kBlackPen);
  for (int line = 0; line <= kGridLines; ++line) {
    const int y = layout.base - line * layout.value_step;
    canvas.DrawLine({layout.left - tick, y}, {right, y}, kBlackPen);
  }
  for (int row = 1; row <= layout.rows; ++row) {
    const int x = layout.ColumnX(row);
    canvas.DrawLine({x, layout.base + tick}, {x, layout.Top()}, kBlackPen);
  }
}

void DrawLabels(platform::Canvas& canvas, const ReportChart& chart, const ReportLayout& layout,
                const ReportTable& table) {
  const platform::TextMetrics metrics = canvas.Measure(chart.font);
  const int c = metrics.average_char_width;
  const int l = metrics.LineHeight();
  const int labels_top = layout.base + (chart.margins ? 5 : 10) + 1;
  const int step = AgeLabelStep(layout.rows, c, chart.width);
  platform::TextStyle centred;
  centred.horizontal = platform::HorizontalAlign::Centre;
  for (int row = 0; row < layout.rows; row += step) {
    const std::string age = model::Format("%d", static_cast<int>(Cell(table, row, 0)));
    canvas.DrawText({layout.ColumnX(row) + layout.column_step / 2, labels_top}, age, chart.font,
                    centred);
  }
  platform::TextStyle right;
  right.horizontal = platform::HorizontalAlign::Right;
  for (int line = 0; line <= kGridLines; ++line) {
    const std::string label = model::FormatMoneyLabel(
        model::Format("%12.2f", GridValue(layout.scale, line)), chart.currency);
    if (label.size() <= 3) continue;
    const int y = layout.base - line * layout.value_step - l / 2;
    canvas.DrawText({layout.left - c, y}, std::string_view(label).substr(0, label.size() - 3),
                    chart.font, right);
  }
  const int title_top = labels_top + static_cast<int>(l * 1.2);
  canvas.DrawText({layout.left + chart.width / 2, title_top}, chart.title, chart.font, centred);
}

void DrawSeriesLegend(platform::Canvas& canvas, const ReportChart& chart,
                      const ReportLayout& layout, const ReportTable& table) {
  if (chart.legend == ReportLegend::None) return;
  const platform::TextMetrics metrics = canvas.Measure(chart.font);
  const int c = metrics.average_char_width;
  const int l = metrics.LineHeight();
  int x = layout.left + chart.width + c;
  int y = layout.Top();
  if (chart.legend == ReportLegend::Above) {
    x = layout.left + chart.width / 2;
    y = layout.Top() - layout.series * l - l / 2;
  }
  for (int column = 1; column <= layout.series; ++column) {
    canvas.DrawRectangle({x, y + 2, x + c, y + l - 2}, kBlackPen,
                         platform::Brush::Solid(chart.palette.Series(column - 1)));
    const std::string& title = static_cast<std::size_t>(column) < table.titles.size()
                                   ? table.titles[static_cast<std::size_t>(column)]
                                   : std::string();
    canvas.DrawText({x + 2 * c, y}, title, chart.font, {});
    y += l;
  }
}

}  // namespace

ReportTable ParseReportTable(std::span<const std::string> lines,
                             std::vector<std::string> column_titles) {
  ReportTable table;
  table.titles = std::move(column_titles);
  for (const std::string& line : lines) {
    if (static_cast<int>(table.rows.size()) == kReportChartRows) break;
    std::vector<float> cells;
    std::size_t start = 0;
    while (start <= line.size()) {
      const std::size_t tab = std::min(line.find('\t', start), line.size());
      const std::string cell = line.substr(start, tab - start);
      cells.push_back(std::strtof(cell.c_str(), nullptr));
      start = tab + 1;
    }
    table.rows.push_back(std::move(cells));
  }
  return table;
}

void DrawReportBarChart(platform::Canvas& canvas, const ReportChart& chart,
                        const ReportTable& table) {
  const ReportLayout layout = LayOut(chart, table);
  DrawGrid(canvas, chart, layout);
  for (int row = 0; row < layout.rows; ++row) {
    std::vector<int> columns(static_cast<std::size_t>(layout.series));
    std::iota(columns.begin(), columns.end(), 1);
    std::stable_sort(columns.begin(), columns.end(),
                     [&](int a, int b) { return Cell(table, row, a) > Cell(table, row, b); });
    const int x = layout.ColumnX(row);
    for (int column : columns) {
      const int y = layout.ValueY(Cell(table, row, column));
      canvas.DrawRectangle(
          {x, std::min(y, layout.base), x + layout.column_step, std::max(y, layout.base)},
          kBlackPen, platform::Brush::Solid(chart.palette.Series(column - 1)));
    }
  }
  DrawLabels(canvas, chart, layout, table);
  DrawSeriesLegend(canvas, chart, layout, table);
}

void DrawReportLineChart(platform::Canvas& canvas, const ReportChart& chart,
                         const ReportTable& table) {
  const ReportLayout layout = LayOut(chart, table);
  DrawGrid(canvas, chart, layout);
  const int width = chart.margins ? 3 : 6;
  for (int column = 1; column <= layout.series; ++column) {
    std::vector<Point> points;
    for (int row = 0; row < layout.rows; ++row) {
      points.push_back({layout.ColumnX(row), layout.ValueY(Cell(table, row, column))});
    }
    canvas.DrawPolyline(points, platform::Pen::Solid(chart.palette.Series(column - 1), width));
  }
  DrawLabels(canvas, chart, layout, table);
  DrawSeriesLegend(canvas, chart, layout, table);
}

}  // namespace tarvel::graphs
