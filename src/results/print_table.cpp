// Table rows of printed report and schedule pages.
#include "results/print_table.h"

#include <algorithm>
#include <utility>

namespace tarvel::results {
namespace {

constexpr int kCellPadding = 6;

std::string_view Trim(std::string_view text) {
  const std::size_t first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};
  const std::size_t last = text.find_last_not_of(' ');
  return text.substr(first, last - first + 1);
}

// The words of a title split into two lines of about equal width.
std::pair<std::string, std::string> TwoLines(const platform::Canvas& canvas,
                                             const platform::Font& font, const std::string& text) {
  std::pair<std::string, std::string> best{text, ""};
  int best_width = canvas.TextWidth(font, text);
  for (std::size_t space = text.find(' '); space != std::string::npos;
       space = text.find(' ', space + 1)) {
    const std::string first = text.substr(0, space);
    const std::string second(Trim(std::string_view(text).substr(space + 1)));
    const int width = std::max(canvas.TextWidth(font, first), canvas.TextWidth(font, second));
    if (width < best_width) {
      best = {first, second};
      best_width = width;
    }
  }
  return best;
}

// A title wider than its column: two lines in a font small enough for both to fit the row's
// height and the column's width.
void DrawWrappedTitle(platform::Canvas& canvas, const platform::Rect& cell, const std::string& text,
                      const platform::Font& font, const platform::TextStyle& style) {
  const auto [first, second] = TwoLines(canvas, font, text);
  platform::Font small = font;
  // Two lines of the row's font when the row is two lines high, else smaller.
  const int two_lines = 2 * canvas.Measure(font).height;
  if (two_lines > cell.Height() && two_lines > 0) {
    small.height =
        static_cast<int>(static_cast<long long>(font.height) * cell.Height() / two_lines);
  }
  const int widest = std::max(canvas.TextWidth(small, first), canvas.TextWidth(small, second));
  if (widest > cell.Width() && widest > 0) {
    small.height = static_cast<int>(static_cast<long long>(small.height) * cell.Width() / widest);
  }
  if (small.height == 0) small.height = font.height < 0 ? -1 : 1;
  const int line = canvas.Measure(small).height;
  const int top = cell.top + std::max(0, (cell.Height() - 2 * line) / 2);
  const int x = (cell.left + cell.right) / 2;
  canvas.DrawText({x, top}, first, small, style);
  canvas.DrawText({x, top + line}, second, small, style);
}

}  // namespace

std::vector<std::string> SplitCells(std::string_view line) {
  std::vector<std::string> cells;
  std::size_t start = 0;
  while (true) {
    const std::size_t tab = line.find('\t', start);
    cells.emplace_back(Trim(line.substr(start, tab - start)));
    if (tab == std::string_view::npos) break;
    start = tab + 1;
  }
  return cells;
}

std::vector<int> ColumnEdges(const platform::Rect& area, int count, int first_width) {
  count = std::max(1, count);
  std::vector<int> edges;
  // The first column takes half a share: it holds an age or a short label.
  const double half_share = area.Width() / (count - 0.5) / 2;
  const double first =
      count == 1 ? area.Width() : std::clamp<double>(first_width, half_share, area.Width() / 3.0);
  const double share = count == 1 ? 0 : (area.Width() - first) / (count - 1);
  edges.push_back(area.left);
  for (int column = 1; column <= count; ++column) {
    edges.push_back(area.left + static_cast<int>(first + share * (column - 1)));
  }
  edges.back() = area.right;
  return edges;
}

platform::Font FitFontToColumns(const platform::Canvas& canvas, const platform::Font& font,
                                const std::vector<std::string>& lines,
                                const std::vector<int>& edges) {
  if (edges.size() < 3) return font;
  int narrowest = edges.back() - edges.front();
  for (std::size_t column = 1; column + 1 < edges.size(); ++column) {
    narrowest = std::min(narrowest, edges[column + 1] - edges[column]);
  }
  int widest = 0;
  for (const std::string& line : lines) {
    if (line.find('\t') == std::string::npos) continue;
    const std::vector<std::string> cells = SplitCells(line);
    for (std::size_t column = 1; column < cells.size(); ++column) {
      widest = std::max(widest, canvas.TextWidth(font, cells[column]));
    }
  }
  // Two characters of room between neighbouring amounts.
  const int needed = widest + 2 * kCellPadding + canvas.TextWidth(font, "  ");
  if (widest == 0 || needed <= narrowest) return font;
  platform::Font smaller = font;
  smaller.height = static_cast<int>(static_cast<long long>(font.height) * narrowest / needed);
  if (smaller.height == 0) smaller.height = font.height < 0 ? -1 : 1;
  return smaller;
}

void DrawTableRow(platform::Canvas& canvas, const platform::Rect& area,
                  const std::vector<int>& edges, const TableRow& row, const platform::Font& font,
                  const PrintLook& look) {
  const platform::Rect box{area.left, row.top, area.right, row.top + row.height};
  if (look.options.banding && row.banded) {
    canvas.DrawRectangle(box, platform::Pen::None(), platform::Brush::Solid(look.band_colour));
  }
  if (look.options.boxing) {
    canvas.DrawRectangle(box, platform::Pen::Solid(platform::kBlack), platform::Brush::Hollow());
  }
  const int columns = static_cast<int>(edges.size()) - 1;
  if (look.options.columns) {
    for (int column = 1; column < columns; ++column) {
      canvas.DrawLine({edges[column], box.top}, {edges[column], box.bottom},
                      platform::Pen::Solid(platform::kBlack));
    }
  }
  const int text_top = row.top + std::max(0, (row.height - canvas.Measure(font).height) / 2);
  const int cells = std::min(static_cast<int>(row.cells.size()), columns);
  for (int column = 0; column < cells; ++column) {
    const std::string& cell = row.cells[column];
    if (cell.empty()) continue;
    platform::TextStyle style;
    style.colour = row.colour;
    int x = edges[column] + kCellPadding;
    if (column > 0 && row.align == CellAlign::Amounts) {
      style.horizontal = platform::HorizontalAlign::Right;
      x = edges[column + 1] - kCellPadding;
    } else if (column > 0) {
      style.horizontal = platform::HorizontalAlign::Centre;
      x = (edges[column] + edges[column + 1]) / 2;
      const platform::Rect space{edges[column] + kCellPadding, row.top,
                                 edges[column + 1] - kCellPadding, row.top + row.height};
      if (canvas.TextWidth(font, cell) > space.Width()) {
        DrawWrappedTitle(canvas, space, cell, font, style);
        continue;
      }
    }
    canvas.DrawText({x, text_top}, cell, font, style);
  }
}

bool TitlesNeedTwoLines(const platform::Canvas& canvas, const std::vector<int>& edges,
                        const std::vector<std::string>& cells, const platform::Font& font) {
  const std::size_t columns = edges.size() - 1;
  for (std::size_t column = 1; column < std::min(cells.size(), columns); ++column) {
    const int room = edges[column + 1] - edges[column] - 2 * kCellPadding;
    if (canvas.TextWidth(font, cells[column]) > room) return true;
  }
  return false;
}

void DrawRule(platform::Canvas& canvas, const platform::Rect& area, int y, const PrintLook& look) {
  if (look.options.boxing) {
    canvas.DrawRectangle({area.left, y, area.right, y + 2}, platform::Pen::Solid(platform::kBlack),
                         platform::Brush::Hollow());
  } else {
    canvas.DrawLine({area.left, y}, {area.right, y}, platform::Pen::Solid(platform::kBlack));
  }
}

}  // namespace tarvel::results
