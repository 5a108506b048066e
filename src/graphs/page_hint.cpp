// Status-bar hints of the graph pages.
#include "graphs/page_hint.h"

#include "model/money_format.h"

namespace tarvel::graphs {

std::string PageHint(const GraphPageState& state) {
  if (state.InBreakdown()) {
    return "Point at a slice for its amount. Double-click to return to the graph.";
  }
  const std::string gestures =
      "Click for the values at an age. Drag across ages or turn the wheel to zoom. "
      "Double-click for a pie. Right-click for more.";
  if (!state.view().zoomed) return gestures;
  const engine::AgeRange ages = state.ZoomAgeRange();
  return model::Format("Ages %d to %d shown (right-click, Reset Zoom for all). ",
                       static_cast<int>(ages.first), static_cast<int>(ages.last)) +
         gestures;
}

}  // namespace tarvel::graphs
