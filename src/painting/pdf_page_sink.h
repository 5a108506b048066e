// Printed pages straight into a PDF file: pages of the desktop's paper (or the one asked for)
// at 300 dots per inch, the whole paper drawable so the page-setup margins are the only
// margins.
#pragma once

#include <QPainter>
#include <QPdfWriter>
#include <memory>
#include <optional>
#include <string>

#include "painting/paper.h"
#include "painting/qt_canvas.h"
#include "platform/page_sink.h"
#include "platform/printer.h"

namespace tarvel::painting {

class PdfPageSink : public platform::PageSink {
 public:
  // The title (UTF-8) is the PDF file's document title.
  PdfPageSink(const std::string& path, const std::string& title,
              platform::Orientation orientation = platform::Orientation::Portrait,
              QPageSize::PageSizeId paper = DefaultPaper());
  ~PdfPageSink() override { Finish(); }
  PdfPageSink(const PdfPageSink&) = delete;
  PdfPageSink& operator=(const PdfPageSink&) = delete;

  platform::Canvas* BeginPage() override;
  void EndPage() override;
  // Ends the file. True when it was written with at least one page.
  bool Finish();

 private:
  QPdfWriter writer_;
  QPainter painter_;
  std::optional<QtCanvas> canvas_;
  int pages_ = 0;
  bool failed_ = false;
  bool finished_ = false;
};

}  // namespace tarvel::painting
