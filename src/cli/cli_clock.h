// Today's date and the time of day for the command-line planner: the system's, or a day
// fixed by --today, and the reading of that day.
#pragma once

#include <optional>
#include <string_view>

#include "model/system_clock.h"
#include "platform/clock.h"

namespace tarvel::cli {

using SystemClock = model::SystemClock;

// A fixed day at midnight, so that runs on any day give the same files.
class FixedClock : public platform::Clock {
 public:
  explicit FixedClock(platform::Date date) : date_(date) {}
  platform::Date Today() const override { return date_; }
  platform::TimeOfDay Now() const override { return {}; }

 private:
  platform::Date date_;
};

// "YYYY-MM-DD" with a real calendar day, or nothing.
std::optional<platform::Date> ParseDate(std::string_view text);

}  // namespace tarvel::cli
