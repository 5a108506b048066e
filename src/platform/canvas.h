// The drawing surface of graphs, report pages and print pages: a window, an image, a PDF
// or a printer page. Every call carries its own pen, brush or font, so nothing is selected.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>

namespace tarvel::platform {

// A colour reference 0x00BBGGRR, as the scenario stores its program colours.
using Colour = std::uint32_t;

constexpr Colour Rgb(std::uint8_t red, std::uint8_t green, std::uint8_t blue) {
  return static_cast<Colour>(red) | (static_cast<Colour>(green) << 8) |
         (static_cast<Colour>(blue) << 16);
}
constexpr std::uint8_t RedOf(Colour colour) { return colour & 0xFF; }
constexpr std::uint8_t GreenOf(Colour colour) { return (colour >> 8) & 0xFF; }
constexpr std::uint8_t BlueOf(Colour colour) { return (colour >> 16) & 0xFF; }

inline constexpr Colour kBlack = 0x000000;
inline constexpr Colour kWhite = 0xFFFFFF;

// Device coordinates: pixels (or printer dots), x to the right, y downwards.
struct Point {
  int x = 0;
  int y = 0;
  bool operator==(const Point&) const = default;
};

struct Size {
  int width = 0;
  int height = 0;
  bool operator==(const Size&) const = default;
};

// Left and top are inside; the outline of a drawn rectangle runs from (left, top) to
// (right, bottom). A rectangle with right <= left or bottom <= top is empty.
struct Rect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;

  int Width() const { return right - left; }
  int Height() const { return bottom - top; }
  bool Empty() const { return right <= left || bottom <= top; }
  bool operator==(const Rect&) const = default;
};

// Dots per inch in each direction (screens usually 96, printers 300 to 1200).
struct Resolution {
  int x = 96;
  int y = 96;
};

enum class PenStyle { Solid, Dash, Dot, DashDot, None };

struct Pen {
  PenStyle style = PenStyle::Solid;
  int width = 1;  // pixels; 0 and 1 both mean the thinnest line
  Colour colour = kBlack;

  static Pen Solid(Colour colour, int width = 1) { return Pen{PenStyle::Solid, width, colour}; }
  static Pen None() { return Pen{PenStyle::None, 0, kBlack}; }
  bool operator==(const Pen&) const = default;
};

enum class BrushStyle { Solid, Hollow };

struct Brush {
  BrushStyle style = BrushStyle::Hollow;
  Colour colour = kBlack;

  static Brush Solid(Colour colour) { return Brush{BrushStyle::Solid, colour}; }
  static Brush Hollow() { return Brush{BrushStyle::Hollow, kBlack}; }
  bool operator==(const Brush&) const = default;
};

inline constexpr int kNormalWeight = 400;
inline constexpr int kBoldWeight = 700;

// A font by face name and pixel height. As in the scenario's font records, a negative height
// asks for that character height, a positive one for that cell height; 0 a default size.
struct Font {
  std::string face = "Courier";
  int height = 16;
  int weight = kNormalWeight;  // 100 (thin) to 900 (black)
  bool italic = false;

  Font() = default;
  Font(std::string face_name, int pixel_height, int font_weight = kNormalWeight,
       bool is_italic = false)
      : face(std::move(face_name)), height(pixel_height), weight(font_weight), italic(is_italic) {}

  bool operator==(const Font&) const = default;
};

// Measurements of a font on this device.
struct TextMetrics {
  int height = 0;            // ascent + descent
  int external_leading = 0;  // extra space the font asks for between lines
  int average_char_width = 0;

  int LineHeight() const { return height + external_leading; }
};

enum class HorizontalAlign { Left, Centre, Right };
enum class VerticalAlign { Top, Baseline, Bottom };

// Where the anchor point of a text sits, its colour, and an optional opaque background
// filled behind the text's cell (without one the background stays as it was).
struct TextStyle {
  HorizontalAlign horizontal = HorizontalAlign::Left;
  VerticalAlign vertical = VerticalAlign::Top;
  Colour colour = kBlack;
  std::optional<Colour> background;
};

class Canvas {
 public:
  virtual ~Canvas() = default;

  // The drawable area in device pixels and the device's resolution.
  virtual Size DeviceSize() const = 0;
  virtual Resolution PixelsPerInch() const = 0;

  // Texts are single-byte Windows-1252, as records and run files hold them.
  virtual TextMetrics Measure(const Font& font) const = 0;
  virtual int TextWidth(const Font& font, std::string_view text) const = 0;

  virtual void DrawLine(Point from, Point to, const Pen& pen) = 0;
  // Connected segments through the points; fewer than two points draw nothing.
  virtual void DrawPolyline(std::span<const Point> points, const Pen& pen) = 0;
  virtual void DrawRectangle(const Rect& rect, const Pen& pen, const Brush& brush) = 0;
  // A closed shape through the points, filled with the brush and outlined with the pen.
  virtual void DrawPolygon(std::span<const Point> points, const Pen& pen, const Brush& brush) = 0;
  virtual void DrawEllipse(const Rect& bounds, const Pen& pen, const Brush& brush) = 0;
  // The slice of the ellipse in bounds from start to end angle, in radians from the
  // positive x axis, growing clockwise on the screen (towards +y).
  virtual void DrawPie(const Rect& bounds, double start_radians, double end_radians, const Pen& pen,
                       const Brush& brush) = 0;
  virtual void DrawText(Point anchor, std::string_view text, const Font& font,
                        const TextStyle& style) = 0;

  // The picture in an image file (PNG, or any format the device reads) stretched over
  // target. A file that is missing or cannot be read draws nothing; a device without
  // pictures draws nothing either.
  virtual void DrawImage(const Rect& target, const std::string& path) {
    (void)target;
    (void)path;
  }

  // Later drawing stays inside rect until the clip is cleared.
  virtual void SetClip(const Rect& rect) = 0;
  virtual void ClearClip() = 0;
};

}  // namespace tarvel::platform
