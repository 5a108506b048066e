// Page order of a print job.
#include "results/print_order.h"

#include <algorithm>
#include <cstdio>

namespace tarvel::results {

std::vector<int> PagesInPrintOrder(const platform::PrintChoice& choice, int page_count,
                                   bool has_title_page) {
  std::vector<int> range;
  if (choice.page_range) {
    const int first = std::max(1, choice.first_page);
    const int last = std::min(page_count, choice.last_page);
    for (int page = first; page <= last; ++page) range.push_back(page);
  } else {
    for (int page = has_title_page ? 0 : 1; page <= page_count; ++page) range.push_back(page);
  }
  const int copies = std::max(1, choice.copies);
  std::vector<int> order;
  order.reserve(range.size() * static_cast<std::size_t>(copies));
  if (choice.collate) {
    for (int copy = 0; copy < copies; ++copy) order.insert(order.end(), range.begin(), range.end());
  } else {
    for (int page : range) order.insert(order.end(), static_cast<std::size_t>(copies), page);
  }
  return order;
}

std::string NowPrintingText(int index, int count) {
  char text[64];
  std::snprintf(text, sizeof text, "   Now printing Page %d of %d.....", index, count);
  return text;
}

}  // namespace tarvel::results
