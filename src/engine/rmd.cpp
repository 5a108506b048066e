// Required minimum distributions out of the accounts assigned to a life-expectancy table.
#include "engine/rmd.h"

namespace tarvel::engine {

// Minimum distributions are not simulated yet: the year leaves the run unchanged.
void RequiredDistributionStep(model::Scenario&, Run&, int) {}

}  // namespace tarvel::engine
