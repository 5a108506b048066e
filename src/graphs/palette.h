// The graph colours: the scenario's 16 program colours and the roles the graphs give them.
#pragma once

#include <array>

#include "model/records.h"
#include "platform/canvas.h"

namespace tarvel::graphs {

inline constexpr int kSeriesColourCount = 12;  // entries 1 to 12
inline constexpr int kGridEntry = 13;
inline constexpr int kRedFlagEntry = 14;
inline constexpr int kBandEntry = 15;

struct Palette {
  std::array<platform::Colour, model::kColourCount> colours = model::kDefaultColours;

  static Palette FromProgramColours(const model::ProgramColours& program) {
    return Palette{program.colours};
  }

  // Series k (0-based) is drawn in entry k + 1; series beyond the twelfth start again at 1.
  platform::Colour Series(int position) const;
  // A palette entry by number (0 to 15); numbers outside wrap onto the series colours.
  platform::Colour Entry(int entry) const;
  // Grid lines, box shading and shadows.
  platform::Colour Grid() const { return colours[kGridEntry]; }
  platform::Colour RedFlag() const { return colours[kRedFlagEntry]; }
  platform::Colour Band() const { return colours[kBandEntry]; }
};

}  // namespace tarvel::graphs
