// Small charts drawn from the rows of a report page: the two graphs above the table of page 1
// (net worth, incoming, outgoing, account and group reports) and the pairs of the thumbnails
// print: bars of the report's total beside lines of its columns.
#pragma once

#include <string>
#include <vector>

#include "platform/canvas.h"
#include "results/print_look.h"

namespace tarvel::results {

// The amounts of a page's rows, one series per amount column, in row order.
struct ChartRows {
  std::vector<double> ages;
  std::vector<std::string> names;            // the column headings, when the page has them
  std::vector<std::vector<double>> columns;  // columns[c][row]
  bool Empty() const { return ages.empty() || columns.empty(); }
};

// Reads the rows whose first cell is a number; amounts may carry a currency symbol, commas,
// a minus sign and a "%".
ChartRows ChartRowsOfPage(const std::vector<std::string>& lines);

// The amount in a cell ("$-1,234.50" is -1234.5); 0 when the cell holds no number.
double CellAmount(const std::string& cell);

// Printed report kinds that carry the two graphs on page 1 (1 to 5).
bool HasReportGraphs(int printed_report_kind);

// Two charts side by side in area, each labelled with the report's name: bars of the total
// (the report's first column when it is a total, else the sum of the row) and lines of the
// other columns with their names; nothing when the rows are empty.
void DrawChartPair(platform::Canvas& canvas, const platform::Rect& area, const std::string& label,
                   const ChartRows& rows, const PrintLook& look);

// The two graphs under the header block of page 1; returns the y where the table starts.
int DrawReportGraphs(platform::Canvas& canvas, const platform::Rect& area, int top,
                     const std::vector<std::string>& lines, const std::string& title,
                     const PrintLook& look);

}  // namespace tarvel::results
