// PNG through QImage, SVG through QSvgGenerator and PDF through QPdfWriter, all painted with
// the planner's QtCanvas. A QGuiApplication on the offscreen platform is made when the
// program has none, so images can be written on machines without a display.
#include "cli/image_writer.h"

#include <QBuffer>
#include <QGuiApplication>
#include <QImage>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgGenerator>
#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <memory>

#include "model/atomic_file.h"
#include "painting/qt_canvas.h"

namespace tarvel::cli {
namespace {

constexpr int kScreenDpi = 96;

// Qt's notes about its own environment (a missing runtime folder, fonts) mean nothing to
// someone drawing a graph from a script; only its errors are passed on.
void KeepOnlyErrors(QtMsgType type, const QMessageLogContext&, const QString& message) {
  if (type == QtCriticalMsg || type == QtFatalMsg) {
    std::fprintf(stderr, "tarvel: %s\n", message.toLocal8Bit().constData());
  }
}

}  // namespace

GuiScope::GuiScope() {
  if (QGuiApplication::instance() != nullptr) return;
  if (std::getenv("QT_QPA_PLATFORM") == nullptr) qputenv("QT_QPA_PLATFORM", "offscreen");
  qInstallMessageHandler(KeepOnlyErrors);
  app_ = std::make_unique<QGuiApplication>(argc_, argv_);
}

GuiScope::~GuiScope() = default;

namespace {

bool Paint(QPaintDevice& device, const std::function<void(platform::Canvas&)>& paint) {
  QPainter painter;
  if (!painter.begin(&device)) return false;
  painter.setRenderHint(QPainter::Antialiasing, true);
  painter.setRenderHint(QPainter::TextAntialiasing, true);
  painting::QtCanvas canvas(painter);
  paint(canvas);
  return painter.end();
}

}  // namespace

bool ImageFormatOf(const std::string& path, ImageFormat& format) {
  const std::size_t dot = path.rfind('.');
  if (dot == std::string::npos) return false;
  std::string extension = path.substr(dot + 1);
  std::transform(extension.begin(), extension.end(), extension.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  if (extension == "png") {
    format = ImageFormat::Png;
  } else if (extension == "svg") {
    format = ImageFormat::Svg;
  } else if (extension == "pdf") {
    format = ImageFormat::Pdf;
  } else {
    return false;
  }
  return true;
}

// The image is made in memory and written whole through a temporary file beside the target,
// so a kill or a full disk never leaves a broken image in its place.
bool WriteImage(const std::string& path, ImageFormat format, platform::Size size,
                const std::function<void(platform::Canvas&)>& paint, std::string& error) {
  GuiScope gui;
  QBuffer file;
  file.open(QIODevice::WriteOnly);
  const QSize pixels(size.width, size.height);
  bool painted = false;
  switch (format) {
    case ImageFormat::Png: {
      QImage image(pixels, QImage::Format_ARGB32_Premultiplied);
      image.fill(Qt::white);
      painted = Paint(image, paint) && image.save(&file, "PNG");
      break;
    }
    case ImageFormat::Svg: {
      QSvgGenerator svg;
      svg.setOutputDevice(&file);
      svg.setSize(pixels);
      svg.setViewBox(QRect(QPoint(0, 0), pixels));
      svg.setResolution(kScreenDpi);
      svg.setTitle("Tarvel Financial Planner graph");
      painted = Paint(svg, paint);
      break;
    }
    case ImageFormat::Pdf: {
      QPdfWriter pdf(&file);
      pdf.setResolution(kScreenDpi);
      const QSizeF points(size.width * 72.0 / kScreenDpi, size.height * 72.0 / kScreenDpi);
      pdf.setPageSize(QPageSize(points, QPageSize::Point));
      pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
      pdf.setTitle("Tarvel Financial Planner graph");
      painted = Paint(pdf, paint);
      break;
    }
  }
  if (!painted || file.data().isEmpty()) {
    error = "Cannot draw " + path + ".";
    return false;
  }
  const QByteArray& bytes = file.data();
  std::error_code reason;
  if (!model::WriteFileAtomically(path, std::string_view(bytes.constData(), bytes.size()),
                                  reason)) {
    error = model::CannotWriteMessage(path, reason);
    return false;
  }
  return true;
}

}  // namespace tarvel::cli
