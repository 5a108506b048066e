// Chart colours in the desktop's palette: a dark palette keeps every colour's hue and changes
// only its lightness, by the rule the banded lists use.
#include "graphs/chart_scheme.h"

#include <algorithm>

#include "model/colour_tones.h"

namespace tarvel::graphs {
namespace {

// A grid fainter than the series, yet plain to see on the background.
constexpr double kGridContrast = 2.0;
// How far above the background's lightness the lit edges of boxes are.
constexpr double kHighlightLift = 0.25;

}  // namespace

bool ChartScheme::Dark() const { return model::LighterThan(ink, background); }

platform::TextStyle ChartScheme::Text(platform::HorizontalAlign horizontal,
                                      platform::VerticalAlign vertical) const {
  platform::TextStyle style;
  style.horizontal = horizontal;
  style.vertical = vertical;
  style.colour = ink;
  return style;
}

ChartScheme ScreenScheme(platform::Colour background, platform::Colour text) {
  if (!model::LighterThan(text, background)) return ChartScheme{};
  const double lit = std::min(1.0, model::Lightness(background) + kHighlightLift);
  return ChartScheme{background, text, model::WithLightness(background, lit)};
}

Palette InScheme(const Palette& palette, const ChartScheme& scheme) {
  if (!scheme.Dark()) return palette;
  Palette shown = palette;
  const platform::Colour background = scheme.background;
  for (int entry = 1; entry <= kSeriesColourCount; ++entry) {
    shown.colours[entry] =
        model::LightenedUntil(palette.colours[entry], background, model::kVisibleContrast);
  }
  shown.colours[kGridEntry] = model::LightenedUntil(palette.Grid(), background, kGridContrast);
  shown.colours[kRedFlagEntry] =
      model::LightenedUntil(palette.RedFlag(), background, model::kReadableContrast);
  return shown;
}

}  // namespace tarvel::graphs
