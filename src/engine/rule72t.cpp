// Rule 72T distributions: the yearly amount of each Rule 72T transfer.
#include "engine/rule72t.h"

namespace tarvel::engine {

// The distribution methods arrive with the minimum-distribution work; until then a Rule 72T
// transfer moves the amount stored in its event.
void ComputeRule72TAmounts(model::Scenario&, Run&) {}

}  // namespace tarvel::engine
