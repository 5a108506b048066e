// The results list's reset before the first shown row of a run.
#include "results/results_list.h"

namespace tarvel::results {

void ResultsList::Clear() {
  lines.clear();
  line_event.clear();
  age_line.fill(0);
}

}  // namespace tarvel::results
