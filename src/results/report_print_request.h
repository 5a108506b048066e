// What the report windows ask of printing: the pages just written, how to title them, and
// whether they go to the print dialog or straight into a PDF file.
#pragma once

#include <functional>
#include <string>

namespace tarvel::results {

struct ReportPrintRequest {
  int report_kind = 0;  // the printed kind number (1 net worth ... 16; 12 a mortgage schedule)
  int page_count = 0;   // page files "rpage1" .. "rpage<page_count>" (909: "spage")
  std::string title;
  std::string pdf_path;  // empty: the print dialog; else saved straight to this PDF file

  bool operator==(const ReportPrintRequest&) const = default;
};

using ReportPrinter = std::function<void(const ReportPrintRequest&)>;

}  // namespace tarvel::results
