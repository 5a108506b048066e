// Orders the account table by access order, the order in which outflows are funded.
#pragma once

#include <string_view>

#include "model/records.h"

namespace tarvel::engine {

// Whether one access-order text comes before another: compared as bytes with letters folded
// to lower case (so "10" comes before "2").
bool AccessOrderLess(std::string_view left, std::string_view right);

// Stable sort of the first count accounts by their access-order texts, compared as bytes
// with letters folded to lower case (so "10" comes before "2").
void OrderAccountsByAccessOrder(model::Scenario& scenario);

}  // namespace tarvel::engine
