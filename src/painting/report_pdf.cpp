// Page-file documents into PDF files through the same page loop as the printer.
#include "painting/report_pdf.h"

#include "painting/pdf_page_sink.h"
#include "results/print_order.h"
#include "results/print_title_page.h"

namespace tarvel::painting {

bool WritePageFilesPdf(const results::PageFileJob& job, bool title_page,
                       const results::PrintLook& look, const std::string& pdf_path,
                       std::string& error, QPageSize::PageSizeId paper) {
  if (job.page_count <= 0 && !title_page) {
    error = "There are no pages to write.";
    return false;
  }
  results::PrintLook saved = results::OrientedForPages(job, look);
  saved.page_of_total = true;
  PdfPageSink sink(pdf_path, results::PrintedDocumentName(look.file_name, job.title),
                   saved.setup.orientation, paper);
  const results::PrintResult printed = results::PrintPageFiles(
      sink, job, results::PagesInPrintOrder({}, job.page_count, title_page), saved, nullptr);
  const bool written = sink.Finish();
  if (printed.outcome == results::PrintOutcome::Failed) {
    error = printed.caption + ": " + printed.message;
    return false;
  }
  if (!written) {
    error = "Cannot write " + pdf_path + ".";
    return false;
  }
  return true;
}

bool WriteReportPdf(const std::filesystem::path& workdir, int page_count, int report_kind,
                    const std::string& title, const std::string& pdf_path,
                    const results::PrintLook& look, std::string& error) {
  const results::PageFileJob job{workdir,
                                 results::PageFilePrefix(report_kind),
                                 page_count,
                                 title,
                                 results::PageBody::Report,
                                 report_kind};
  return WritePageFilesPdf(job, false, look, pdf_path, error);
}

}  // namespace tarvel::painting
