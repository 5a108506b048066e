// A run whose schedule lines go through the results sink: kept in its results list in mode 0,
// written to the results or print file in modes 1 and 2.
#pragma once

#include "engine/run.h"
#include "results/results_list.h"
#include "results/schedule_sink.h"

namespace tarvel::results {

class ScheduleRun : public engine::Run {
 public:
  ScheduleRun() { sink.Use(&schedule_); }
  // The run's sink points at this object's own results sink, so it stays where it is made.
  // Own it as a ScheduleRun: engine::Run has no virtual destructor.
  ScheduleRun(const ScheduleRun&) = delete;
  ScheduleRun& operator=(const ScheduleRun&) = delete;

  const ResultsList& results() const { return schedule_.results(); }
  ResultsList& results() { return schedule_.results(); }

 private:
  ScheduleSink schedule_;
};

}  // namespace tarvel::results
