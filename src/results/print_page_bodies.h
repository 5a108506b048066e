// The bodies of printed pages: a report page file's table and a schedule page's listing,
// summaries and tab columns, drawn from the body's top down to the printable area's bottom.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "platform/canvas.h"
#include "results/print_look.h"

namespace tarvel::results {

void DrawReportPageBody(platform::Canvas& canvas, const platform::Rect& area, int top,
                        const std::vector<std::string>& lines, const PrintLook& look);

void DrawSchedulePageBody(platform::Canvas& canvas, const platform::Rect& area, int top,
                          const std::vector<std::string>& lines, const PrintLook& look);

// The listing line of an inactive event (its leading age 1000 or more) with its true age,
// "           %-5.1f%s"; nothing for any other line.
std::optional<std::string> InactiveListingLine(const std::string& line);

}  // namespace tarvel::results
