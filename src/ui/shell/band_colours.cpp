// Banded rows in the desktop's palette: tones are changed in hue, saturation and lightness so
// a band keeps its hue, and contrast is measured by relative luminance.
#include "ui/shell/band_colours.h"

#include <algorithm>
#include <cmath>

#include "model/records.h"
#include "results/line_class.h"

namespace tarvel::ui {
namespace {

constexpr RgbColour kWhite = 0xFFFFFF;
constexpr RgbColour kBlack = 0x000000;
// How far a dark band's lightness sits above the base, and the step text is lightened by.
constexpr double kDarkBandLift = 0.10;
constexpr double kLightnessStep = 0.02;

struct Hsl {
  double hue = 0;  // 0 to 6, one unit per sixth of the colour circle
  double saturation = 0;
  double lightness = 0;
};

double Channel(RgbColour colour, int shift) { return ((colour >> shift) & 0xFF) / 255.0; }

double Linear(double channel) {
  return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
}

double Luminance(RgbColour colour) {
  return 0.2126 * Linear(Channel(colour, 0)) + 0.7152 * Linear(Channel(colour, 8)) +
         0.0722 * Linear(Channel(colour, 16));
}

Hsl ToHsl(RgbColour colour) {
  const double red = Channel(colour, 0);
  const double green = Channel(colour, 8);
  const double blue = Channel(colour, 16);
  const double high = std::max({red, green, blue});
  const double low = std::min({red, green, blue});
  Hsl hsl;
  hsl.lightness = (high + low) / 2;
  const double chroma = high - low;
  if (chroma <= 0) return hsl;
  hsl.saturation = chroma / (1 - std::abs(2 * hsl.lightness - 1));
  if (high == red) {
    hsl.hue = std::fmod((green - blue) / chroma + 6, 6);
  } else if (high == green) {
    hsl.hue = (blue - red) / chroma + 2;
  } else {
    hsl.hue = (red - green) / chroma + 4;
  }
  return hsl;
}

RgbColour FromHsl(const Hsl& hsl) {
  const double lightness = std::clamp(hsl.lightness, 0.0, 1.0);
  const double chroma = (1 - std::abs(2 * lightness - 1)) * std::clamp(hsl.saturation, 0.0, 1.0);
  const double second = chroma * (1 - std::abs(std::fmod(hsl.hue, 2) - 1));
  double red = 0, green = 0, blue = 0;
  switch (static_cast<int>(hsl.hue) % 6) {
    case 0:
      red = chroma, green = second;
      break;
    case 1:
      red = second, green = chroma;
      break;
    case 2:
      green = chroma, blue = second;
      break;
    case 3:
      green = second, blue = chroma;
      break;
    case 4:
      red = second, blue = chroma;
      break;
    default:
      red = chroma, blue = second;
      break;
  }
  const double low = lightness - chroma / 2;
  auto byte = [low](double channel) {
    return static_cast<RgbColour>(std::lround(std::clamp(channel + low, 0.0, 1.0) * 255));
  };
  return byte(red) | (byte(green) << 8) | (byte(blue) << 16);
}

// The band's hue at a tone a little above the base, darkened further while the text would
// not read on it.
RgbColour DarkBand(RgbColour band, const ListPalette& palette) {
  Hsl tone = ToHsl(band);
  tone.lightness = ToHsl(palette.base).lightness + kDarkBandLift;
  RgbColour shown = FromHsl(tone);
  while (ContrastRatio(shown, palette.text) < kReadableContrast && tone.lightness > 0) {
    tone.lightness -= kLightnessStep;
    shown = FromHsl(tone);
  }
  return shown;
}

// The text colour's hue, lightened on a dark background until it reads (white at the end).
RgbColour ReadableOnDark(RgbColour text, RgbColour background) {
  Hsl tone = ToHsl(text);
  RgbColour shown = text;
  while (ContrastRatio(shown, background) < kReadableContrast && tone.lightness < 1) {
    tone.lightness = std::min(1.0, tone.lightness + kLightnessStep);
    shown = FromHsl(tone);
  }
  return shown;
}

}  // namespace

double ContrastRatio(RgbColour first, RgbColour second) {
  const double a = Luminance(first);
  const double b = Luminance(second);
  return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}

RgbColour ScreenBandColour(std::uint32_t stored, const Keywords& keywords) {
  return BandingColour(stored == 0 ? model::kScrollBarColour : stored, keywords);
}

bool ListPalette::Dark() const { return Luminance(text) > Luminance(base); }

RowColours InPalette(const RowColours& light_look, const ListPalette& palette) {
  if (!palette.Dark()) return light_look;
  RowColours shown;
  shown.background =
      light_look.background == kWhite ? palette.base : DarkBand(light_look.background, palette);
  shown.text =
      light_look.text == kBlack ? palette.text : ReadableOnDark(light_look.text, shown.background);
  return shown;
}

}  // namespace tarvel::ui
