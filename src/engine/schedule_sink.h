// How a run hands on its schedule lines: the output modes, the tags of lines that belong to
// no event, the output interface the caller provides, and the run's sink that forwards to it.
#pragma once

#include <concepts>
#include <cstdio>
#include <string_view>

namespace tarvel::engine {

enum class OutputMode { ResultsList = 0, ResultsFile = 1, PrintFile = 2 };

// Tags for lines that belong to no event.
inline constexpr int kInitialRatesTag = 7000;
inline constexpr int kAccountRatesTag = 8000;

// Where the schedule lines of a run go; it decides which lines it keeps.
class ScheduleOutput {
 public:
  virtual ~ScheduleOutput() = default;
  // Starts a run: mode, the open file for modes 1 and 2 (may be null), the first shown age.
  virtual void Begin(OutputMode mode, std::FILE* file, float first_shown_age) = 0;
  // One schedule line with the event it belongs to (an event index or a tag, -1 none).
  virtual void Emit(std::string_view text, int event_index) = 0;
  // A line of the event listing written before the schedule.
  virtual void WriteListingLine(std::string_view text) = 0;
  // The age the lines that follow belong to.
  virtual void set_current_age(float age) = 0;
  // The print-file pass: schedule lines are dropped, the listing is not.
  virtual void set_suppress_detail(bool on) = 0;
};

// The run's end of the line path: forwards every call to the output in use, and drops the
// lines when none is (a run made only for its yearly results) or when the run is a text-free
// analysis run; the output is then never called.
class RunSink {
 public:
  // The output the following runs write to; null drops every line. Not owned.
  void Use(ScheduleOutput* output) { output_ = output; }
  // A text-free analysis run: every line is dropped before it is built.
  void set_text_free(bool on) { text_free_ = on; }
  // Whether a line built now would reach an output; when not, callers skip building it.
  bool writes_text() const { return output_ != nullptr && !text_free_; }

  void Begin(OutputMode mode, std::FILE* file, float first_shown_age) {
    if (writes_text()) output_->Begin(mode, file, first_shown_age);
  }
  void Emit(std::string_view text, int event_index) {
    if (writes_text()) output_->Emit(text, event_index);
  }
  // Builds the line (a callable returning text) only when it will be written.
  template <typename BuildLine>
  requires std::invocable<BuildLine&>
  void Emit(BuildLine&& build_line, int event_index) {
    if (writes_text()) output_->Emit(build_line(), event_index);
  }
  void WriteListingLine(std::string_view text) {
    if (writes_text()) output_->WriteListingLine(text);
  }
  void set_current_age(float age) {
    if (writes_text()) output_->set_current_age(age);
  }
  void set_suppress_detail(bool on) {
    if (writes_text()) output_->set_suppress_detail(on);
  }
  // Writing a results file: the run starts its schedule without a "??" heading.
  void set_saving(bool on) { saving_ = on; }
  bool saving() const { return saving_; }

 private:
  ScheduleOutput* output_ = nullptr;
  bool text_free_ = false;
  bool saving_ = false;
};

}  // namespace tarvel::engine
