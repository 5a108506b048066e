// Canvas calls as QPainter calls. Colours are 0x00BBGGRR; angles run clockwise on the screen.
#include "painting/qt_canvas.h"

#include <QFontMetrics>
#include <QImage>
#include <QPaintDevice>
#include <QPolygon>
#include <cmath>
#include <numbers>

#include "painting/text_1252.h"

namespace tarvel::painting {
namespace {

constexpr int kDefaultPixelHeight = 13;

Qt::PenStyle StyleOf(platform::PenStyle style) {
  switch (style) {
    case platform::PenStyle::Dash:
      return Qt::DashLine;
    case platform::PenStyle::Dot:
      return Qt::DotLine;
    case platform::PenStyle::DashDot:
      return Qt::DashDotLine;
    case platform::PenStyle::None:
      return Qt::NoPen;
    case platform::PenStyle::Solid:
      break;
  }
  return Qt::SolidLine;
}

QRect RectOf(const platform::Rect& rect) {
  return QRect(QPoint(rect.left, rect.top), QPoint(rect.right - 1, rect.bottom - 1));
}

QPolygon PolygonOf(std::span<const platform::Point> points) {
  QPolygon polygon;
  for (const platform::Point& point : points) polygon << QPoint(point.x, point.y);
  return polygon;
}

// Qt counts sixteenths of a degree, anticlockwise.
int SixteenthsOf(double radians) {
  return static_cast<int>(std::lround(-radians * 180.0 / std::numbers::pi * 16.0));
}

}  // namespace

QColor ColourOf(platform::Colour colour) {
  return QColor(platform::RedOf(colour), platform::GreenOf(colour), platform::BlueOf(colour));
}

QFont QtCanvas::FontOf(const platform::Font& font) const {
  QFont result(QString::fromStdString(font.face));
  const int height = font.height == 0 ? kDefaultPixelHeight : std::abs(font.height);
  result.setPixelSize(std::max(1, height));
  result.setWeight(static_cast<QFont::Weight>(std::clamp(font.weight, 100, 900)));
  result.setItalic(font.italic);
  return result;
}

void QtCanvas::Use(const platform::Pen& pen, const platform::Brush& brush) {
  QPen qt_pen(ColourOf(pen.colour));
  qt_pen.setStyle(StyleOf(pen.style));
  qt_pen.setWidth(std::max(pen.width, 0));
  painter_.setPen(qt_pen);
  if (brush.style == platform::BrushStyle::Solid) {
    painter_.setBrush(ColourOf(brush.colour));
  } else {
    painter_.setBrush(Qt::NoBrush);
  }
}

platform::Size QtCanvas::DeviceSize() const {
  const QPaintDevice* device = painter_.device();
  return device == nullptr ? platform::Size{} : platform::Size{device->width(), device->height()};
}

platform::Resolution QtCanvas::PixelsPerInch() const {
  const QPaintDevice* device = painter_.device();
  if (device == nullptr) return {};
  return {device->logicalDpiX(), device->logicalDpiY()};
}

platform::TextMetrics QtCanvas::Measure(const platform::Font& font) const {
  const QFontMetrics metrics(FontOf(font), painter_.device());
  return {metrics.height(), std::max(metrics.leading(), 0), metrics.averageCharWidth()};
}

int QtCanvas::TextWidth(const platform::Font& font, std::string_view text) const {
  const QFontMetrics metrics(FontOf(font), painter_.device());
  return metrics.horizontalAdvance(FromWindows1252(text));
}

void QtCanvas::DrawLine(platform::Point from, platform::Point to, const platform::Pen& pen) {
  Use(pen, platform::Brush::Hollow());
  painter_.drawLine(from.x, from.y, to.x, to.y);
}

void QtCanvas::DrawPolyline(std::span<const platform::Point> points, const platform::Pen& pen) {
  if (points.size() < 2) return;
  Use(pen, platform::Brush::Hollow());
  painter_.drawPolyline(PolygonOf(points));
}

void QtCanvas::DrawRectangle(const platform::Rect& rect, const platform::Pen& pen,
                             const platform::Brush& brush) {
  if (rect.Empty()) return;
  Use(pen, brush);
  painter_.drawRect(RectOf(rect));
}

void QtCanvas::DrawPolygon(std::span<const platform::Point> points, const platform::Pen& pen,
                           const platform::Brush& brush) {
  if (points.size() < 2) return;
  Use(pen, brush);
  painter_.drawPolygon(PolygonOf(points));
}

void QtCanvas::DrawEllipse(const platform::Rect& bounds, const platform::Pen& pen,
                           const platform::Brush& brush) {
  if (bounds.Empty()) return;
  Use(pen, brush);
  painter_.drawEllipse(RectOf(bounds));
}

void QtCanvas::DrawPie(const platform::Rect& bounds, double start_radians, double end_radians,
                       const platform::Pen& pen, const platform::Brush& brush) {
  if (bounds.Empty()) return;
  double sweep = end_radians - start_radians;
  if (sweep < 0) sweep += 2 * std::numbers::pi;
  Use(pen, brush);
  painter_.drawPie(RectOf(bounds), SixteenthsOf(start_radians), SixteenthsOf(sweep));
}

void QtCanvas::DrawText(platform::Point anchor, std::string_view text, const platform::Font& font,
                        const platform::TextStyle& style) {
  const QFont qt_font = FontOf(font);
  const QFontMetrics metrics(qt_font, painter_.device());
  const QString shown = FromWindows1252(text);
  const int width = metrics.horizontalAdvance(shown);
  int left = anchor.x;
  if (style.horizontal == platform::HorizontalAlign::Centre) left -= width / 2;
  if (style.horizontal == platform::HorizontalAlign::Right) left -= width;
  int top = anchor.y;
  if (style.vertical == platform::VerticalAlign::Baseline) top -= metrics.ascent();
  if (style.vertical == platform::VerticalAlign::Bottom) top -= metrics.height();
  if (style.background) {
    painter_.fillRect(QRect(left, top, width, metrics.height()), ColourOf(*style.background));
  }
  painter_.setFont(qt_font);
  painter_.setPen(ColourOf(style.colour));
  painter_.drawText(QPoint(left, top + metrics.ascent()), shown);
}

void QtCanvas::DrawImage(const platform::Rect& target, const std::string& path) {
  if (target.Empty() || path.empty()) return;
  const QImage image(QString::fromStdString(path));
  if (image.isNull()) return;
  painter_.drawImage(QRect(target.left, target.top, target.Width(), target.Height()), image);
}

void QtCanvas::SetClip(const platform::Rect& rect) {
  painter_.setClipRect(QRect(rect.left, rect.top, rect.Width(), rect.Height()));
}

void QtCanvas::ClearClip() { painter_.setClipping(false); }

}  // namespace tarvel::painting
