// The report charts of a printed page: its rows read into a chart table and laid out as a bar
// chart beside a line chart, with room for the value labels, age labels, titles and legend.
#include "results/report_graphs.h"

#include <algorithm>
#include <cctype>

#include "graphs/palette.h"
#include "results/print_table.h"

namespace tarvel::results {
namespace {

// Lines of the table that the two graphs take the place of on page 1 (50 lines become 40).
constexpr int kGraphLines = 10;
// Room left of a chart's axis for its value labels ("$10,000,000") and their gap.
constexpr int kValueLabelChars = 13;

bool StartsWithNumber(const std::string& cell) {
  return !cell.empty() && std::isdigit(static_cast<unsigned char>(cell.front())) != 0;
}

// The number of an amount cell as plain text: "$-1,234.50" gives "-1234.50", "60.0%" "60.0".
std::string NumberText(const std::string& cell) {
  std::string number;
  for (char c : cell) {
    if (std::isdigit(static_cast<unsigned char>(c)) != 0 || c == '.' || c == '-') number += c;
  }
  return number;
}

std::string NumberLine(const std::vector<std::string>& cells) {
  std::string line = NumberText(cells.front());
  for (std::size_t index = 1; index < cells.size(); ++index)
    line += '\t' + NumberText(cells[index]);
  return line;
}

platform::Font ChartFont(const platform::Canvas& canvas, const PrintLook& look) {
  platform::Font font = BodyFont(canvas, look.font);
  font.height = font.height * 3 / 4;
  if (font.height == 0) font.height = 1;
  return font;
}

// Page-setup margins shorten the ticks and thin the lines, as on the printed graphs.
bool MarginsInUse(const platform::PageSetup& setup) {
  return setup.margin_left > 0 || setup.margin_top > 0 || setup.margin_right > 0 ||
         setup.margin_bottom > 0;
}

int LegendWidth(const platform::Canvas& canvas, const platform::Font& font,
                const graphs::ReportTable& table) {
  int widest = 0;
  for (std::size_t column = 1; column < table.titles.size(); ++column) {
    widest = std::max(widest, canvas.TextWidth(font, table.titles[column]));
  }
  return widest + 4 * canvas.Measure(font).average_char_width;
}

}  // namespace

bool HasReportGraphs(int printed_report_kind) {
  return printed_report_kind >= 1 && printed_report_kind <= 5;
}

graphs::ReportTable ReportTableOfPage(const std::vector<std::string>& lines) {
  std::vector<std::string> headings;
  std::vector<std::string> rows;
  for (const std::string& line : lines) {
    if (line.starts_with("Doooo")) break;
    if (line.find('\t') == std::string::npos) continue;
    const std::vector<std::string> cells = SplitCells(line);
    if (StartsWithNumber(cells.front())) {
      rows.push_back(NumberLine(cells));
    } else if (rows.empty() && line.find("---------") == std::string::npos) {
      headings = cells;
    }
  }
  return graphs::ParseReportTable(rows, std::move(headings));
}

void DrawReportChartPair(platform::Canvas& canvas, const platform::Rect& area,
                         const std::string& label, const graphs::ReportTable& table,
                         const PrintLook& look) {
  if (table.rows.empty()) return;
  graphs::ReportChart chart;
  chart.font = ChartFont(canvas, look);
  chart.title = label;
  chart.margins = MarginsInUse(look.setup);
  chart.palette = graphs::Palette{look.colours};
  chart.currency = look.currency;
  const platform::TextMetrics metrics = canvas.Measure(chart.font);
  const int c = metrics.average_char_width;
  const int line = metrics.LineHeight();
  // Below the base: the ticks, the age labels and the title, 1.2 lines under them.
  const int base = area.bottom - (chart.margins ? 5 : 10) - 1 - line * 12 / 5;
  chart.height = base - area.top - line / 2;
  const int labels = kValueLabelChars * c;
  const int gap = 2 * c;
  const int legend = LegendWidth(canvas, chart.font, table);
  chart.width = (area.Width() - 2 * labels - gap - legend) / 2;
  if (chart.width <= 0 || chart.height <= 0) return;
  chart.corner = {area.left + labels, base};
  graphs::DrawReportBarChart(canvas, chart, table);
  chart.corner.x += chart.width + gap + labels;
  chart.legend = graphs::ReportLegend::Right;
  graphs::DrawReportLineChart(canvas, chart, table);
}

int DrawReportGraphs(platform::Canvas& canvas, const platform::Rect& area, int top,
                     const std::vector<std::string>& lines, const std::string& title,
                     const PrintLook& look) {
  const int line = canvas.Measure(BodyFont(canvas, look.font)).LineHeight() * 5 / 4;
  const platform::Rect box{area.left, top, area.right, top + (kGraphLines - 1) * line};
  DrawReportChartPair(canvas, box, title, ReportTableOfPage(lines), look);
  return top + kGraphLines * line;
}

}  // namespace tarvel::results
