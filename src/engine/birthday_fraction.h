// The part of a year since the planner's last birthday, for a start age with a fraction.
#pragma once

#include "platform/clock.h"

namespace tarvel::engine {

// Days from the last birthday to today on a calendar of 365 days (February always has 28),
// at most 364, divided by 365. A birth month or day out of range gives 0.
float BirthdayFraction(const platform::Date& today, int birth_month, int birth_day);

}  // namespace tarvel::engine
