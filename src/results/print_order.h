// The order pages of a job are printed in: the range chosen in the print dialog, its copies,
// and whether the copies are collated into complete sets.
#pragma once

#include <string>
#include <vector>

#include "platform/printer.h"

namespace tarvel::results {

// Pages 1..page_count of a document whose page 0 is its title page. Printing "All" starts
// with the title page; a range never holds it and is kept within 1..page_count. Collated
// copies print complete sets (1,2,3,1,2,3); otherwise each page is repeated (1,1,2,2,3,3).
std::vector<int> PagesInPrintOrder(const platform::PrintChoice& choice, int page_count,
                                   bool has_title_page);

// The cancel box's text for the index-th page printed (from 1) of count.
std::string NowPrintingText(int index, int count);

}  // namespace tarvel::results
