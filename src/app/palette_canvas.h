// Draws a chart made for white paper onto the screen in the desktop's palette: in a dark
// palette black lines and text take the palette's text colour, white fills its base, and other
// lines and texts keep their hue, lightened until they read on the base. Fills in colour are
// left as the chart chose them. In a light palette everything passes through unchanged.
#pragma once

#include "platform/canvas.h"
#include "ui/shell/band_colours.h"

namespace tarvel::app {

class PaletteCanvas : public platform::Canvas {
 public:
  PaletteCanvas(platform::Canvas& target, const ui::ListPalette& palette)
      : target_(target), palette_(palette) {}

  platform::Size DeviceSize() const override { return target_.DeviceSize(); }
  platform::Resolution PixelsPerInch() const override { return target_.PixelsPerInch(); }
  platform::TextMetrics Measure(const platform::Font& font) const override {
    return target_.Measure(font);
  }
  int TextWidth(const platform::Font& font, std::string_view text) const override {
    return target_.TextWidth(font, text);
  }

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
  void DrawImage(const platform::Rect& target, const std::string& path) override {
    target_.DrawImage(target, path);
  }
  void SetClip(const platform::Rect& rect) override { target_.SetClip(rect); }
  void ClearClip() override { target_.ClearClip(); }

 private:
  platform::Colour Ink(platform::Colour colour) const;
  platform::Colour Fill(platform::Colour colour) const;
  platform::Pen Shown(const platform::Pen& pen) const;
  platform::Brush Shown(const platform::Brush& brush) const;

  platform::Canvas& target_;
  ui::ListPalette palette_;
};

}  // namespace tarvel::app
