// Paper sizes and the measuring page.
#include "painting/paper.h"

#include <QLocale>
#include <QPageLayout>
#include <algorithm>
#include <cctype>

namespace tarvel::painting {
namespace {

// The printer's high resolution, so text measures as it will print.
constexpr int kMeasuringDotsPerInch = 1200;

}  // namespace

QPageSize::PageSizeId DefaultPaper() {
  return QLocale::system().measurementSystem() == QLocale::ImperialUSSystem ? QPageSize::Letter
                                                                            : QPageSize::A4;
}

std::optional<QPageSize::PageSizeId> PaperNamed(const std::string& name) {
  std::string lowered = name;
  std::transform(lowered.begin(), lowered.end(), lowered.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  if (lowered == "letter") return QPageSize::Letter;
  if (lowered == "a4") return QPageSize::A4;
  return std::nullopt;
}

QPageLayout PaperLayout(QPageSize::PageSizeId paper, platform::Orientation orientation) {
  return QPageLayout(QPageSize(paper),
                     orientation == platform::Orientation::Landscape ? QPageLayout::Landscape
                                                                     : QPageLayout::Portrait,
                     QMarginsF(0, 0, 0, 0));
}

MeasuringPage::MeasuringPage(QPageSize::PageSizeId paper, platform::Orientation orientation)
    : writer_(&buffer_) {
  buffer_.open(QIODevice::WriteOnly);
  writer_.setResolution(kMeasuringDotsPerInch);
  writer_.setPageLayout(PaperLayout(paper, orientation));
  painter_.begin(&writer_);
  canvas_.emplace(painter_);
}

results::ScheduleLayout ScheduleLayoutOnPaper(const results::PrintLook& look,
                                              QPageSize::PageSizeId paper) {
  MeasuringPage page(paper, look.setup.orientation);
  return results::ScheduleLayoutFor(page.canvas(), look);
}

}  // namespace tarvel::painting
