// Today's date and the time of day from the system clock, in local time.
#pragma once

#include <ctime>

#include "platform/clock.h"

namespace tarvel::app {

class SystemClock : public platform::Clock {
 public:
  platform::Date Today() const override {
    const std::tm now = Local();
    return {now.tm_year + 1900, now.tm_mon + 1, now.tm_mday};
  }
  platform::TimeOfDay Now() const override {
    const std::tm now = Local();
    return {now.tm_hour, now.tm_min, now.tm_sec};
  }

 private:
  static std::tm Local() {
    const std::time_t seconds = std::time(nullptr);
    std::tm local{};
    localtime_r(&seconds, &local);
    return local;
  }
};

}  // namespace tarvel::app
