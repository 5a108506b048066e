// Text log of drawing calls with fixed font metrics, so graph tests can state geometry exactly.

#include "support/recording_canvas.h"

#include <cstdio>

namespace tarvel::test_support {
namespace {

std::string PointText(platform::Point point) {
  return std::to_string(point.x) + "," + std::to_string(point.y);
}

std::string RectText(const platform::Rect& rect) {
  return std::to_string(rect.left) + "," + std::to_string(rect.top) + "," +
         std::to_string(rect.right) + "," + std::to_string(rect.bottom);
}

std::string PointsText(std::span<const platform::Point> points) {
  std::string text;
  for (const platform::Point& point : points) {
    text += PointText(point);
    text += ' ';
  }
  return text;
}

const char* StyleName(platform::PenStyle style) {
  switch (style) {
    case platform::PenStyle::Solid:
      return "solid";
    case platform::PenStyle::Dash:
      return "dash";
    case platform::PenStyle::Dot:
      return "dot";
    case platform::PenStyle::DashDot:
      return "dashdot";
    case platform::PenStyle::None:
      return "none";
  }
  return "?";
}

const char* AlignName(platform::HorizontalAlign align) {
  switch (align) {
    case platform::HorizontalAlign::Left:
      return "left";
    case platform::HorizontalAlign::Centre:
      return "centre";
    case platform::HorizontalAlign::Right:
      return "right";
  }
  return "?";
}

const char* AlignName(platform::VerticalAlign align) {
  switch (align) {
    case platform::VerticalAlign::Top:
      return "top";
    case platform::VerticalAlign::Baseline:
      return "baseline";
    case platform::VerticalAlign::Bottom:
      return "bottom";
  }
  return "?";
}

}  // namespace

std::string DescribeColour(platform::Colour colour) {
  char text[16];
  std::snprintf(text, sizeof text, "%06x", static_cast<unsigned>(colour & 0xFFFFFF));
  return text;
}

std::string DescribePen(const platform::Pen& pen) {
  return std::string("pen=") + StyleName(pen.style) + "/" + std::to_string(pen.width) + "/" +
         DescribeColour(pen.colour);
}

std::string DescribeBrush(const platform::Brush& brush) {
  if (brush.style == platform::BrushStyle::Hollow) return "brush=hollow";
  return "brush=solid/" + DescribeColour(brush.colour);
}

platform::TextMetrics RecordingCanvas::Measure(const platform::Font&) const {
  return platform::TextMetrics{kCharHeight, kExternalLeading, kCharWidth};
}

int RecordingCanvas::TextWidth(const platform::Font&, std::string_view text) const {
  return static_cast<int>(text.size()) * kCharWidth;
}

void RecordingCanvas::DrawLine(platform::Point from, platform::Point to, const platform::Pen& pen) {
  Log("line " + PointText(from) + " " + PointText(to) + " " + DescribePen(pen));
}

void RecordingCanvas::DrawPolyline(std::span<const platform::Point> points,
                                   const platform::Pen& pen) {
  Log("polyline " + PointsText(points) + DescribePen(pen));
}

void RecordingCanvas::DrawRectangle(const platform::Rect& rect, const platform::Pen& pen,
                                    const platform::Brush& brush) {
  Log("rect " + RectText(rect) + " " + DescribePen(pen) + " " + DescribeBrush(brush));
}

void RecordingCanvas::DrawPolygon(std::span<const platform::Point> points, const platform::Pen& pen,
                                  const platform::Brush& brush) {
  Log("polygon " + PointsText(points) + DescribePen(pen) + " " + DescribeBrush(brush));
}

void RecordingCanvas::DrawEllipse(const platform::Rect& bounds, const platform::Pen& pen,
                                  const platform::Brush& brush) {
  Log("ellipse " + RectText(bounds) + " " + DescribePen(pen) + " " + DescribeBrush(brush));
}

void RecordingCanvas::DrawPie(const platform::Rect& bounds, double start_radians,
                              double end_radians, const platform::Pen& pen,
                              const platform::Brush& brush) {
  char angles[64];
  std::snprintf(angles, sizeof angles, "%.3f-%.3f", start_radians, end_radians);
  Log("pie " + RectText(bounds) + " " + angles + " " + DescribePen(pen) + " " +
      DescribeBrush(brush));
}

void RecordingCanvas::DrawText(platform::Point anchor, std::string_view text,
                               const platform::Font& font, const platform::TextStyle& style) {
  if (!last_font_ || !(*last_font_ == font)) {
    Log("font " + font.face + "/" + std::to_string(font.height) + "/" +
        std::to_string(font.weight) + (font.italic ? "/italic" : ""));
    last_font_ = font;
  }
  std::string line = "text " + PointText(anchor) + " " + AlignName(style.horizontal) + "/" +
                     AlignName(style.vertical) + " " + DescribeColour(style.colour) + " \"" +
                     std::string(text) + "\"";
  if (style.background) line += " bg=" + DescribeColour(*style.background);
  Log(std::move(line));
  texts_.emplace_back(text);
}

void RecordingCanvas::DrawImage(const platform::Rect& target, const std::string& path) {
  const std::size_t slash = path.find_last_of('/');
  Log("image " + RectText(target) + " " +
      (slash == std::string::npos ? path : path.substr(slash + 1)));
}

void RecordingCanvas::SetClip(const platform::Rect& rect) { Log("clip " + RectText(rect)); }

void RecordingCanvas::ClearClip() { Log("noclip"); }

std::vector<std::string> RecordingCanvas::LinesStartingWith(std::string_view prefix) const {
  std::vector<std::string> found;
  for (const std::string& line : lines_) {
    if (std::string_view(line).starts_with(prefix)) found.push_back(line);
  }
  return found;
}

std::vector<std::string> RecordingCanvas::Texts() const { return texts_; }

std::string RecordingCanvas::Dump() const {
  std::string all;
  for (const std::string& line : lines_) all += line + "\n";
  return all;
}

void RecordingCanvas::Clear() {
  lines_.clear();
  texts_.clear();
  last_font_.reset();
}

}  // namespace tarvel::test_support
