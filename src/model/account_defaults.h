// What an account starts with when nobody has typed its values (an account made from an
// imported report): the scenario's rate for its type and an access order no account holds.
#pragma once

#include <string>

#include "model/records.h"

namespace tarvel::model {

// The average effective yearly rate of the scenario's accounts of this type, as the Initial
// Values dialog shows it; with no such account, a cleared scenario's rate for the type (9 %
// investment and retirement savings, 6 % tax-free savings, 0 for assets and equity).
float DefaultRateForType(const Scenario& scenario, AccountType type);

// The access order after every whole-number order the accounts hold ("1" when none does); when
// that would not fit in three characters, the smallest whole number no account holds.
std::string NextFreeAccessOrder(const Scenario& scenario);

}  // namespace tarvel::model
