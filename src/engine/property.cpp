// Property held through loans and mortgages: its yearly revaluation.
#include "engine/property.h"

namespace tarvel::engine {

// Property revaluation arrives with the debt events; until then no property changes value.
void RevalueProperty(model::Scenario&, Run&) {}

}  // namespace tarvel::engine
