// A canvas for tests: logs every drawing call as one line of text and measures text with
// fixed metrics (line height 16, every character 7 pixels wide).
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "platform/canvas.h"

namespace tarvel::test_support {

// Log lines, colours as six hex digits of the 0x00BBGGRR reference:
//   line 10,20 30,40 pen=solid/2/000000
//   polyline 10,20 30,40 50,60 pen=solid/2/ff0000
//   rect 10,20,30,40 pen=solid/1/000000 brush=solid/646464   (brush=hollow when hollow)
//   polygon 1,2 3,4 5,6 pen=... brush=...
//   ellipse 10,20,30,40 pen=... brush=...
//   pie 10,20,30,40 0.000-1.571 pen=... brush=...
//   font Tms Rmn/12/700            (logged when a text uses a different font than before)
//   text 10,20 left/top 000000 "Net Worth"      (then bg=ffffff when opaque)
//   image 10,20,30,40 logo.png     (the file name without its folder)
//   clip 10,20,30,40 / noclip
class RecordingCanvas : public platform::Canvas {
 public:
  static constexpr int kCharHeight = 14;
  static constexpr int kExternalLeading = 2;
  static constexpr int kLineHeight = kCharHeight + kExternalLeading;
  static constexpr int kCharWidth = 7;

  explicit RecordingCanvas(platform::Size size = {800, 600},
                           platform::Resolution resolution = {96, 96})
      : size_(size), resolution_(resolution) {}

  platform::Size DeviceSize() const override { return size_; }
  platform::Resolution PixelsPerInch() const override { return resolution_; }
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

  const std::vector<std::string>& lines() const { return lines_; }
  // The log lines that start with prefix ("line ", "text ", "rect "...).
  std::vector<std::string> LinesStartingWith(std::string_view prefix) const;
  // The texts drawn, in order, without positions.
  std::vector<std::string> Texts() const;
  // The whole log, one call a line, for failure messages.
  std::string Dump() const;
  void Clear();

 private:
  void Log(std::string line) { lines_.push_back(std::move(line)); }

  platform::Size size_;
  platform::Resolution resolution_;
  std::optional<platform::Font> last_font_;
  std::vector<std::string> lines_;
  std::vector<std::string> texts_;
};

std::string DescribePen(const platform::Pen& pen);
std::string DescribeBrush(const platform::Brush& brush);
std::string DescribeColour(platform::Colour colour);

}  // namespace tarvel::test_support
