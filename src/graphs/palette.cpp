// Palette roles: series colours, grid and shading, red flags, banding.
#include "graphs/palette.h"

namespace tarvel::graphs {

platform::Colour Palette::Series(int position) const {
  if (position < 0) position = 0;
  return colours[position % kSeriesColourCount + 1];
}

platform::Colour Palette::Entry(int entry) const {
  if (entry >= 0 && entry < model::kColourCount) return colours[entry];
  return Series(entry < 0 ? 0 : entry - 1);
}

}  // namespace tarvel::graphs
