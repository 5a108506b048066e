// Printing as the core asks for it: choosing a printer with its copies and page range, page
// setup, and a document printed one page at a time onto a canvas until it ends or is cancelled.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "platform/page_sink.h"

namespace tarvel::platform {

// What the print dialog asks for. Pages are numbered from 1.
struct PrintChoice {
  std::string printer;  // the printer's name, or empty for the default printer
  int copies = 1;
  bool collate = true;
  bool page_range = false;  // false: every page
  int first_page = 1;
  int last_page = 1;
  std::string output_file;  // print to this PDF file instead of a printer (empty: none)
};

enum class Orientation { Portrait, Landscape };

// The page setup as the scenario keeps it: margins in thousandths of an inch.
struct PageSetup {
  Orientation orientation = Orientation::Portrait;
  std::int32_t margin_left = 1000;
  std::int32_t margin_top = 1000;
  std::int32_t margin_right = 500;
  std::int32_t margin_bottom = 1000;
};

// One document being printed: pages are begun and ended in order through the PageSink side.
class PrintDocument : public PageSink {
 public:
  // Stops the job: pages not yet ended are dropped and BeginPage returns nullptr from now on.
  virtual void Cancel() = 0;
  // Ends the document. True when every page begun reached the printer and nothing was cancelled.
  virtual bool Finish() = 0;
  virtual bool cancelled() const = 0;
};

// The cancel box of a running job.
class PrintProgress {
 public:
  virtual ~PrintProgress() = default;
  // Shows the text of the page about to be printed; false once the user cancelled the job.
  virtual bool Update(const std::string& text) = 0;
};

class Printer {
 public:
  virtual ~Printer() = default;
  // True when a printer is installed; without one, printing writes a PDF file.
  virtual bool PrinterInstalled() const = 0;
  // The print dialog, opened with these choices for a document of this many pages (0: not
  // known); the user's choices, or nothing when the dialog was cancelled.
  virtual std::optional<PrintChoice> ChoosePrinter(const PrintChoice& initial, int page_count) = 0;
  // The page-setup dialog; the new setup, or nothing when it was cancelled.
  virtual std::optional<PageSetup> SetUpPage(const PageSetup& current) = 0;
  // Starts a document under this name (shown in the printer's queue); nothing when the
  // printer or file could not be opened.
  virtual std::unique_ptr<PrintDocument> StartDocument(const std::string& name,
                                                       const PrintChoice& choice,
                                                       const PageSetup& setup) = 0;
};

}  // namespace tarvel::platform
