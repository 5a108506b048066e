// Banded rows in the desktop's palette: tones are changed in hue, saturation and lightness so
// a band keeps its hue, and contrast is measured by relative luminance.
#include "ui/shell/band_colours.h"

#include "model/colour_tones.h"
#include "model/records.h"
#include "results/line_class.h"

namespace tarvel::ui {
namespace {

constexpr RgbColour kWhite = 0xFFFFFF;
constexpr RgbColour kBlack = 0x000000;
// How far a dark band's lightness sits above the base, and the step it is darkened by.
constexpr double kDarkBandLift = 0.10;
constexpr double kLightnessStep = 0.02;

// The band's hue at a tone a little above the base, darkened further while the text would
// not read on it.
RgbColour DarkBand(RgbColour band, const ListPalette& palette) {
  double lightness = model::Lightness(palette.base) + kDarkBandLift;
  RgbColour shown = model::WithLightness(band, lightness);
  while (ContrastRatio(shown, palette.text) < kReadableContrast && lightness > 0) {
    lightness -= kLightnessStep;
    shown = model::WithLightness(band, lightness);
  }
  return shown;
}

}  // namespace

RgbColour ScreenBandColour(std::uint32_t stored, const Keywords& keywords) {
  return BandingColour(stored == 0 ? model::kScrollBarColour : stored, keywords);
}

bool ListPalette::Dark() const { return model::LighterThan(text, base); }

RowColours InPalette(const RowColours& light_look, const ListPalette& palette) {
  if (!palette.Dark()) return light_look;
  RowColours shown;
  shown.background =
      light_look.background == kWhite ? palette.base : DarkBand(light_look.background, palette);
  shown.text = light_look.text == kBlack
                   ? palette.text
                   : model::LightenedUntil(light_look.text, shown.background, kReadableContrast);
  return shown;
}

}  // namespace tarvel::ui
