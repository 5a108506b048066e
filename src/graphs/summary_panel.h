// The summary panel in the fourth quadrant of the summary page: net worth, incoming and
// outgoing items of the selected age, as amounts or, while a pie is up, as percentages.
#pragma once

#include <string>
#include <vector>

#include "graphs/chart_context.h"
#include "graphs/chart_source.h"
#include "platform/canvas.h"

namespace tarvel::graphs {

struct SummaryRow {
  enum class Type { Line, Heading, Item };
  Type type = Type::Item;
  std::string label;
  std::string value;        // empty for headings
  int series_position = 0;  // the swatch's series colour (items); -1 for no swatch
  bool negative = false;    // drawn in the red-flag colour
};

// The rows for a period: the net worth line, then the three headings with their items; the
// net worth items (the account types and the liabilities) add up to the net worth. With
// percentages each item shows "%6.2f%" of its total (0 when it is not positive).
std::vector<SummaryRow> SummaryRows(const ChartSource& source, int period, bool percentages,
                                    const model::Currency& currency);

// The net worth line's label: "Age %d Net Worth" or "Age %-4.1f Purch. Power".
std::string SummaryLineLabel(const ChartSource& source, int period);

// Draws the rows into the context's area, in two columns when one does not fit.
void DrawSummaryPanel(platform::Canvas& canvas, const ChartContext& context,
                      const std::vector<SummaryRow>& rows);

}  // namespace tarvel::graphs
