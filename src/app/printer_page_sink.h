// Printed graph pages on a QPrinter (a CUPS printer or a PDF file): one painter over the
// whole document, a fresh page for every page after the first.
#pragma once

#include <QPainter>
#include <optional>

#include "graphs/graph_printing.h"
#include "painting/qt_canvas.h"

class QPrinter;

namespace tarvel::app {

class PrinterPageSink : public platform::PageSink {
 public:
  // The printer must be set up (printer or output file chosen) and outlive the sink.
  explicit PrinterPageSink(QPrinter& printer) : printer_(printer) {}
  ~PrinterPageSink() override { Finish(); }
  PrinterPageSink(const PrinterPageSink&) = delete;
  PrinterPageSink& operator=(const PrinterPageSink&) = delete;

  platform::Canvas* BeginPage() override;
  void EndPage() override;
  // Ends the document. True when every page begun reached the printer.
  bool Finish();

  int pages() const { return pages_; }

 private:
  QPrinter& printer_;
  QPainter painter_;
  std::optional<painting::QtCanvas> canvas_;
  int pages_ = 0;
  bool failed_ = false;
};

}  // namespace tarvel::app
