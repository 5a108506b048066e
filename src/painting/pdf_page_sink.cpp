// A PDF page sink: the painter begins with the first page and ends with the file.
#include "painting/pdf_page_sink.h"

#include <QPageLayout>
#include <QPageSize>

namespace tarvel::painting {
namespace {

constexpr int kPdfDpi = 300;

}  // namespace

PdfPageSink::PdfPageSink(const std::string& path, const std::string& title,
                         platform::Orientation orientation, QPageSize::PageSizeId paper)
    : writer_(QString::fromStdString(path)) {
  writer_.setResolution(kPdfDpi);
  writer_.setPageLayout(PaperLayout(paper, orientation));
  writer_.setTitle(QString::fromStdString(title));
  writer_.setCreator("Tarvel Financial Planner");
}

platform::Canvas* PdfPageSink::BeginPage() {
  if (failed_ || finished_) return nullptr;
  if (pages_ == 0) {
    if (!painter_.begin(&writer_)) {
      failed_ = true;
      return nullptr;
    }
    painter_.setRenderHint(QPainter::Antialiasing, true);
    canvas_.emplace(painter_);
  } else if (!writer_.newPage()) {
    failed_ = true;
    return nullptr;
  }
  ++pages_;
  painter_.save();
  return &*canvas_;
}

void PdfPageSink::EndPage() {
  if (painter_.isActive()) painter_.restore();
}

bool PdfPageSink::Finish() {
  if (!finished_) {
    finished_ = true;
    if (painter_.isActive() && !painter_.end()) failed_ = true;
  }
  return !failed_ && pages_ > 0;
}

}  // namespace tarvel::painting
