// Report and schedule page bodies on printed pages.
#include "results/print_page_bodies.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <numeric>
#include <optional>

#include "results/print_schedule_layout.h"
#include "results/print_schedule_pages.h"
#include "results/print_table.h"

namespace tarvel::results {
namespace {

constexpr int kInactiveOffset = 1000;

bool Contains(const std::string& line, const char* text) {
  return line.find(text) != std::string::npos;
}

std::string_view TrimLeft(std::string_view text) {
  const std::size_t first = text.find_first_not_of(' ');
  return first == std::string_view::npos ? std::string_view() : text.substr(first);
}

// An amount or a percentage, with its currency symbol, sign and separators.
bool IsAmount(const std::string& cell) {
  bool digit = false;
  for (unsigned char c : cell) {
    if (std::isdigit(c) != 0) {
      digit = true;
    } else if (c < 128 &&
               std::string_view("$.,-%").find(static_cast<char>(c)) == std::string_view::npos) {
      return false;
    }
  }
  return digit;
}

// A row of amounts rather than a row of titles ("401(k) contributions" is a title).
bool HasAmount(const std::vector<std::string>& cells) {
  return std::any_of(cells.begin() + (cells.empty() ? 0 : 1), cells.end(), IsAmount);
}

int WidestRow(const std::vector<std::string>& lines) {
  std::size_t widest = 1;
  for (const std::string& line : lines) {
    widest =
        std::max(widest, static_cast<std::size_t>(std::count(line.begin(), line.end(), '\t')) + 1);
  }
  return static_cast<int>(widest);
}

bool IsScheduleHeading(const std::string& line) {
  for (const char* heading : {"Financial Scenario", "Red flags at age", "Financial Events",
                              "Initial Rates:", "Summary", "End Of Year Account Summary"}) {
    if (Contains(line, heading)) return true;
  }
  return false;
}

bool IsColumnHeading(const std::string& line) {
  for (const char* word : {"Age", "Net Worth", "Accounts", "Liabilities", "Investment",
                           "Retirement", "Equity", "Asset"}) {
    if (Contains(line, word) && line.find('\t') != std::string::npos) return true;
  }
  return false;
}

constexpr std::string_view kPageIndent = "          ";

// Page lines carry a 10-space indent; the printable area has its own margin.
std::string WithoutPageIndent(const std::string& line) {
  return line.starts_with(kPageIndent) ? line.substr(kPageIndent.size()) : line;
}

// The font, made smaller for a line that would run past the width.
platform::Font FittingLine(const platform::Canvas& canvas, const platform::Font& font,
                           const std::string& text, int width) {
  const int needed = canvas.TextWidth(font, text);
  if (needed <= width || needed == 0) return font;
  platform::Font smaller = font;
  smaller.height = static_cast<int>(static_cast<long long>(font.height) * width / needed);
  if (smaller.height == 0) smaller.height = font.height < 0 ? -1 : 1;
  return smaller;
}

// The plain numbers of a report row ("1234567.89", "-12.50", "45.25%"), after its first
// cell, with a comma before every third digit of the whole part, as money is shown.
void GroupAmounts(std::vector<std::string>& cells, const model::Currency& currency) {
  for (std::size_t column = 1; column < cells.size(); ++column) {
    std::string& cell = cells[column];
    if (cell.find('.') == std::string::npos ||
        cell.find_first_not_of("-0123456789.%") != std::string::npos) {
      continue;
    }
    cell = model::FormatMoney(cell, currency).substr(1);  // without the currency symbol
  }
}

std::string JoinedCells(const std::vector<std::string>& cells) {
  std::string line;
  for (std::size_t column = 0; column < cells.size(); ++column) {
    if (column > 0) line += '\t';
    line += cells[column];
  }
  return line;
}

platform::Font HeadingFont(const platform::Font& body) {
  platform::Font font = body;
  font.weight = platform::kBoldWeight;
  return font;
}

int PageHalfLines(const std::vector<std::string>& lines) {
  int half_lines = 0;
  for (const std::string& line : lines) half_lines += HalfLinesOf(line);
  return half_lines;
}

// Draws the schedule's lines one after the other in the layout's font. A page cut for
// longer paper than it is printed on gets a smaller font, so no line is lost.
class ScheduleBody {
 public:
  ScheduleBody(platform::Canvas& canvas, const platform::Rect& area, int top,
               const std::vector<std::string>& lines, const PrintLook& look)
      : canvas_(canvas),
        area_(area),
        look_(look),
        edges_(ColumnEdges(area, WidestRow(lines))),
        top_(top) {
    const ScheduleLayout layout = ScheduleLayoutFor(canvas, look);
    font_ = layout.font;
    line_height_ = layout.line_height;
    const int needed = PageHalfLines(lines);
    const int room = ScheduleBodyRoom(canvas, area, top, look);
    if (needed > 0 && needed * line_height_ > 2 * room) {
      const int fitted = std::max(1, 2 * room / needed);
      font_.height = static_cast<int>(static_cast<long long>(font_.height) * fitted / line_height_);
      if (font_.height == 0) font_.height = -1;
      line_height_ = fitted;
    }
    average_char_width_ = canvas.Measure(font_).average_char_width;
  }

  void Draw(const std::string& line) {
    const int y = top_ + half_lines_ * line_height_ / 2;
    half_lines_ += HalfLinesOf(line);
    if (line.starts_with("?") || Contains(line, "-----")) return;
    if (IsScheduleHeading(line)) {
      canvas_.DrawText({area_.left + 2 * average_char_width_, y}, std::string(TrimLeft(line)),
                       HeadingFont(font_), {});
    } else if (const std::optional<std::string> inactive = InactiveListingLine(line)) {
      platform::TextStyle red;
      red.colour = look_.red_flag_colour;
      DrawPlain(WithoutPageIndent(*inactive), y, red);
    } else if (IsColumnHeading(line)) {
      const int shifted = Contains(line, "Purchasing Power") ? y - line_height_ / 2 : y;
      TableRow row{SplitCells(line), shifted, line_height_, false, CellAlign::Amounts};
      PrintLook plain = look_;
      plain.options.banding = plain.options.boxing = plain.options.columns = false;
      DrawTableRow(canvas_, area_, edges_, row, HeadingFont(font_), plain);
    } else if (line.find('\t') != std::string::npos) {
      TableRow row{SplitCells(line), y, line_height_, (rows_++ % 2) == 1, CellAlign::Amounts};
      // An amount too wide for its column makes its own row smaller.
      DrawTableRow(canvas_, area_, edges_, row, FitFontToColumns(canvas_, font_, {line}, edges_),
                   look_);
    } else {
      DrawPlain(WithoutPageIndent(line), y, {});
    }
  }

 private:
  void DrawPlain(const std::string& text, int y, const platform::TextStyle& style) {
    canvas_.DrawText({area_.left, y}, text, FittingLine(canvas_, font_, text, area_.Width()),
                     style);
  }

  platform::Canvas& canvas_;
  const platform::Rect& area_;
  const PrintLook& look_;
  std::vector<int> edges_;
  platform::Font font_;
  int line_height_ = 1;
  int average_char_width_ = 0;
  int top_;
  int half_lines_ = 0;
  int rows_ = 0;
};

// Every line of a page is printed: when a large printer font (or the graphs above the table)
// leaves too little room for the page's lines, the rows and their font shrink together.
void FitRowsToHeight(int room, int rows, platform::Font& font, int& line_height) {
  if (rows <= 0 || line_height <= 0 || line_height * rows <= room) return;
  const int fitted = std::max(1, room / rows);
  font.height = static_cast<int>(static_cast<long long>(font.height) * fitted / line_height);
  if (font.height == 0) font.height = -1;
  line_height = fitted;
}

}  // namespace

std::optional<std::string> InactiveListingLine(const std::string& line) {
  const std::string_view text = TrimLeft(line);
  if (text.empty() || std::isdigit(static_cast<unsigned char>(text.front())) == 0) {
    return std::nullopt;
  }
  const std::string number(text.substr(0, text.find_first_not_of("0123456789.")));
  const double age = std::strtod(number.c_str(), nullptr);
  if (age < kInactiveOffset) return std::nullopt;
  char buffer[512];
  std::snprintf(buffer, sizeof buffer, "           %-5.1f%s", age - kInactiveOffset,
                std::string(text.substr(number.size())).c_str());
  return std::string(buffer);
}

void DrawSchedulePageBody(platform::Canvas& canvas, const platform::Rect& area, int top,
                          const std::vector<std::string>& lines, const PrintLook& look) {
  ScheduleBody body(canvas, area, top, lines, look);
  for (const std::string& line : lines) body.Draw(line);
}

void DrawReportPageBody(platform::Canvas& canvas, const platform::Rect& area, int top,
                        const std::vector<std::string>& lines, const PrintLook& look) {
  const platform::Font body = BodyFont(canvas, look.font);
  // The font fits the amounts; titles too wide for their column are wrapped.
  std::vector<std::vector<std::string>> rows;
  std::vector<std::string> amount_lines;
  int labels = 0;
  for (const std::string& line : lines) {
    rows.push_back(SplitCells(line));
    std::vector<std::string>& cells = rows.back();
    if (cells.size() < 2 || !HasAmount(cells)) continue;
    GroupAmounts(cells, look.currency);
    amount_lines.push_back(JoinedCells(cells));
    labels = std::max(labels, canvas.TextWidth(body, cells.front()));
  }
  const int padding = 2 * canvas.Measure(body).average_char_width;
  const std::vector<int> edges =
      ColumnEdges(area, WidestRow(lines), labels == 0 ? 0 : labels + padding);
  platform::Font font = FitFontToColumns(canvas, body, amount_lines, edges);
  // Column titles too wide for their column take two lines of the font.
  std::vector<int> heights(lines.size(), 1);
  for (std::size_t index = 0; index < lines.size(); ++index) {
    if (rows[index].size() > 1 && !HasAmount(rows[index]) &&
        TitlesNeedTwoLines(canvas, edges, rows[index], font)) {
      heights[index] = 2;
    }
  }
  int line_height = canvas.Measure(font).LineHeight() * 5 / 4;
  const int row_lines = std::accumulate(heights.begin(), heights.end(), 0);
  FitRowsToHeight(area.bottom - top, row_lines, font, line_height);
  int y = top;
  int banded = 0;
  for (std::size_t index = 0; index < lines.size(); ++index) {
    const int height = heights[index] * line_height;
    if (y + height > area.bottom) break;
    if (Contains(lines[index], "---------")) {
      DrawRule(canvas, area, y + height / 2, look);
    } else {
      const CellAlign align = HasAmount(rows[index]) ? CellAlign::Amounts : CellAlign::Centred;
      TableRow row{std::move(rows[index]), y, height, (banded++ % 2) == 1, align};
      DrawTableRow(canvas, area, edges, row, font, look);
    }
    y += height;
  }
}

}  // namespace tarvel::results
