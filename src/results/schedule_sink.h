// The one path by which every schedule line leaves a run: to the in-memory results list
// (mode 0), to a results file (mode 1) or to the print file (mode 2).
#pragma once

#include <cstdio>
#include <string_view>

#include "engine/schedule_sink.h"
#include "results/results_list.h"

namespace tarvel::results {

class ScheduleSink : public engine::ScheduleOutput {
 public:
  void Begin(engine::OutputMode mode, std::FILE* file, float first_shown_age) override;
  // EmitScheduleLine: sends one line on, or drops it by the sink's rules.
  void Emit(std::string_view text, int event_index) override;
  // Writes a line to the file regardless of age (the event listing before the schedule);
  // a "??" line gets two empty lines before it. The print-file pass writes it too.
  void WriteListingLine(std::string_view text) override;
  void set_current_age(float age) override { current_age_ = age; }
  void set_suppress_detail(bool on) override { suppress_detail_ = on; }

  const ResultsList& results() const { return results_; }
  ResultsList& results() { return results_; }
  int line_count() const { return static_cast<int>(results_.lines.size()); }

 private:
  engine::OutputMode mode_ = engine::OutputMode::ResultsList;
  std::FILE* file_ = nullptr;
  float current_age_ = 0;
  float first_shown_age_ = 0;
  bool suppress_detail_ = false;
  bool list_started_ = false;  // the first row of a run clears the list
  ResultsList results_;
};

}  // namespace tarvel::results
