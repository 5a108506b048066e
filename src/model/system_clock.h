// Today's date and the time of day from the system clock, in local time: the clock of both
// the desktop planner and the command-line planner when no day is fixed.
#pragma once

#include "platform/clock.h"

namespace tarvel::model {

class SystemClock : public platform::Clock {
 public:
  platform::Date Today() const override;
  platform::TimeOfDay Now() const override;
};

}  // namespace tarvel::model
