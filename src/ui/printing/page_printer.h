// What the print commands ask of the desktop: printing a document of page files through the
// print dialog and the cancel box, previewing it, the page setup and the printer font.
#pragma once

#include <functional>
#include <optional>
#include <string>

#include "model/report_options.h"
#include "platform/printer.h"
#include "results/print_pages.h"

namespace tarvel::ui {

// The preview's Help button opens the results folder's page, which covers printing.
inline constexpr int kPrintPreviewHelpTopic = 515;

// A document printed to a file: the path the print dialog proposes, and the file dialog that
// settles it (given the path the print dialog ended with; nothing cancels the print).
struct PrintToFile {
  std::string proposed_path;
  std::function<std::optional<std::string>(const std::string& path)> ask;
};

class PagePrinter {
 public:
  virtual ~PagePrinter() = default;
  // The print dialog (pages 1..page count, copies, collate, print to file), then the pages
  // in the chosen order under the document name (UTF-8, the PDF's title when printed to a
  // file); Cancelled when a dialog was cancelled.
  virtual results::PrintResult Print(const std::string& document, const results::PageFileJob& job,
                                     const results::PrintLook& look,
                                     const PrintToFile& to_file) = 0;
  // The room of a printed schedule page's body, in half lines, on the paper printed on.
  virtual int SchedulePageHalfLines(const results::PrintLook& look) = 0;
  // The pages straight into a PDF file, with "Page n of N" in the footer; false with the
  // reason in `error` when the file could not be written.
  virtual bool SavePdf(const results::PageFileJob& job, const results::PrintLook& look,
                       const std::string& path, std::string& error) = 0;
  // The preview window over the same pages.
  virtual void Preview(const results::PageFileJob& job, const results::PrintLook& look) = 0;
  // The page-setup dialog; nothing when cancelled.
  virtual std::optional<platform::PageSetup> SetUpPage(const platform::PageSetup& current) = 0;
  // The printer font chooser (6 to 78 points); nothing when cancelled.
  virtual std::optional<model::PrinterFontChoice> ChooseFont(
      const model::PrinterFontChoice& current) = 0;
};

}  // namespace tarvel::ui
