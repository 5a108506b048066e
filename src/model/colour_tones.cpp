// Colour tones in hue, saturation and lightness, so a colour moved in tone keeps its hue;
// contrast by relative luminance.
#include "model/colour_tones.h"

#include <algorithm>
#include <cmath>

namespace tarvel::model {
namespace {

constexpr double kLightnessStep = 0.02;

struct Hsl {
  double hue = 0;  // 0 to 6, one unit per sixth of the colour circle
  double saturation = 0;
  double lightness = 0;
};

double Channel(Colour colour, int shift) { return ((colour >> shift) & 0xFF) / 255.0; }

double Linear(double channel) {
  return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
}

double Luminance(Colour colour) {
  return 0.2126 * Linear(Channel(colour, 0)) + 0.7152 * Linear(Channel(colour, 8)) +
         0.0722 * Linear(Channel(colour, 16));
}

Hsl ToHsl(Colour colour) {
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

Colour FromHsl(const Hsl& hsl) {
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
    return static_cast<Colour>(std::lround(std::clamp(channel + low, 0.0, 1.0) * 255));
  };
  return byte(red) | (byte(green) << 8) | (byte(blue) << 16);
}

}  // namespace

double ContrastRatio(Colour first, Colour second) {
  const double a = Luminance(first);
  const double b = Luminance(second);
  return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}

bool LighterThan(Colour first, Colour second) { return Luminance(first) > Luminance(second); }

double Lightness(Colour colour) { return ToHsl(colour).lightness; }

Colour WithLightness(Colour colour, double lightness) {
  Hsl tone = ToHsl(colour);
  tone.lightness = lightness;
  return FromHsl(tone);
}

Colour LightenedUntil(Colour colour, Colour background, double contrast) {
  Hsl tone = ToHsl(colour);
  Colour shown = colour;
  while (ContrastRatio(shown, background) < contrast && tone.lightness < 1) {
    tone.lightness = std::min(1.0, tone.lightness + kLightnessStep);
    shown = FromHsl(tone);
  }
  return shown;
}

}  // namespace tarvel::model
