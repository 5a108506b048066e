// The page loop of documents drawn page by page rather than read from page files (graph pages,
// the sibling programs' pages): the document is drawn again for every run of pages the print
// order asks for, and only those pages reach the printer, so page ranges, copies and
// collation behave as for page files.
#pragma once

#include <functional>
#include <vector>

#include "platform/canvas.h"
#include "platform/page_sink.h"
#include "platform/printer.h"
#include "results/print_pages.h"

namespace tarvel::results {

// Draws every page of the document onto the sink; false when the sink refused a page.
using DrawPages = std::function<bool(platform::PageSink&)>;

// The number of pages the document draws, each drawn onto scratch.
int CountDrawnPages(platform::Canvas& scratch, const DrawPages& draw);

// Prints the pages in order (numbers from 1, as PagesInPrintOrder gives them without a title
// page); pages not printed at a step are drawn onto scratch. Progress (may be null) shows the
// cancel box's text before each printed page and cancels between pages.
PrintResult PrintDrawnPages(platform::PageSink& sink, platform::Canvas& scratch,
                            const std::vector<int>& order, const DrawPages& draw,
                            platform::PrintProgress* progress);

}  // namespace tarvel::results
