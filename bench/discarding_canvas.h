// A canvas that draws nothing and only counts the drawing calls, with fixed text metrics, so
// a benchmark measures only the graphs' own work.
#pragma once

#include <span>
#include <string_view>

#include "platform/canvas.h"

namespace tarvel::bench {

class DiscardingCanvas : public platform::Canvas {
 public:
  platform::Size DeviceSize() const override { return {1200, 800}; }
  platform::Resolution PixelsPerInch() const override { return {}; }
  platform::TextMetrics Measure(const platform::Font&) const override { return {14, 2, 7}; }
  int TextWidth(const platform::Font&, std::string_view text) const override {
    return static_cast<int>(text.size()) * 7;
  }
  void DrawLine(platform::Point, platform::Point, const platform::Pen&) override { ++calls; }
  void DrawPolyline(std::span<const platform::Point>, const platform::Pen&) override { ++calls; }
  void DrawRectangle(const platform::Rect&, const platform::Pen&, const platform::Brush&) override {
    ++calls;
  }
  void DrawPolygon(std::span<const platform::Point>, const platform::Pen&,
                   const platform::Brush&) override {
    ++calls;
  }
  void DrawEllipse(const platform::Rect&, const platform::Pen&, const platform::Brush&) override {
    ++calls;
  }
  void DrawPie(const platform::Rect&, double, double, const platform::Pen&,
               const platform::Brush&) override {
    ++calls;
  }
  void DrawText(platform::Point, std::string_view, const platform::Font&,
                const platform::TextStyle&) override {
    ++calls;
  }
  void SetClip(const platform::Rect&) override {}
  void ClearClip() override {}

  long calls = 0;
};

}  // namespace tarvel::bench
