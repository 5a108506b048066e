// Today's date and the time of day, from the system or fixed by tests and --today.
#pragma once

namespace tarvel::platform {

struct Date {
  int year = 2000;
  int month = 1;  // 1..12
  int day = 1;    // 1..31
};

struct TimeOfDay {
  int hour = 0;
  int minute = 0;
  int second = 0;
};

class Clock {
 public:
  virtual ~Clock() = default;
  virtual Date Today() const = 0;
  virtual TimeOfDay Now() const = 0;
};

}  // namespace tarvel::platform
