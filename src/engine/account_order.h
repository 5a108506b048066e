// Orders the account table by access order, the order in which outflows are funded.
#pragma once

#include "model/records.h"

namespace tarvel::engine {

// Stable sort of the first count accounts by their access-order texts, compared as bytes
// with letters folded to lower case (so "10" comes before "2").
void OrderAccountsByAccessOrder(model::Scenario& scenario);

}  // namespace tarvel::engine
