// PNG through QImage, SVG through QSvgGenerator and PDF through QPdfWriter, all painted with
// the planner's QtCanvas. A QGuiApplication on the offscreen platform is made when the
// program has none, so images can be written on machines without a display.
#include "cli/image_writer.h"

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
#include <filesystem>
#include <memory>

#include "painting/output_file.h"
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

bool WriteImage(const std::string& path, ImageFormat format, platform::Size size,
                const std::function<void(platform::Canvas&)>& paint, std::string& error) {
  GuiScope gui;
  std::string reason;
  const std::unique_ptr<QFile> file = painting::OpenOutputFile(path, reason);
  if (!file) {
    error = "Cannot write " + path + ": " + reason + ".";
    return false;
  }
  const QSize pixels(size.width, size.height);
  bool painted = false;
  switch (format) {
    case ImageFormat::Png: {
      QImage image(pixels, QImage::Format_ARGB32_Premultiplied);
      image.fill(Qt::white);
      painted = Paint(image, paint) && image.save(file.get(), "PNG");
      break;
    }
    case ImageFormat::Svg: {
      QSvgGenerator svg;
      svg.setOutputDevice(file.get());
      svg.setSize(pixels);
      svg.setViewBox(QRect(QPoint(0, 0), pixels));
      svg.setResolution(kScreenDpi);
      svg.setTitle("Tarvel Financial Planner graph");
      painted = Paint(svg, paint);
      break;
    }
    case ImageFormat::Pdf: {
      QPdfWriter pdf(file.get());
      pdf.setResolution(kScreenDpi);
      const QSizeF points(size.width * 72.0 / kScreenDpi, size.height * 72.0 / kScreenDpi);
      pdf.setPageSize(QPageSize(points, QPageSize::Point));
      pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
      pdf.setTitle("Tarvel Financial Planner graph");
      painted = Paint(pdf, paint);
      break;
    }
  }
  painted = painted && file->flush() && file->error() == QFileDevice::NoError && file->size() > 0;
  if (!painted) error = "Cannot write " + path + ": " + painting::WriteFailureReason(*file) + ".";
  return painted;
}

}  // namespace tarvel::cli
