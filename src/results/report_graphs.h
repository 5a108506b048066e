// The report charts of printed pages: the two graphs above the table of page 1 (net worth,
// incoming, outgoing, account and group reports) and the pairs of the thumbnails print, each a
// bar chart beside a line chart of the page's own rows.
#pragma once

#include <string>
#include <vector>

#include "graphs/report_charts.h"
#include "platform/canvas.h"
#include "results/print_look.h"

namespace tarvel::results {

// Printed report kinds that carry the two graphs on page 1 (1 to 5).
bool HasReportGraphs(int printed_report_kind);

// The chart table of a report page: the rows whose first cell is a number, up to the page end,
// their amounts read without currency symbol, commas or "%"; the series are titled by the
// heading row above the rows.
graphs::ReportTable ReportTableOfPage(const std::vector<std::string>& lines);

// The bar chart left and the line chart right in area, each titled label, the series named
// beside the line chart; nothing when the table has no rows.
void DrawReportChartPair(platform::Canvas& canvas, const platform::Rect& area,
                         const std::string& label, const graphs::ReportTable& table,
                         const PrintLook& look);

// The two graphs under the header block of page 1; returns the y where the table starts.
int DrawReportGraphs(platform::Canvas& canvas, const platform::Rect& area, int top,
                     const std::vector<std::string>& lines, const std::string& title,
                     const PrintLook& look);

}  // namespace tarvel::results
