// Both analyses write the same shape; only the number of "Dummy" lines differs, so the
// reader skips them whatever their number.
#include "siblings/xy_graph_file.h"

#include <cmath>

#include "model/money_format.h"
#include "siblings/text_lines.h"

namespace tarvel::siblings {
namespace {

constexpr int kMostNames = kMostChartLines;

std::string AtLine(const LineCursor& cursor, const std::string& why) {
  return "line " + std::to_string(cursor.line_number()) + " " + why;
}

std::optional<std::string> ReadNames(LineCursor& cursor, XyGraphFile& file) {
  const auto count_line = cursor.Take();
  const auto count = count_line ? NumberOf(*count_line) : std::nullopt;
  if (!count) return AtLine(cursor, "is not the number of points");
  file.stated_count = *count;
  const auto names_line = cursor.Take();
  const auto names = names_line ? NumberOf(*names_line) : std::nullopt;
  if (!names || *names < 1 || *names > kMostNames || *names != std::floor(*names)) {
    return AtLine(cursor, "is not a number of lines from 1 to 19");
  }
  for (int name = 0; name < static_cast<int>(*names); ++name) {
    const auto line = cursor.Take();
    if (!line) return std::string("its names are cut short");
    file.names.push_back(*line);
  }
  return std::nullopt;
}

// The points must reach the count the file states: the trade-off's last period is the count
// less one, the refinance's points run every fourth month up to at least the count.
std::optional<std::string> CheckComplete(const XyGraphFile& file) {
  if (file.rows.empty()) return std::string("it holds no points");
  const std::size_t last = file.rows.size() - 1;
  const double step = last == 0 ? 1 : file.rows[last][0] - file.rows[last - 1][0];
  if (file.rows[last][0] + step + 1e-6 < file.stated_count) {
    return "it ends after " + std::to_string(file.rows.size()) + " of its points";
  }
  return std::nullopt;
}

// Rows up to "Done" (the trade-off file) or the end of the file (the refinance file).
std::optional<std::string> ReadRows(LineCursor& cursor, XyGraphFile& file) {
  while (const auto line = cursor.Take()) {
    if (line->rfind("Done", 0) == 0) break;
    const auto numbers = NumbersOf(*line);
    if (!numbers) return AtLine(cursor, "is not a line of numbers");
    if (numbers->size() == file.names.size() + 1) {
      file.rows.push_back(*numbers);
    } else if (numbers->size() > 1) {
      return AtLine(cursor, "has " + std::to_string(numbers->size() - 1) + " values for " +
                                std::to_string(file.names.size()) + " lines");
    }
  }
  return CheckComplete(file);
}

std::vector<graphs::PeriodRecord> Points(const XyGraphFile& file) {
  std::vector<graphs::PeriodRecord> points;
  for (const auto& row : file.rows) {
    graphs::PeriodRecord point{};
    for (std::size_t k = 0; k < row.size() && k < point.size(); ++k) {
      point[k] = static_cast<float>(row[k]);
    }
    points.push_back(point);
  }
  return points;
}

// The refinance file holds a point every four months; the chart shows one a year (and the last
// point), with the axis in years, so its grid stays readable over a 30-year mortgage.
std::vector<graphs::PeriodRecord> YearlyPoints(const XyGraphFile& file) {
  constexpr float kMonthsPerYear = 12;
  const std::vector<graphs::PeriodRecord> monthly = Points(file);
  std::vector<graphs::PeriodRecord> points;
  for (std::size_t i = 0; i < monthly.size(); ++i) {
    graphs::PeriodRecord point = monthly[i];
    if (std::fmod(point[0], kMonthsPerYear) != 0 && i + 1 < monthly.size()) continue;
    point[0] /= kMonthsPerYear;
    points.push_back(point);
  }
  return points;
}

}  // namespace

XyGraphLoad ParseXyGraphText(const std::vector<std::string>& lines, const std::string& path) {
  if (lines.empty()) return XyGraphLoad::Failed(DamagedMessage(path, "it is empty"));
  LineCursor cursor(lines);
  cursor.Take();  // the graph kind, always "1"
  while (cursor.Peek() && cursor.Peek()->rfind("Dummy", 0) == 0) cursor.Take();
  XyGraphFile file;
  file.path = path;
  if (auto problem = ReadNames(cursor, file)) {
    return XyGraphLoad::Failed(DamagedMessage(path, *problem));
  }
  if (auto problem = ReadRows(cursor, file)) {
    return XyGraphLoad::Failed(DamagedMessage(path, *problem));
  }
  return {std::move(file), {}};
}

XyGraphLoad ReadXyGraphFile(const std::string& path) {
  const auto lines = ReadLines(path);
  if (!lines) return XyGraphLoad::Failed(CannotOpenMessage(path));
  return ParseXyGraphText(*lines, path);
}

LineChart TradeOffChart(const XyGraphFile& file) {
  LineChart chart;
  chart.title = "TRADE-OFF ANALYSIS";
  chart.names = file.names;
  chart.points = Points(file);
  chart.footer = {"Value of each option after each number of periods"};
  return chart;
}

std::optional<double> BreakEvenMonth(const XyGraphFile& file) {
  if (file.names.size() < 2) return std::nullopt;
  for (std::size_t row = 1; row < file.rows.size(); ++row) {
    if (file.rows[row][2] >= file.rows[row][1]) return file.rows[row][0];
  }
  return std::nullopt;
}

LineChart RefinanceChart(const XyGraphFile& file) {
  LineChart chart;
  chart.title = "REFINANCE ANALYSIS";
  chart.names = file.names;
  chart.points = YearlyPoints(file);
  const auto month = BreakEvenMonth(file);
  chart.footer = {month ? model::Format("Break-even by month %.0f after refinancing", *month)
                        : std::string("The refinanced mortgage does not break even"),
                  "Net worth by year since refinancing"};
  return chart;
}

}  // namespace tarvel::siblings
