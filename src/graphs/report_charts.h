// Small bar and line charts drawn from the table of a printed report page (ages in column 0,
// one series per further column) for reports printed with graphs and printed thumbnails.
#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "graphs/palette.h"
#include "model/money_format.h"
#include "platform/canvas.h"

namespace tarvel::graphs {

inline constexpr int kReportChartRows = 100;

struct ReportTable {
  std::vector<std::vector<float>> rows;  // column 0 the age, 1 and on the series
  std::vector<std::string> titles;       // by column; titles[k] names series column k
};

// Splits each line at tabs into numbers (text that is no number reads as 0); at most 100 rows.
ReportTable ParseReportTable(std::span<const std::string> lines,
                             std::vector<std::string> column_titles);

enum class ReportLegend { None = 0, Right = 1, Above = 2 };

struct ReportChart {
  platform::Point corner;  // bottom-left of the plot
  int width = 0;           // W
  int height = 0;          // H
  std::string title;
  ReportLegend legend = ReportLegend::None;
  bool margins = false;  // page-setup margins in use: shorter ticks, thinner lines
  platform::Font font;
  Palette palette;
  model::Currency currency;
};

// Overlapping bars per row, largest value first, in the palette entry of their column.
void DrawReportBarChart(platform::Canvas& canvas, const ReportChart& chart,
                        const ReportTable& table);

// One polyline per series column through the rows.
void DrawReportLineChart(platform::Canvas& canvas, const ReportChart& chart,
                         const ReportTable& table);

}  // namespace tarvel::graphs
