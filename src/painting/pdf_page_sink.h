// Printed pages straight into a PDF file: US Letter pages at 300 dots per inch, the whole
// paper drawable so the page-setup margins are the only margins.
#pragma once

#include <QFile>
#include <QPainter>
#include <QPdfWriter>
#include <memory>
#include <optional>
#include <string>

#include "painting/qt_canvas.h"
#include "platform/page_sink.h"
#include "platform/printer.h"

namespace tarvel::painting {

class PdfPageSink : public platform::PageSink {
 public:
  PdfPageSink(const std::string& path, const std::string& title,
              platform::Orientation orientation = platform::Orientation::Portrait);
  ~PdfPageSink() override { Finish(); }
  PdfPageSink(const PdfPageSink&) = delete;
  PdfPageSink& operator=(const PdfPageSink&) = delete;

  platform::Canvas* BeginPage() override;
  void EndPage() override;
  // Ends the file. True when it was written with at least one page.
  bool Finish();
  // Why the file could not be written ("Permission denied"); empty while it could.
  std::string Problem() const;

 private:
  std::string open_problem_;
  std::unique_ptr<QFile> file_;
  std::optional<QPdfWriter> writer_;  // none when the file could not be opened
  QPainter painter_;
  std::optional<QtCanvas> canvas_;
  int pages_ = 0;
  bool failed_ = false;
  bool finished_ = false;
};

}  // namespace tarvel::painting
