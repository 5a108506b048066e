// The system's local date and time.
#include "model/system_clock.h"

#include <ctime>

namespace tarvel::model {
namespace {

std::tm LocalNow() {
  const std::time_t seconds = std::time(nullptr);
  std::tm local{};
  localtime_r(&seconds, &local);
  return local;
}

}  // namespace

platform::Date SystemClock::Today() const {
  const std::tm local = LocalNow();
  return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday};
}

platform::TimeOfDay SystemClock::Now() const {
  const std::tm local = LocalNow();
  return {local.tm_hour, local.tm_min, local.tm_sec};
}

}  // namespace tarvel::model
