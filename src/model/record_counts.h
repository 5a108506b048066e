// The stored counts of events and accounts as loop bounds: a damaged file may hold any value,
// so each is kept within its table's capacity.
#pragma once

#include <algorithm>

#include "model/records.h"

namespace tarvel::model {

inline int EventCount(const Scenario& scenario) {
  return std::clamp<int>(scenario.initial.event_count, 0, kMaxEvents);
}

inline int AccountCount(const Scenario& scenario) {
  return std::clamp<int>(scenario.accounts.count, 0, kMaxAccounts);
}

}  // namespace tarvel::model
