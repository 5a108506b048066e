// The drawing surface of graphs, report pages and print pages on a QPainter: a widget, an
// image, a PDF file or a printer page.
#pragma once

#include <QPainter>

#include "platform/canvas.h"

namespace tarvel::painting {

class QtCanvas : public platform::Canvas {
 public:
  // The painter must be active on its device for as long as the canvas is used.
  explicit QtCanvas(QPainter& painter) : painter_(painter) {}

  platform::Size DeviceSize() const override;
  platform::Resolution PixelsPerInch() const override;
  platform::TextMetrics Measure(const platform::Font& font) const override;
  int TextWidth(const platform::Font& font, std::string_view text) const override;

  void DrawLine(platform::Point from, platform::Point to, const platform::Pen& pen) override;
  void DrawPolyline(std::span<const platform::Point> points, const platform::Pen& pen) override;
  void DrawRectangle(const platform::Rect& rect, const platform::Pen& pen,
                     const platform::Brush& brush) override;
  void DrawPolygon(std::span<const platform::Point> points, const platform::Pen& pen,
                   const platform::Brush& brush) override;
  void DrawEllipse(const platform::Rect& bounds, const platform::Pen& pen,
                   const platform::Brush& brush) override;
  void DrawPie(const platform::Rect& bounds, double start_radians, double end_radians,
               const platform::Pen& pen, const platform::Brush& brush) override;
  void DrawText(platform::Point anchor, std::string_view text, const platform::Font& font,
                const platform::TextStyle& style) override;
  void DrawImage(const platform::Rect& target, const std::string& path) override;
  void SetClip(const platform::Rect& rect) override;
  void ClearClip() override;

 private:
  QFont FontOf(const platform::Font& font) const;
  void Use(const platform::Pen& pen, const platform::Brush& brush);

  QPainter& painter_;
};

QColor ColourOf(platform::Colour colour);

}  // namespace tarvel::painting
