// The painter starts the document with the first page; a job the printer aborted, or that
// could not start, hands out no further canvases.
#include "app/printer_page_sink.h"

#include <QPrinter>

namespace tarvel::app {

platform::Canvas* PrinterPageSink::BeginPage() {
  if (failed_) return nullptr;
  if (pages_ == 0) {
    if (!painter_.begin(&printer_)) {
      failed_ = true;
      return nullptr;
    }
    painter_.setRenderHint(QPainter::Antialiasing, true);
    canvas_.emplace(painter_);
  } else if (!printer_.newPage()) {
    failed_ = true;
    return nullptr;
  }
  if (printer_.printerState() == QPrinter::Aborted) {
    failed_ = true;
    return nullptr;
  }
  ++pages_;
  // Each page starts from the same pens, brushes and clipping.
  painter_.save();
  return &*canvas_;
}

void PrinterPageSink::EndPage() {
  if (painter_.isActive()) painter_.restore();
}

bool PrinterPageSink::Finish() {
  if (painter_.isActive() && !painter_.end()) failed_ = true;
  return !failed_ && printer_.printerState() != QPrinter::Error &&
         printer_.printerState() != QPrinter::Aborted;
}

}  // namespace tarvel::app
