// The paper printed documents are laid out on: the desktop's usual size (US Letter where the
// locale measures in inches, A4 elsewhere) unless a size is asked for, and a page of it in
// memory for measuring text before anything is printed.
#pragma once

#include <QBuffer>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <optional>
#include <string>

#include "painting/qt_canvas.h"
#include "platform/printer.h"
#include "results/print_schedule_layout.h"

namespace tarvel::painting {

QPageSize::PageSizeId DefaultPaper();

// "letter" or "a4" (any case); nothing for another name.
std::optional<QPageSize::PageSizeId> PaperNamed(const std::string& name);

// A page of the paper with no margins, as the page loops draw on it.
QPageLayout PaperLayout(QPageSize::PageSizeId paper, platform::Orientation orientation);

// A blank page in memory at a printer's resolution, drawn on only to measure.
class MeasuringPage {
 public:
  MeasuringPage(QPageSize::PageSizeId paper, platform::Orientation orientation);
  ~MeasuringPage() { painter_.end(); }
  MeasuringPage(const MeasuringPage&) = delete;
  MeasuringPage& operator=(const MeasuringPage&) = delete;

  platform::Canvas& canvas() { return *canvas_; }

 private:
  QBuffer buffer_;
  QPdfWriter writer_;
  QPainter painter_;
  std::optional<QtCanvas> canvas_;
};

// The printed schedule's layout on this paper, turned as the look's page setup asks.
results::ScheduleLayout ScheduleLayoutOnPaper(const results::PrintLook& look,
                                              QPageSize::PageSizeId paper);

}  // namespace tarvel::painting
