// Status-bar hints of the graph pages.
#include "graphs/page_hint.h"

#include "model/money_format.h"

namespace tarvel::graphs {

std::string PageHint(const GraphPageState& state) {
  if (state.InBreakdown()) {
    return "Point at a slice for its amount. Double-click to return to the graph.";
  }
  const std::string gestures =
      "Click: values at an age. Drag or wheel: zoom. Double-click: pie. Right-click: menu.";
  if (!state.view().zoomed) return gestures;
  const engine::AgeRange ages = state.ZoomAgeRange();
  return model::Format("Ages %d to %d. ", static_cast<int>(ages.first),
                       static_cast<int>(ages.last)) +
         gestures;
}

}  // namespace tarvel::graphs
