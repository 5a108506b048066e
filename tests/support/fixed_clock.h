// A clock for tests that always answers the same day and time.
#pragma once

#include "platform/clock.h"

namespace tarvel::test_support {

class FixedClock : public platform::Clock {
 public:
  FixedClock() = default;
  explicit FixedClock(platform::Date day) : today(day) {}
  platform::Date Today() const override { return today; }
  platform::TimeOfDay Now() const override { return {12, 0, 0}; }
  platform::Date today{2024, 6, 15};
};

}  // namespace tarvel::test_support
