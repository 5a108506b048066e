// Report pages and schedule pages saved straight into a PDF file, with "Page n of N" in the
// footer: the report window's Save As and the command line's report and print commands.
#pragma once

#include <filesystem>
#include <string>

#include "painting/paper.h"
#include "results/print_pages.h"

namespace tarvel::painting {

// Every page of a page-file job, title page first when asked for. On failure returns false
// and sets error to a message for the user.
// The PDF's title names the plan and the document.
bool WritePageFilesPdf(const results::PageFileJob& job, bool title_page,
                       const results::PrintLook& look, const std::string& pdf_path,
                       std::string& error, QPageSize::PageSizeId paper = DefaultPaper());

// The report pages of a report kind ("rpage%d", "spage%d" or "apage%d" in workdir).
bool WriteReportPdf(const std::filesystem::path& workdir, int page_count, int report_kind,
                    const std::string& title, const std::string& pdf_path,
                    const results::PrintLook& look, std::string& error);

}  // namespace tarvel::painting
