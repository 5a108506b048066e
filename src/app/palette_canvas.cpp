// Lines and texts are adapted as the lists adapt a row's text on its base; fills only trade
// white for the base.
#include "app/palette_canvas.h"

namespace tarvel::app {

platform::Colour PaletteCanvas::Ink(platform::Colour colour) const {
  return ui::InPalette({platform::kWhite, colour}, palette_).text;
}

platform::Colour PaletteCanvas::Fill(platform::Colour colour) const {
  return colour == platform::kWhite && palette_.Dark() ? palette_.base : colour;
}

platform::Pen PaletteCanvas::Shown(const platform::Pen& pen) const {
  platform::Pen shown = pen;
  shown.colour = Ink(pen.colour);
  return shown;
}

platform::Brush PaletteCanvas::Shown(const platform::Brush& brush) const {
  platform::Brush shown = brush;
  shown.colour = Fill(brush.colour);
  return shown;
}

void PaletteCanvas::DrawLine(platform::Point from, platform::Point to, const platform::Pen& pen) {
  target_.DrawLine(from, to, Shown(pen));
}

void PaletteCanvas::DrawPolyline(std::span<const platform::Point> points,
                                 const platform::Pen& pen) {
  target_.DrawPolyline(points, Shown(pen));
}

void PaletteCanvas::DrawRectangle(const platform::Rect& rect, const platform::Pen& pen,
                                  const platform::Brush& brush) {
  target_.DrawRectangle(rect, Shown(pen), Shown(brush));
}

void PaletteCanvas::DrawPolygon(std::span<const platform::Point> points, const platform::Pen& pen,
                                const platform::Brush& brush) {
  target_.DrawPolygon(points, Shown(pen), Shown(brush));
}

void PaletteCanvas::DrawEllipse(const platform::Rect& bounds, const platform::Pen& pen,
                                const platform::Brush& brush) {
  target_.DrawEllipse(bounds, Shown(pen), Shown(brush));
}

void PaletteCanvas::DrawPie(const platform::Rect& bounds, double start_radians, double end_radians,
                            const platform::Pen& pen, const platform::Brush& brush) {
  target_.DrawPie(bounds, start_radians, end_radians, Shown(pen), Shown(brush));
}

void PaletteCanvas::DrawText(platform::Point anchor, std::string_view text,
                             const platform::Font& font, const platform::TextStyle& style) {
  platform::TextStyle shown = style;
  shown.colour = Ink(style.colour);
  if (style.background) shown.background = Fill(*style.background);
  target_.DrawText(anchor, text, font, shown);
}

}  // namespace tarvel::app
